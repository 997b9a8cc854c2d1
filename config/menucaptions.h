// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

namespace zv {

// The entries of the main window's menu bar, in the order the language file's
// captions are applied: each entry's control name, its key in section MENU
// and the caption used when the key is missing.
struct MenuEntryKey
{
    const char *objectName;
    const char *key;
    const char *defaultCaption;
};

inline constexpr int MenuEntryCount = 11;

inline constexpr std::array<MenuEntryKey, MenuEntryCount> MenuEntryKeys = {{
    {"fmnuFile", "FILE", "&File"},
    {"fmnuNew", "NEW", "&New"},
    {"fmnuExit", "EXIT", "&Exit"},
    {"fmnuTruth", "TRUTH", "&Truth"},
    {"fmnuTruth1", "TRUTH1", "The truth about payed surfing programs"},
    {"fmnuMoney", "MONEY", "&Money"},
    {"fmnuMoney1", "MONEY1", "&Earn monye while surfing on the web"},
    {"fmnuHelp", "HELP", "&Help"},
    {"fmnuContents", "CONTENTS", "Contents"},
    {"fmnuOnline", "ONLINE", "Online Help"},
    {"fmnuAbout", "ABOUT", "&About"},
}};

} // namespace zv
