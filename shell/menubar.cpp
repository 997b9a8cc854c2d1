// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/menubar.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace zv {

namespace {

QMenu *addMenu(QMenuBar *menuBar, const char *name)
{
    QMenu *menu = menuBar->addMenu(QString());
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

void addEntry(QMenu *menu, const char *name, const std::function<void()> &command,
              const QKeySequence &shortcut = {})
{
    QAction *action = menu->addAction(QString());
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    if (command)
        QObject::connect(action, &QAction::triggered, menu, command);
}

} // namespace

void buildMenuBar(QMenuBar *menuBar, const MenuCommands &commands)
{
    QMenu *file = addMenu(menuBar, "fmnuFile");
    // The desktop's usual keys, spelt out: not every platform theme binds
    // QKeySequence::Quit, and the menus show them beside the captions.
    addEntry(file, "fmnuNew", commands.newWizard, QKeySequence(Qt::CTRL | Qt::Key_N));
    addEntry(file, "fmnuExit", commands.exit, QKeySequence(Qt::CTRL | Qt::Key_Q));
    QMenu *truth = addMenu(menuBar, "fmnuTruth");
    addEntry(truth, "fmnuTruth1", commands.explanation);
    QMenu *money = addMenu(menuBar, "fmnuMoney");
    addEntry(money, "fmnuMoney1", commands.randomAddress);
    QMenu *help = addMenu(menuBar, "fmnuHelp");
    addEntry(help, "fmnuContents", commands.helpContents, QKeySequence(Qt::Key_F1));
    addEntry(help, "fmnuOnline", commands.onlineHelp);
    addEntry(help, "fmnuAbout", commands.about);

    std::array<QString, MenuEntryCount> captions;
    for (std::size_t i = 0; i < MenuEntryKeys.size(); ++i)
        captions[i] = MenuEntryKeys[i].caption.defaultText();
    setMenuCaptions(menuBar, captions);
}

void setMenuCaptions(QMenuBar *menuBar, const std::array<QString, MenuEntryCount> &captions)
{
    for (std::size_t i = 0; i < MenuEntryKeys.size(); ++i) {
        const QString name = QLatin1String(MenuEntryKeys[i].objectName);
        // Menus and their entries are both actions; the menu's action carries
        // the name too, so one search finds either.
        for (QAction *action : menuBar->findChildren<QAction *>(name))
            action->setText(captions[i]);
    }
}

} // namespace zv
