// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/menubar.h"

#include <functional>

class QMainWindow;

namespace zv {

class Browser;
struct LanguageTables;
class ProgramTexts;
struct ProgramServices;
struct SkinSettings;

// What the menu's commands act on; all of it belongs to the main window and
// is read when a command is chosen, so it must outlive the menu.
struct MenuContext
{
    QMainWindow *window = nullptr;  // holds the menu bar and owns the secondary windows
    const ProgramServices *services = nullptr;
    Browser *browser = nullptr;
    const LanguageTables *tables = nullptr;
    const ProgramTexts *texts = nullptr;
    const SkinSettings *skin = nullptr;  // as applied to the windows
};

// The menu bar's commands: File > New runs `newWizard`, every other entry
// acts on the context (ends the program, opens a secondary window, an
// address or the help page).
MenuCommands mainMenuCommands(const MenuContext &context, std::function<void()> newWizard);

} // namespace zv
