// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

namespace zv {

// How many keys of a prefix the program reads: one, or one per loaded engine
// or question (the prefix followed by 0, 1, ...).
enum class KeyNumbering { Single, PerEngine, PerQuestion };

struct LanguageKeyName
{
    const char *section;
    const char *key; // the prefix of a numbered key
    KeyNumbering numbering = KeyNumbering::Single;
};

// Every key of the language file that the program reads and whose absence
// shows a placeholder: the loader's keys, the tooltips the layouts read and
// the About window's language line. The MENU keys are MenuEntryKeys.
inline constexpr std::array LanguageKeyNames = {
    LanguageKeyName{"GENERAL", "LANGUAGE"},
    LanguageKeyName{"SEARCHENGINES", "COUNT"},
    LanguageKeyName{"QUESTIONS", "COUNT"},
    LanguageKeyName{"ENGINES", "ENGINE", KeyNumbering::PerEngine},
    LanguageKeyName{"LINKS", "LINK", KeyNumbering::PerEngine},
    LanguageKeyName{"QUESTIONS", "Q", KeyNumbering::PerQuestion},
    LanguageKeyName{"QUESTIONS", "Y", KeyNumbering::PerQuestion},
    LanguageKeyName{"QUESTIONS", "N", KeyNumbering::PerQuestion},
    LanguageKeyName{"MATRIX", "S", KeyNumbering::PerEngine},
    LanguageKeyName{"URL", "URL1"},
    LanguageKeyName{"URL", "URL2"},
    LanguageKeyName{"EXPLANATION", "TEXT"},
    LanguageKeyName{"STARTEND", "WELCOME"},
    LanguageKeyName{"STARTEND", "FINISHED"},
    LanguageKeyName{"TOOLTIP", "SELIST"},
    LanguageKeyName{"TOOLTIP", "TIPSTART"},
    LanguageKeyName{"TOOLTIP", "TIPNEXT"},
    LanguageKeyName{"TOOLTIP", "TIPLAUNCH"},
    LanguageKeyName{"ABOUT", "LANGUAGE"},
};

// OPTIONAL KEYS. Keys the program reads but a language file may leave out by
// design: without them the program shows nothing, or a text of its own, and
// the checker does not ask for them. A feature that adds an optional key of
// the language file lists it here, and only here.
inline constexpr std::array OptionalLanguageKeyNames = {
    LanguageKeyName{"ENGINEINFO", "INFO", KeyNumbering::PerEngine},
    LanguageKeyName{"ENGINEINFO", "FITS"},
    LanguageKeyName{"ENGINEINFO", "AGAINST"},
    LanguageKeyName{"ENGINEINFO", "TIED"},
    LanguageKeyName{"ENGINEINFO", "WEIGHTED"},
    LanguageKeyName{"QUESTIONS", "SKIP"},
    LanguageKeyName{"QUESTIONS", "IMPORTANT"},
    LanguageKeyName{"QUESTIONS", "BACK"},
    LanguageKeyName{"ENGINEINFO", "ASOF"},
    LanguageKeyName{"URL", "HELP"},
    LanguageKeyName{"ACCESSIBLE", "ENGINELIST"},
    LanguageKeyName{"ACCESSIBLE", "QUESTIONAREA"},
    LanguageKeyName{"ACCESSIBLE", "HELPPICTURE"},
    LanguageKeyName{"ACCESSIBLE", "QUESTIONPICTURE"},
};

} // namespace zv
