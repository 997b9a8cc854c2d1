// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "config/languagekeys.h"

#include "config/profilereader.h"
#include "config/profilesnapshot.h"

namespace zv {

QString readLanguageKey(const ProfileSnapshot &languageFile, const LanguageKey &key)
{
    return languageFile.value(QLatin1String(key.section), QLatin1String(key.key),
                              key.defaultText());
}

QString readLanguageKey(const QString &languageFile, const LanguageKey &key)
{
    return ReadIniValue(QLatin1String(key.section), QLatin1String(key.key), key.defaultText(),
                        languageFile);
}

} // namespace zv
