// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "config/menucaptions.h"

#include <QString>

#include <array>
#include <functional>

class QMenuBar;

namespace zv {

// What the menu entries do.
struct MenuCommands
{
    std::function<void()> newWizard;
    std::function<void()> exit;
    std::function<void()> explanation;
    std::function<void()> randomAddress;
    std::function<void()> helpContents;
    std::function<void()> onlineHelp;
    std::function<void()> about;
};

// Builds the four menus and their seven entries. Menus and entries carry
// their control names (fmnuFile, fmnuNew, ...) as object names. F10 in the
// bar's window opens the first menu.
void buildMenuBar(QMenuBar *menuBar, const MenuCommands &commands);

// Sets the captions of all eleven menus and entries, in MenuEntryKeys order.
// "&" marks the access key.
void setMenuCaptions(QMenuBar *menuBar, const std::array<QString, MenuEntryCount> &captions);

} // namespace zv
