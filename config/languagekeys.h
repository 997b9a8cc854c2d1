// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <array>
#include <string_view>

namespace zv {

class ProfileSnapshot;

// Where the program reads a key of the language file.
enum class ReadBy {
    Loader,          // LoadLanguage, once at start
    Layout,          // each layout change, anew: the tooltips
    AccessibleName,  // each layout change or question, anew
    About,           // each showing of the About window
    HelpCommand,     // each choice of Help > Online help
    BeforeSkin,      // once at start, before the skin: Qt's catalogue, the
                     // windows' own texts and the failure messages
};

// How many keys of a prefix the program reads: one, or one per loaded engine
// or question (the prefix followed by 0, 1, ...).
enum class KeyNumbering { Single, PerEngine, PerQuestion };

// Expected keys show a placeholder when missing and the checker asks for
// them; an optional key may be left out by design: without it the program
// shows nothing, or a text of its own, and the checker is silent.
enum class KeyNeed { Expected, Optional };

struct LanguageKey
{
    const char *section;
    const char *key;           // the prefix of a numbered key
    const char *defaultValue;  // UTF-8
    ReadBy readBy;
    KeyNumbering numbering = KeyNumbering::Single;
    KeyNeed need = KeyNeed::Expected;

    bool optional() const { return need == KeyNeed::Optional; }
    QString defaultText() const { return QString::fromUtf8(defaultValue); }
};

// EVERY KEY OF THE LANGUAGE FILE THAT THE PROGRAM READS. The loader, the
// layouts, the windows, the checker and the help page's key list all go by
// this table: a new key is one row here, plus the code that uses it (and
// its line in the help page, shipped/zvs.html, which a test compares).
namespace languagekeytable {
using enum ReadBy;
using enum KeyNumbering;
using enum KeyNeed;
inline constexpr auto rows = std::to_array<LanguageKey>({
    // section, key, default, read by[, numbering[, need]]
    {"GENERAL", "LANGUAGE", "English", Loader},
    {"SEARCHENGINES", "COUNT", "14", Loader},
    {"QUESTIONS", "COUNT", "9", Loader},
    {"ENGINES", "ENGINE", "???", Loader, PerEngine},
    {"LINKS", "LINK", "en.wikipedia.org/wiki/Search_engine", Loader, PerEngine},
    {"QUESTIONS", "Q", "???", Loader, PerQuestion},
    {"QUESTIONS", "Y", "yes", Loader, PerQuestion},
    {"QUESTIONS", "N", "no", Loader, PerQuestion},
    {"MATRIX", "S", "", Loader, PerEngine},
    {"URL", "URL1", "https://duckduckgo.com/", Loader},
    {"URL", "URL2", "https://duckduckgo.com/", Loader},
    {"EXPLANATION", "TEXT", "nothing here..", Loader},
    {"STARTEND", "WELCOME", "Welcome", Loader},
    {"STARTEND", "FINISHED", "Ready", Loader},
    {"TOOLTIP", "SELIST", "Double Click on Search Engine to Launch it", Layout},
    {"TOOLTIP", "TIPSTART", "Start", Layout},
    {"TOOLTIP", "TIPNEXT", "Next question", Layout},
    {"TOOLTIP", "TIPLAUNCH", "Launch champion", Layout},
    {"ABOUT", "LANGUAGE", "?", About},
    {"MENU", "FILE", "&File", Loader},
    {"MENU", "NEW", "&New", Loader},
    {"MENU", "EXIT", "&Exit", Loader},
    {"MENU", "TRUTH", "&Truth", Loader},
    {"MENU", "TRUTH1", "The truth about payed surfing programs", Loader},
    {"MENU", "MONEY", "&Money", Loader},
    {"MENU", "MONEY1", "&Earn monye while surfing on the web", Loader},
    {"MENU", "HELP", "&Help", Loader},
    {"MENU", "CONTENTS", "Contents", Loader},
    {"MENU", "ONLINE", "Online Help", Loader},
    {"MENU", "ABOUT", "&About", Loader},

    // OPTIONAL KEYS: without them a file works as the files made for the
    // Windows version always did.
    {"ENGINEINFO", "INFO", "", Loader, PerEngine, Optional},
    {"ENGINEINFO", "FITS", "Fits your answers:", Loader, Single, Optional},
    {"ENGINEINFO", "AGAINST", "Against your answers:", Loader, Single, Optional},
    {"ENGINEINFO", "TIED", "Equal fit with:", Loader, Single, Optional},
    {"ENGINEINFO", "ASOF", "", Loader, Single, Optional},
    {"ENGINEINFO", "WEIGHTED", " (matters a lot)", Loader, Single, Optional},
    // Captions of the answer controls beyond Yes and No; none without them.
    {"QUESTIONS", "SKIP", "", Loader, Single, Optional},
    {"QUESTIONS", "IMPORTANT", "", Loader, Single, Optional},
    {"QUESTIONS", "BACK", "", Loader, Single, Optional},
    {"URL", "HELP", "", HelpCommand, Single, Optional},
    {"ACCESSIBLE", "ENGINELIST", "Search engines, best match first", AccessibleName, Single,
     Optional},
    {"ACCESSIBLE", "QUESTIONAREA", "Question", AccessibleName, Single, Optional},
    {"ACCESSIBLE", "HELPPICTURE",
     "How it works: answer the questions, watch the ranking, open the winner", AccessibleName,
     Single, Optional},
    // Followed by a blank and the question's number, counted from 1.
    {"ACCESSIBLE", "QUESTIONPICTURE", "Question", AccessibleName, Single, Optional},
    // Empty: the name of the file's folder in languages/, if it lies in one.
    {"GENERAL", "CODE", "", BeforeSkin, Single, Optional},
    {"STARTEND", "START", "Launch the best search engine", BeforeSkin, Single, Optional},
    {"EXPLANATION", "CAPTION", "Earn money while surfing...", BeforeSkin, Single, Optional},
    {"EXPLANATION", "BUTTON", "Click Here", BeforeSkin, Single, Optional},
    {"ABOUT", "CAPTION", "About Zorvane", BeforeSkin, Single, Optional},
    // %1: the program's version, such as 1.0.7.
    {"ABOUT", "VERSION", "Version %1", BeforeSkin, Single, Optional},
    {"ABOUT", "CREDITS", "Zorvane was conceived and built by the Zorvane project.", BeforeSkin,
     Single, Optional},
    // Begins with a blank, as the copyright line always has.
    {"ABOUT", "COPYRIGHTLINE", " Copyright (C) 2026 the Zorvane project.", BeforeSkin, Single,
     Optional},
    {"ABOUT", "NOTICE",
     "Zorvane is free software, free of charge: use, share and change it under the GNU General "
     "Public License, version 3 or later. It comes with no warranty of any kind.",
     BeforeSkin, Single, Optional},
    {"ABOUT", "BUTTON", "OK", BeforeSkin, Single, Optional},
    {"FAILURE", "TYPEMISMATCH", "Type mismatch", BeforeSkin, Single, Optional},
    {"FAILURE", "OVERFLOW", "Overflow", BeforeSkin, Single, Optional},
    {"FAILURE", "SUBSCRIPT", "Subscript out of range", BeforeSkin, Single, Optional},
    // %1: how many messages were held back; translations avoid a plural form.
    {"FAILURE", "HELDBACK", "%1 further values could not be loaded; their messages are not shown.",
     BeforeSkin, Single, Optional},
    // %1: the address as the file gives it.
    {"FAILURE", "NOTADDRESS", "\"%1\" is not a web address, so it was not opened.", BeforeSkin,
     Single, Optional},
    // %1: the address or the local page.
    {"FAILURE", "NOBROWSER", "No web browser could be started to show \"%1\".", BeforeSkin,
     Single, Optional},
    // %1: where a failure is, as the checker gives it: FILE:LINE: [SECTION] KEY.
    {"FAILURE", "WHERE", "Where: %1", BeforeSkin, Single, Optional},
    // %1: the language file or skin that holds the failure.
    {"FAILURE", "CHECKFILE", "zorvane --check %1 lists every failure of this file.", BeforeSkin,
     Single, Optional},
});
} // namespace languagekeytable

inline constexpr const auto &LanguageKeys = languagekeytable::rows;

// The table's row for a key, found while compiling: a key missing from the
// table does not build.
consteval LanguageKey languageKey(std::string_view section, std::string_view key)
{
    for (const LanguageKey &row : LanguageKeys) {
        if (row.section == section && row.key == key)
            return row;
    }
    throw "the key is missing from LanguageKeys";
}

// The single key's value in the file, or its default.
QString readLanguageKey(const ProfileSnapshot &languageFile, const LanguageKey &key);
// The same, reading the file anew (see ReadIniValue).
QString readLanguageKey(const QString &languageFile, const LanguageKey &key);

} // namespace zv
