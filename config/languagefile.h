// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "config/failurereporter.h"
#include "config/languagetables.h"
#include "config/menucaptions.h"
#include "config/profilesnapshot.h"

#include <QString>

#include <array>

namespace zv {

// What loading a language file yields besides the tables: the menu captions
// (in MenuEntryKeys order) and the welcome text of the start label.
struct LanguageFileContents
{
    LanguageTables tables;
    std::array<QString, MenuEntryCount> menuCaptions;
    QString welcomeText;
};

// Reads the language file key by key, each with its built-in default, so a
// missing file yields a complete placeholder configuration. Each value that
// cannot be loaded (a count beyond 16 bits, an index beyond a table, a matrix
// piece that is no number) is reported and not stored; loading goes on.
// A matrix row with more numbers than questions stores the surplus into the
// following engine's positions, as files made for the Windows version expect.
// A matrix number beyond 1e300 in magnitude is an "Overflow", so no score can
// become infinite. The optional [ENGINEINFO] keys and the optional answer captions
// of [QUESTIONS] (SKIP, IMPORTANT, BACK) are read last and never reported.
// Every key is read from one snapshot of the file.
LanguageFileContents LoadLanguage(const QString &languageFile, FailureReporter &failures);
LanguageFileContents LoadLanguage(const ProfileSnapshot &languageFile, FailureReporter &failures);

} // namespace zv
