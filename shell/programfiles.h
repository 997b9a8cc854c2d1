// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace zv {

// The files the program reads: the language file, the skin file and the help
// page that Help › Contents opens.
struct ProgramFiles
{
    QString languageFile;
    QString skinFile;
    QString helpPage;
    QStringList problems; // options that named no file, for the user to hear of
};

// The portable layout: all three beside the program.
ProgramFiles filesBesideProgram(const QString &programDir);

// Everything the choice depends on, so that it can be made from any inputs.
struct ProgramFileInputs
{
    QString languageOption; // --language, or empty
    QString skinOption;     // --skin, or empty
    QString workingDir;     // where relative option paths start
    QString xdgConfigHome;  // $XDG_CONFIG_HOME, or empty
    QString home;           // $HOME, or empty
    QString programDir;
    QStringList uiLanguages;           // as QLocale::uiLanguages() gives them, first choice first
    std::function<bool()> prefersDark; // asked only when the skin falls to the shipped ones
    std::function<bool(const QString &)> exists; // whether a file is there
};

// The first existing file, in this order. Language: the option (a path when it
// holds a "/" or ends in ".cfg", otherwise a code naming
// languages/<code>/zv.cfg in the program folder, tried as given and as its
// language part), the user's zorvane/zv.cfg in the configuration
// folder ($XDG_CONFIG_HOME when absolute, else ~/.config), zv.cfg beside the
// program, languages/<code>/zv.cfg for the first UI language that has one
// (each tried as given and as its language part), and at last
// languages/en/zv.cfg, returned even when missing. Skin: the option (a path,
// or a name naming skins/<name>/skin.cfg), the user's zorvane/skin.cfg,
// skin.cfg beside the program, then skins/dark/skin.cfg when the desktop
// prefers dark and skins/light/skin.cfg otherwise. Help page: zvs.html in the
// chosen language file's folder when it is there, else beside the program.
// An option that names no existing file is passed over and listed in problems.
ProgramFiles chooseProgramFiles(const ProgramFileInputs &inputs);

} // namespace zv
