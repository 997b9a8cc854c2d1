// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/menucommands.h"

#include "config/languagekeys.h"
#include "config/languagetables.h"
#include "config/programtexts.h"
#include "shell/aboutwindow.h"
#include "shell/browser.h"
#include "shell/explanationwindow.h"
#include "shell/programservices.h"
#include "shell/randomsource.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>

namespace zv {

namespace {

void openRandomAddress(const MenuContext &c)
{
    c.browser->OpenInBrowser(
        chooseAddress(c.services->random->next(), c.tables->Url1, c.tables->Url2));
}

void showExplanation(const MenuContext &c)
{
    // The box is named by the menu entry that opened it; the button's
    // description is the menu entry that opens the same addresses.
    const auto caption = [&c](const char *entry) {
        return c.window->menuBar()->findChild<QAction *>(QLatin1String(entry))->iconText();
    };
    frmExplanation window(*c.skin,
                          {c.tables->ExplanationText, caption("fmnuTruth1"), caption("fmnuMoney1"),
                           (*c.texts)[ProgramText::ExplanationCaption],
                           (*c.texts)[ProgramText::ExplanationButton]},
                          c.window);
    QObject::connect(&window, &frmExplanation::clickHere, c.window, [c] {
        c.services->random->reseed(c.services->clockSeed());
        openRandomAddress(c);
    });
    c.services->showModal(window);
}

void showHelpContents(const MenuContext &c)
{
    c.browser->openLocalPage(c.services->files.helpPage);
}

void showOnlineHelp(const MenuContext &c)
{
    // Read when chosen, like the other texts shown on demand; a language
    // file without an address of its own gets the local page.
    const QString address =
        readLanguageKey(c.services->files.languageFile, languageKey("URL", "HELP"));
    if (address.isEmpty())
        showHelpContents(c);
    else
        c.browser->OpenInBrowser(address);
}

void showAbout(const MenuContext &c)
{
    frmAbout window(*c.skin, *c.texts, c.services->programDir, c.services->files.languageFile,
                    c.services->files.skinFile, c.window);
    c.services->showModal(window);
}

} // namespace

MenuCommands mainMenuCommands(const MenuContext &context, std::function<void()> newWizard)
{
    MenuCommands commands;
    commands.newWizard = std::move(newWizard);
    commands.exit = [c = context] {
        if (c.services->quit)
            c.services->quit();
    };
    commands.explanation = [c = context] { showExplanation(c); };
    commands.randomAddress = [c = context] { openRandomAddress(c); };
    commands.helpContents = [c = context] { showHelpContents(c); };
    commands.onlineHelp = [c = context] { showOnlineHelp(c); };
    commands.about = [c = context] { showAbout(c); };
    return commands;
}

} // namespace zv
