// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace zv {

// The program's title, as in every message box and the About window.
inline const QString ProgramTitle = QStringLiteral("Zorvane");

// The project's version, major.minor.revision, as the build states it.
inline const QString ProgramVersion = QStringLiteral(ZV_VERSION);

// The main window's caption begins with this, before the language and skin.
inline const QString CaptionPrefix = QStringLiteral("Zorvane " ZV_VERSION " ");

} // namespace zv
