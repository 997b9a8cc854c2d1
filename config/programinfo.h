// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace zv {

// The program's title, as in every message box and the About window.
inline const QString ProgramTitle = QStringLiteral("Zorvane");

// The version the About window states: major.minor.revision.
inline constexpr int VersionMajor = 1;
inline constexpr int VersionMinor = 0;
inline constexpr int VersionRevision = 23;

// The main window's caption begins with this, before the language and skin.
inline const QString CaptionPrefix = QStringLiteral("Zorvane 1.0.7 ");

} // namespace zv
