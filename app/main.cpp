// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "check/checkcommand.h"
#include "config/filenames.h"
#include "shell/browser.h"
#include "shell/colorscheme.h"
#include "shell/colorschemewatch.h"
#include "shell/commandline.h"
#include "shell/displaycheck.h"
#include "shell/messagebox.h"
#include "shell/programfiles.h"
#include "shell/qtcatalogue.h"
#include "shell/randomsource.h"
#include "skin/focusmark.h"
#include "wizard/mainwindow.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLocale>
#include <QTextStream>
#include <QTime>

#include <cstdio>

int main(int argc, char *argv[])
{
    const QStringList arguments = zv::argumentList(argc, argv);
    // The checker and help, the version and usage errors are answered before a
    // display is needed.
    if (zv::isCheckCommand(arguments)) {
        QTextStream out(stdout);
        QTextStream err(stderr);
        return zv::runCheckCommand(arguments, out, err);
    }
    const zv::CommandLine command = zv::parseCommandLine(arguments);
    if (const std::optional<int> status = zv::answerWithoutWindow(command))
        return *status;

    const auto environment = [](const char *name) { return qEnvironmentVariable(name); };
    if (const std::optional<QString> reason = zv::missingDisplay(arguments, environment)) {
        std::fprintf(stderr,
                     "zorvane: cannot open a display: %s, use --check for files without a "
                     "display\n",
                     qPrintable(*reason));
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorvane"));
    QApplication::setDesktopFileName(QStringLiteral("zorvane"));

    zv::ProgramFileInputs inputs;
    inputs.languageOption = command.language;
    inputs.skinOption = command.skin;
    inputs.workingDir = QDir::currentPath();
    inputs.xdgConfigHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    inputs.home = qEnvironmentVariable("HOME");
    inputs.programDir = QCoreApplication::applicationDirPath();
    const auto isDir = [](const QString &path) { return QFileInfo(path).isDir(); };
    inputs.dataDir = zv::dataFolder(
        inputs.programDir, QDir::cleanPath(inputs.programDir + QStringLiteral("/" ZV_INSTALLED_DATA)),
        isDir);
    inputs.uiLanguages = QLocale::system().uiLanguages();
    // Asked before the style below replaces the platform's palette.
    inputs.prefersDark = zv::desktopPrefersDark;
    inputs.exists = [](const QString &path) { return zv::pathKind(path) != zv::PathKind::None; };
    inputs.unusable = zv::unusableFileReason;
    const zv::ProgramFiles files = zv::chooseProgramFiles(inputs);
    for (const QString &problem : files.problems)
        std::fprintf(stderr, "zorvane: %s\n", qPrintable(problem));
    // Qt's own buttons and menus speak the language file's language.
    zv::installQtCatalogue(files.languageFile);

    // Skins colour the windows through palettes, which Fusion always honours.
    QApplication::setStyle(zv::createProgramStyle());

    zv::DesktopBrowserLauncher launcher;
    zv::RandomSource random;
    zv::ProgramServices services;
    services.programDir = inputs.dataDir;
    services.files = files;
    services.launcher = &launcher;
    services.showMessage = [](const QString &text) {
        zv::showFailureBox(QApplication::activeWindow(), text);
    };
    services.random = &random;
    services.clockSeed = [] { return std::uint32_t(QTime::currentTime().msecsSinceStartOfDay()); };
    services.quit = [] { QCoreApplication::exit(0); };
    services.showModal = [](QDialog &window) { window.exec(); };

    zv::frmZVS window(services);
    window.Form_Load();
    // A skin of the shipped pair follows the desktop's colour scheme; a skin
    // the user chose stays.
    if (files.skinFollowsDesktop && zv::sessionBusMayExist()) {
        auto *watch = new zv::ColorSchemeWatch(QDBusConnection::sessionBus(), &window);
        QObject::connect(watch, &zv::ColorSchemeWatch::schemeChanged, &window,
                         [&window, dataDir = inputs.dataDir](bool dark) {
                             window.changeSkin(zv::shippedSkinFile(dataDir, dark));
                         });
    }
    window.show();
    return app.exec();
}
