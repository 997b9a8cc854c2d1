// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "skin/skinsettings.h"

#include <QPalette>

namespace zv {

// The palette of everything the skin names no colours for (menus, the menu
// bar, tooltips, secondary windows, message boxes), derived from the form's
// colours (windows, buttons) and the list's (fields, tooltips), with bevels
// and disabled text worked out from them, so a dark skin is dark throughout.
// Roles no skin colour touches (the selection) keep `base`'s.
QPalette skinPalette(const SkinSettings &skin, const QPalette &base);

// Makes skinPalette() the application's palette and the tooltips'. Controls
// that take skin colours of their own keep them.
void applySkinPalette(const SkinSettings &skin);

} // namespace zv
