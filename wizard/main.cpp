#include "check/checkcommand.h"
#include "shell/browser.h"
#include "shell/messagebox.h"
#include "shell/randomsource.h"
#include "wizard/mainwindow.h"

#include <QApplication>
#include <QDialog>
#include <QTextStream>
#include <QTime>

int main(int argc, char *argv[])
{
    // The checker runs before any QApplication, so it needs no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (zv::isCheckCommand(arguments)) {
        QTextStream out(stdout);
        QTextStream err(stderr);
        return zv::runCheckCommand(arguments, out, err);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorvane"));
    QApplication::setDesktopFileName(QStringLiteral("zorvane"));
    // Skins colour the windows through palettes, which Fusion always honours.
    QApplication::setStyle(QStringLiteral("Fusion"));

    zv::DesktopBrowserLauncher launcher;
    zv::RandomSource random;
    zv::ProgramServices services;
    services.programDir = QCoreApplication::applicationDirPath();
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
    window.show();
    return app.exec();
}
