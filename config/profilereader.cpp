// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "config/profilereader.h"

#include "config/snapshotcache.h"

namespace zv {

QString ReadIniValue(const QString &section, const QString &key, const QString &defaultValue,
                     const QString &file)
{
    return currentSnapshot(file)->value(section, key, defaultValue);
}

} // namespace zv
