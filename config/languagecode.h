// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "config/profilesnapshot.h"

#include <QString>

namespace zv {

// The language a language file is written in, as a code such as "de" or
// "pt_BR": its [GENERAL] CODE, else the name of its folder when the file lies
// in a folder languages/<code>/, else empty. A code holds only letters,
// digits, '_' and '-' and begins with a letter; anything else counts as no
// code, so a code can never name a file outside the folder it is looked up in.
QString languageCode(const ProfileSnapshot &languageFile, const QString &path);

} // namespace zv
