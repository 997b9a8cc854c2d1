// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "skin/focusmark.h"

#include <QAbstractScrollArea>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace zv {

namespace {

double luminance(const QColor &color)
{
    const auto channel = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF())
           + 0.0722 * channel(rgb.blueF());
}

QColor mixed(const QColor &from, const QColor &to, double share)
{
    const auto mix = [share](int a, int b) { return int(std::lround(a + (b - a) * share)); };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()),
                  mix(from.blue(), to.blue()));
}

constexpr int MarkWidth = 2;
// The mark and a pixel of the surface inside it.
constexpr int MarkSpace = MarkWidth + 1;

// A frame `width` pixels wide along the inside of `rect`.
void fillFrame(QPainter *painter, const QRect &rect, int width, const QColor &color)
{
    const QRect inner = rect.adjusted(width, width, -width, -width);
    painter->fillRect(QRect(rect.left(), rect.top(), rect.width(), width), color);
    painter->fillRect(QRect(rect.left(), inner.bottom() + 1, rect.width(), width), color);
    painter->fillRect(QRect(rect.left(), inner.top(), width, inner.height()), color);
    painter->fillRect(QRect(inner.right() + 1, inner.top(), width, inner.height()), color);
}

// The ring's outer edge lies on `rect`; surface pixels set it off from
// whatever lies outside and inside.
void drawMark(QPainter *painter, const QRect &rect, const QPalette &palette,
              const QColor &surface)
{
    painter->save();
    fillFrame(painter, rect.adjusted(-1, -1, 1, 1), 1, surface);
    fillFrame(painter, rect, MarkWidth,
              focusMarkColor(palette.color(QPalette::Highlight), surface));
    fillFrame(painter, rect.adjusted(MarkWidth, MarkWidth, -MarkWidth, -MarkWidth), 1, surface);
    painter->restore();
}

bool isFocusableScrollArea(const QWidget *widget)
{
    return qobject_cast<const QAbstractScrollArea *>(widget)
           && widget->focusPolicy() != Qt::NoFocus;
}

// Buttons and framed boxes keep a margin of the surface below them all round,
// focused or not, and the mark fills it: so the mark's pixels change from the
// surface colour alone, which the mark's colour is chosen against.
class FocusMarkStyle : public QProxyStyle
{
public:
    FocusMarkStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        switch (element) {
        case PE_FrameFocusRect: {
            if (qobject_cast<const QPushButton *>(widget))
                return;  // marked on their margin instead
            const QPalette &pal = option->palette;
            if (option->state & State_Item) {
                // Inside the row, so the edge pixels are not cut off by the view.
                drawMark(painter, option->rect.adjusted(1, 1, -1, -1), pal,
                         pal.color(option->state & State_Selected ? QPalette::Highlight
                                                                  : QPalette::Base));
            } else {
                drawMark(painter, option->rect, pal, pal.color(QPalette::Window));
            }
            return;
        }
        case PE_PanelButtonCommand:
            drawInMargin(element, option, painter, widget);
            return;
        case PE_Frame:
            if (isFocusableScrollArea(widget)) {
                drawInMargin(element, option, painter, widget);
                return;
            }
            break;
        default:
            break;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        if (metric == PM_DefaultFrameWidth && isFocusableScrollArea(widget))
            return value + MarkSpace;
        return value;
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override
    {
        QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
        // Room for a row's mark above and below its text.
        if (type == CT_ItemViewItem)
            result.rheight() += 2 * (MarkSpace + 1);
        return result;
    }

private:
    void drawInMargin(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                      const QWidget *widget) const
    {
        QStyleOption inner = *option;
        inner.rect = option->rect.adjusted(MarkSpace, MarkSpace, -MarkSpace, -MarkSpace);
        inner.state &= ~State_HasFocus;  // Fusion's faint focus outline
        QProxyStyle::drawPrimitive(element, &inner, painter, widget);
        if (option->state & State_HasFocus)
            drawMark(painter, option->rect, option->palette,
                     option->palette.color(QPalette::Window));
    }
};

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor focusMarkColor(const QColor &accent, const QColor &surface)
{
    const double wanted = FocusMarkContrast + 0.1;
    // The least change towards white or black that reaches the contrast; at
    // the end one of the two always does, as a surface cannot be near both.
    for (int step = 0; step < 32; ++step) {
        for (const QColor &end : {QColor(Qt::white), QColor(Qt::black)}) {
            const QColor candidate = mixed(accent, end, step / 32.0);
            if (contrastRatio(candidate, surface) >= wanted)
                return candidate;
        }
    }
    return contrastRatio(Qt::white, surface) > contrastRatio(Qt::black, surface) ? Qt::white
                                                                                 : Qt::black;
}

QStyle *createProgramStyle()
{
    return new FocusMarkStyle;
}

} // namespace zv
