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
    bool skinFollowsDesktop = false; // the skin is the shipped one for the desktop's scheme
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
    QString programDir;     // the executable's folder: zv.cfg and skin.cfg beside it
    QString dataDir;        // the shipped languages/, skins/ and zvs.html; see dataFolder()
    QStringList uiLanguages;           // as QLocale::uiLanguages() gives them, first choice first
    std::function<bool()> prefersDark; // asked only when the skin falls to the shipped ones
    std::function<bool(const QString &)> exists; // whether a file is there
    // Why a file that is there cannot be used, or an empty text when it can.
    std::function<QString(const QString &)> unusable;
};

// Why the file at `path` cannot be read as a language file or skin (not a
// plain file, unreadable, over the size limit), or an empty text when it can.
QString unusableFileReason(const QString &path);

// The folder of the program's read-only files (pictures, help pages, shipped
// languages and skins): the program's own folder when it holds a languages
// folder (the build's program folder, or a copied one), else `installedDir`.
QString dataFolder(const QString &programDir, const QString &installedDir,
                   const std::function<bool(const QString &)> &isDir);

// The shipped skin for a dark or a light desktop, in the data folder.
QString shippedSkinFile(const QString &dataDir, bool prefersDark);

// The first existing file, in this order. Language: the option (a path when it
// holds a "/" or ends in ".cfg", otherwise a code naming
// languages/<code>/zv.cfg in the data folder, tried as given and as its
// language part), the user's zorvane/zv.cfg in the configuration
// folder ($XDG_CONFIG_HOME when absolute, else ~/.config), zv.cfg beside the
// program, the data folder's languages/<code>/zv.cfg for the first UI language that has one
// (each tried as given and as its language part), and at last
// languages/en/zv.cfg, returned even when missing. Skin: the option (a path,
// or a name naming skins/<name>/skin.cfg), the user's zorvane/skin.cfg,
// skin.cfg beside the program, then skins/dark/skin.cfg when the desktop
// prefers dark and skins/light/skin.cfg otherwise (in the data folder). Help
// page: zvs.html in the chosen language file's folder when it is there, else
// the data folder's.
// An option that names no existing file is passed over and listed in
// problems; so is any candidate that exists but is unusable, with its reason.
ProgramFiles chooseProgramFiles(const ProgramFileInputs &inputs);

} // namespace zv
