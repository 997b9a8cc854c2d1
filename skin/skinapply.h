// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "skin/skinsettings.h"

#include <QString>

class QWidget;

namespace zv {

// Which palette roles a control draws its text and background with.
enum class Surface {
    Window,  // labels, frames, option buttons, windows
    Field,   // lists and text boxes
    Button,  // push buttons with a caption: their face too
};

// Gives a control the colours of two colour texts of the skin.
void applySkinColors(QWidget *widget, const QString &foreText, const QString &backText,
                     Surface surface = Surface::Window);

// Gives a control a font group: name, size, bold and italic, in that order.
// An empty name or a size below 1 point is no font, so that property keeps
// its current value.
void applySkinFont(QWidget *widget, const FontGroup &font);

} // namespace zv
