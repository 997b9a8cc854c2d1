// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "skin/skinapply.h"

#include "skin/skincolor.h"

#include <QFont>
#include <QPalette>
#include <QWidget>

namespace zv {

void applySkinColors(QWidget *widget, const QString &foreText, const QString &backText,
                     Surface surface)
{
    const bool field = surface == Surface::Field;
    QPalette palette = widget->palette();
    palette.setColor(field ? QPalette::Text : QPalette::WindowText,
                     skinColor(foreText, ColorRole::Foreground));
    palette.setColor(field ? QPalette::Base : QPalette::Window,
                     skinColor(backText, ColorRole::Background));
    if (surface == Surface::Button) {
        palette.setColor(QPalette::ButtonText, palette.color(QPalette::WindowText));
        palette.setColor(QPalette::Button, palette.color(QPalette::Window));
    }
    widget->setPalette(palette);
    if (!field) {
        // Buttons would otherwise draw with their own roles, not the skin's.
        widget->setBackgroundRole(QPalette::Window);
        widget->setForegroundRole(QPalette::WindowText);
    }
    widget->setAutoFillBackground(!field);
}

void applySkinFont(QWidget *widget, const FontGroup &group)
{
    QFont font = widget->font();
    if (!group.name.isEmpty())
        font.setFamilies({group.name});
    if (group.size >= 1)
        font.setPointSize(group.size);
    font.setBold(group.bold);
    font.setItalic(group.italic);
    widget->setFont(font);
}

} // namespace zv
