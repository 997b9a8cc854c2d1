// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "config/languagecode.h"

#include "config/languagekeys.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace zv {

namespace {

bool isLanguageCode(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z][A-Za-z0-9_-]{0,15}$"));
    return pattern.match(text).hasMatch();
}

} // namespace

QString languageCode(const ProfileSnapshot &languageFile, const QString &path)
{
    const QString code = readLanguageKey(languageFile, languageKey("GENERAL", "CODE")).trimmed();
    if (!code.isEmpty())
        return isLanguageCode(code) ? code : QString();
    const QDir folder = QFileInfo(path).dir();
    const QString folderName = folder.dirName();
    const bool inLanguages = QFileInfo(folder.path()).dir().dirName() == u"languages";
    return inLanguages && isLanguageCode(folderName) ? folderName : QString();
}

} // namespace zv
