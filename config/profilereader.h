// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "config/profilesnapshot.h"

#include <QString>

namespace zv {

// Reads one value from a profile (INI) file, read anew whenever it changed
// (currentSnapshot), so an edit between two calls is seen and an
// unchanged file costs no reading. The file reads as ProfileSnapshot
// describes. Returns the value (the empty text for "KEY="), or
// `defaultValue` when the file, the section, the key or its equals sign is
// missing.
QString ReadIniValue(const QString &section, const QString &key, const QString &defaultValue,
                     const QString &file);

} // namespace zv
