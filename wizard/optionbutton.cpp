// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wizard/optionbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace zv {

OptionButton::OptionButton(QWidget *parent) : QRadioButton(parent)
{
    connect(this, &QAbstractButton::toggled, this, &OptionButton::keepTabStopOnChoice);
}

void OptionButton::keepTabStopOnChoice()
{
    if (!parentWidget())
        return;
    const QList<OptionButton *> group =
        parentWidget()->findChildren<OptionButton *>(Qt::FindDirectChildrenOnly);
    const bool chosen = std::any_of(group.begin(), group.end(),
                                    [](const OptionButton *b) { return b->isChecked(); });
    for (OptionButton *option : group)
        option->setFocusPolicy(option->isChecked() || !chosen ? Qt::StrongFocus : Qt::ClickFocus);
}

void OptionButton::focusInEvent(QFocusEvent *event)
{
    // The base class makes the focused option the tab stop, even one not chosen.
    QRadioButton::focusInEvent(event);
    keepTabStopOnChoice();
}

void OptionButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);

    QStyleOptionButton indicator = option;
    indicator.rect = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    indicator.rect.moveTop((height() - indicator.rect.height()) / 2);
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, indicator);

    const int gap = style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &option, this);
    const QRect textArea = rect().adjusted(indicator.rect.right() + 1 + gap, 0, 0, 0);
    int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this))
        flags |= Qt::TextHideMnemonic;
    painter.drawItemText(textArea, flags, palette(), isEnabled(), text(), QPalette::WindowText);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        // The mark and its edge pixels stay clear of the text.
        focus.rect = fontMetrics().boundingRect(textArea, flags, text()).adjusted(-4, -4, 4, 4);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool OptionButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

} // namespace zv
