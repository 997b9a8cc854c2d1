// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qtcatalogue.h"

#include "config/languagecode.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zv {

bool installQtCatalogue(const QString &languageFile, const QString &folder)
{
    const QString code = languageCode(ProfileSnapshot::fromFile(languageFile), languageFile);
    if (code.isEmpty())
        return false;
    const QLocale locale(code);
    QLocale::setDefault(locale);
    // Set before the catalogue arrives, so its layout direction is not taken.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    auto *translator = new QTranslator(QCoreApplication::instance());
    const QString from =
        folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder;
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), from)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace zv
