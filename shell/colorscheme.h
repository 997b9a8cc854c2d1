// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QVariant>

#include <optional>

namespace zv {

// Whether the desktop prefers dark colours: the desktop portal's
// org.freedesktop.appearance color-scheme setting when the portal answers
// within a moment, otherwise whether the platform palette's window colour is
// dark. Without a session bus it asks no one. Needs the application object
// and should run before a style replaces the platform palette.
bool desktopPrefersDark();

// Whether a session bus may be reached without trying to launch one, which
// is slow: its address is set, or its socket lies in XDG_RUNTIME_DIR.
bool sessionBusMayExist();

// The portal's color-scheme value (1 prefer dark, 2 prefer light), as a
// variant that older portals wrap in one more variant than newer ones: true
// for dark, false for light, nothing for no preference or anything else.
std::optional<bool> prefersDarkFromPortal(QVariant value);

} // namespace zv
