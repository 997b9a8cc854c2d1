// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "config/languagekeys.h"

#include <array>

namespace zv {

// The entries of the main window's menu bar, in the order the language file's
// captions are applied: each entry's control name and the key of its caption.
struct MenuEntryKey
{
    const char *objectName;
    LanguageKey caption;
};

inline constexpr int MenuEntryCount = 11;

inline constexpr std::array<MenuEntryKey, MenuEntryCount> MenuEntryKeys = {{
    {"fmnuFile", languageKey("MENU", "FILE")},
    {"fmnuNew", languageKey("MENU", "NEW")},
    {"fmnuExit", languageKey("MENU", "EXIT")},
    {"fmnuTruth", languageKey("MENU", "TRUTH")},
    {"fmnuTruth1", languageKey("MENU", "TRUTH1")},
    {"fmnuMoney", languageKey("MENU", "MONEY")},
    {"fmnuMoney1", languageKey("MENU", "MONEY1")},
    {"fmnuHelp", languageKey("MENU", "HELP")},
    {"fmnuContents", languageKey("MENU", "CONTENTS")},
    {"fmnuOnline", languageKey("MENU", "ONLINE")},
    {"fmnuAbout", languageKey("MENU", "ABOUT")},
}};

} // namespace zv
