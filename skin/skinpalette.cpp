// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "skin/skinpalette.h"

#include "skin/skincolor.h"

#include <QApplication>
#include <QEvent>
#include <QStyle>
#include <QToolTip>

namespace zv {

namespace {

QColor mixed(const QColor &a, const QColor &b)
{
    return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2,
                  (a.blue() + b.blue()) / 2);
}

// Text and its background in every colour group; disabled text lies halfway
// between the two, so it stays readable but plainly set apart.
void setPair(QPalette &palette, QPalette::ColorRole text, QPalette::ColorRole back,
             const QColor &fore, const QColor &background)
{
    palette.setColor(text, fore);
    palette.setColor(back, background);
    palette.setColor(QPalette::Disabled, text, mixed(fore, background));
}

} // namespace

QPalette skinPalette(const SkinSettings &skin, const QPalette &base)
{
    const QColor formFore = skinColor(skin.FormForeColor, ColorRole::Foreground);
    const QColor formBack = skinColor(skin.FormBackColor, ColorRole::Background);
    const QColor listFore = skinColor(skin.ListForeColor, ColorRole::Foreground);
    const QColor listBack = skinColor(skin.ListBackColor, ColorRole::Background);

    QPalette palette = base;
    setPair(palette, QPalette::WindowText, QPalette::Window, formFore, formBack);
    setPair(palette, QPalette::ButtonText, QPalette::Button, formFore, formBack);
    setPair(palette, QPalette::Text, QPalette::Base, listFore, listBack);
    palette.setColor(QPalette::AlternateBase, mixed(listBack, formBack));
    palette.setColor(QPalette::ToolTipText, listFore);
    palette.setColor(QPalette::ToolTipBase, listBack);
    palette.setColor(QPalette::PlaceholderText, mixed(listFore, listBack));
    palette.setColor(QPalette::BrightText, formFore);
    // Bevels and frames: a dark form gets its edges from lighter and darker
    // shades of itself, not from the light palette it replaces.
    const bool dark = formBack.lightness() < 128;
    palette.setColor(QPalette::Light, formBack.lighter(dark ? 160 : 150));
    palette.setColor(QPalette::Midlight, formBack.lighter(dark ? 130 : 115));
    palette.setColor(QPalette::Mid, formBack.darker(130));
    palette.setColor(QPalette::Dark, formBack.darker(dark ? 160 : 200));
    palette.setColor(QPalette::Shadow, formBack.darker(300));
    return palette;
}

void applySkinPalette(const SkinSettings &skin)
{
    const QPalette palette = skinPalette(skin, QApplication::style()->standardPalette());
    QApplication::setPalette(palette);
    QToolTip::setPalette(palette);
    // Qt hands a new application palette on to existing widgets only while
    // its event loop runs; the first skin is applied before that.
    QEvent changed(QEvent::ApplicationPaletteChange);
    for (QWidget *widget : QApplication::allWidgets())
        QCoreApplication::sendEvent(widget, &changed);
}

} // namespace zv
