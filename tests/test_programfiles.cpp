// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Which files the program reads, from the command line, the user's folder,
// the program folder, the locale and the desktop's colour scheme; and the
// command line itself.

#include "config/profilesnapshot.h"
#include "shell/colorscheme.h"
#include "shell/commandline.h"
#include "shell/displaycheck.h"
#include "shell/programfiles.h"

#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace zv;

Q_DECLARE_METATYPE(zv::CommandLine::Request)

namespace {

// The program folder, the data folder, the user's configuration folder and
// the working folder.
const QString P = u"/p/"_qs, D = u"/d/"_qs, U = u"/h/.config/zorvane/"_qs, W = u"/w/"_qs;

const QStringList Shipped = {D + u"zvs.html"_qs,
                             D + u"languages/en/zv.cfg"_qs,
                             D + u"languages/de/zv.cfg"_qs,
                             D + u"languages/de/zvs.html"_qs,
                             D + u"skins/dark/skin.cfg"_qs,
                             D + u"skins/light/skin.cfg"_qs};

} // namespace

class ProgramFilesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void chosenFiles_data()
    {
        QTest::addColumn<QStringList>("options"); // --language, --skin, XDG_CONFIG_HOME
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<bool>("dark");
        QTest::addColumn<QStringList>("chosen"); // language file, skin file, help page
        QTest::addColumn<int>("problems");
        QTest::addColumn<bool>("asked"); // whether the desktop's colour scheme was asked
        QTest::addColumn<QStringList>("unusable"); // files there that cannot be read

        const QStringList none{QString(), QString(), QString()}, en{u"en-US"_qs}, de{u"de-DE"_qs};
        const QString en_cfg = D + u"languages/en/zv.cfg"_qs,
                      de_cfg = D + u"languages/de/zv.cfg"_qs;
        const QString dark = D + u"skins/dark/skin.cfg"_qs, light = D + u"skins/light/skin.cfg"_qs;
        const QString help = D + u"zvs.html"_qs, deHelp = D + u"languages/de/zvs.html"_qs;
        const QStringList beside = Shipped + QStringList{P + u"zv.cfg"_qs, P + u"skin.cfg"_qs};
        const QStringList own = Shipped + QStringList{U + u"zv.cfg"_qs, U + u"skin.cfg"_qs};
        const QStringList ownChosen{U + u"zv.cfg"_qs, U + u"skin.cfg"_qs, help};

        QTest::newRow("no files at all")
            << none << QStringList() << de << true << QStringList{en_cfg, dark, help} << 0 << true << QStringList();
        QTest::newRow("English desktop, light")
            << none << Shipped << en << false << QStringList{en_cfg, light, help} << 0 << true << QStringList();
        QTest::newRow("German desktop: German help page")
            << none << Shipped << de << true << QStringList{de_cfg, dark, deHelp} << 0 << true << QStringList();
        QTest::newRow("territory and script forms find their language")
            << none << Shipped << QStringList{u"de-Latn-AT"_qs} << true
            << QStringList{de_cfg, dark, deHelp} << 0 << true << QStringList();
        QTest::newRow("first UI language that has a file")
            << none << Shipped << QStringList{u"fr-FR"_qs, u"de-CH"_qs, u"en"_qs} << false
            << QStringList{de_cfg, light, deHelp} << 0 << true << QStringList();
        QTest::newRow("no shipped language: English")
            << none << Shipped << QStringList{u"fr-FR"_qs, u"C"_qs} << false
            << QStringList{en_cfg, light, help} << 0 << true << QStringList();
        QTest::newRow("beside the program wins over the locale") << none << beside << de << true
            << QStringList{P + u"zv.cfg"_qs, P + u"skin.cfg"_qs, help} << 0 << false << QStringList();
        QTest::newRow("user's files win over those beside the program")
            << none << beside + own << de << true << ownChosen << 0 << false << QStringList();
        QTest::newRow("user's help page beside the user's language file")
            << none << own + QStringList{U + u"zvs.html"_qs} << de << true
            << QStringList{U + u"zv.cfg"_qs, U + u"skin.cfg"_qs, U + u"zvs.html"_qs} << 0 << false << QStringList();
        QTest::newRow("XDG_CONFIG_HOME replaces ~/.config")
            << QStringList{QString(), QString(), u"/x"_qs}
            << own + QStringList{u"/x/zorvane/skin.cfg"_qs} << de << true
            << QStringList{de_cfg, u"/x/zorvane/skin.cfg"_qs, deHelp} << 0 << false << QStringList();
        QTest::newRow("relative XDG_CONFIG_HOME is ignored")
            << QStringList{QString(), QString(), u"x"_qs}
            << own + QStringList{u"x/zorvane/zv.cfg"_qs} << de << true << ownChosen << 0 << false << QStringList();
        QTest::newRow("codes and names beat every other file")
            << QStringList{u"de"_qs, u"light"_qs, QString()} << beside + own << en << true
            << QStringList{de_cfg, light, deHelp} << 0 << false << QStringList();
        QTest::newRow("a code tried by its language part")
            << QStringList{u"de_CH"_qs, QString(), QString()} << Shipped << en << false
            << QStringList{de_cfg, light, deHelp} << 0 << true << QStringList();
        QTest::newRow("paths start in the working folder")
            << QStringList{u"my.cfg"_qs, u"../s/skin"_qs, QString()}
            << Shipped + QStringList{W + u"my.cfg"_qs, u"/s/skin"_qs} << de << true
            << QStringList{W + u"my.cfg"_qs, u"/s/skin"_qs, help} << 0 << false << QStringList();
        QTest::newRow("options naming nothing are passed over and reported")
            << QStringList{u"fr"_qs, u"/none.cfg"_qs, QString()} << Shipped << de << false
            << QStringList{de_cfg, light, deHelp} << 2 << true << QStringList();
        QTest::newRow("a code cannot leave its folder")
            << QStringList{u".."_qs, u"..\\dark"_qs, QString()}
            << Shipped + QStringList{P + u"zv.cfg"_qs, D + u"zv.cfg"_qs} << en << false
            << QStringList{P + u"zv.cfg"_qs, light, help} << 2 << true << QStringList();
        QTest::newRow("a skin name cannot leave its folder")
            << QStringList{QString(), u".."_qs, QString()}
            << Shipped + QStringList{P + u"skin.cfg"_qs, D + u"skin.cfg"_qs} << en << false
            << QStringList{en_cfg, P + u"skin.cfg"_qs, help} << 1 << false << QStringList();
        QTest::newRow("unusable files are passed over and reported")
            << none << own + QStringList{P + u"zv.cfg"_qs} << de << true
            << QStringList{P + u"zv.cfg"_qs, dark, help} << 2 << true
            << QStringList{U + u"zv.cfg"_qs, U + u"skin.cfg"_qs};
        QTest::newRow("an unusable option's file is passed over too")
            << QStringList{U + u"zv.cfg"_qs, QString(), QString()} << own << en << false
            << QStringList{en_cfg, U + u"skin.cfg"_qs, help} << 1 << false
            << QStringList{U + u"zv.cfg"_qs};
    }

    void chosenFiles()
    {
        QFETCH(QStringList, options);
        QFETCH(QStringList, existing);
        QFETCH(QStringList, uiLanguages);
        QFETCH(bool, dark);
        QFETCH(QStringList, chosen);
        QFETCH(int, problems);
        QFETCH(bool, asked);
        QFETCH(QStringList, unusable);
        bool wasAsked = false;
        ProgramFileInputs in;
        in.languageOption = options[0];
        in.skinOption = options[1];
        in.xdgConfigHome = options[2];
        in.workingDir = u"/w"_qs;
        in.home = u"/h"_qs;
        in.programDir = u"/p"_qs;
        in.dataDir = u"/d"_qs;
        in.uiLanguages = uiLanguages;
        in.prefersDark = [&] {
            wasAsked = true;
            return dark;
        };
        // The system resolves "..", so the fake does too.
        in.exists = [&existing](const QString &path) {
            return existing.contains(QDir::cleanPath(path));
        };
        in.unusable = [&unusable](const QString &path) {
            return unusable.contains(path) ? u"not readable"_qs : QString();
        };
        const ProgramFiles files = chooseProgramFiles(in);
        QCOMPARE((QStringList{files.languageFile, files.skinFile, files.helpPage}), chosen);
        QCOMPARE(files.problems.size(), problems);
        for (const QString &file : unusable) {
            if (existing.contains(file))
                QVERIFY(files.problems.join(u'\n').contains(file + u": not readable"_qs));
        }
        QCOMPARE(wasAsked, asked);
    }

    // The build's or a copied program folder holds its own files; an
    // installed program finds them in the folder set at build time.
    void dataFolderChoice()
    {
        const auto folder = [](const QStringList &dirs) {
            return dataFolder(u"/p"_qs, u"/usr/share/zorvane"_qs,
                              [&dirs](const QString &dir) { return dirs.contains(dir); });
        };
        QCOMPARE(folder({u"/p/languages"_qs}), u"/p"_qs);
        QCOMPARE(folder({u"/usr/share/zorvane/languages"_qs}), u"/usr/share/zorvane"_qs);
        QCOMPARE(folder({}), u"/usr/share/zorvane"_qs);
    }

    // What the program tells about a file it cannot use, on the real file system.
    void unusableFiles()
    {
        QTemporaryDir dir;
        const QString plain = dir.filePath(u"zv.cfg"_qs), locked = dir.filePath(u"locked.cfg"_qs);
        for (const QString &path : {plain, locked}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QFile::setPermissions(locked, QFileDevice::WriteOwner);
        QFile big(dir.filePath(u"big.cfg"_qs));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(MaxProfileFileSize + 1));
        big.close();
        QCOMPARE(unusableFileReason(plain), QString());
        QCOMPARE(unusableFileReason(dir.path()), u"not a plain file"_qs);
        QCOMPARE(unusableFileReason(big.fileName()), u"larger than 64 MiB"_qs);
        if (QFileInfo(locked).isReadable())
            QSKIP("the file system lets this user read anything (root)");
        QCOMPARE(unusableFileReason(locked), u"not readable"_qs);
    }

    void displayNeeded_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QStringList>("environment"); // QT_QPA_PLATFORM, DISPLAY, WAYLAND_DISPLAY
        QTest::addColumn<QString>("missing");         // empty: the program may start
        const QString neither = u"neither DISPLAY nor WAYLAND_DISPLAY is set"_qs;
        QTest::newRow("no display at all") << QString() << QStringList{"", "", ""} << neither;
        QTest::newRow("X11") << QString() << QStringList{"", ":0", ""} << QString();
        QTest::newRow("Wayland") << QString() << QStringList{"", "", "wayland-0"} << QString();
        QTest::newRow("xcb asked, only Wayland there")
            << QString() << QStringList{"xcb", "", "wayland-0"} << u"DISPLAY is not set"_qs;
        QTest::newRow("wayland with options") << QString()
            << QStringList{"wayland:fullscreen-shell", ":0", ""} << u"WAYLAND_DISPLAY is not set"_qs;
        QTest::newRow("offscreen needs none") << QString() << QStringList{"offscreen", "", ""}
                                              << QString();
        QTest::newRow("the option wins over the variable")
            << u"-platform offscreen"_qs << QStringList{"xcb", "", ""} << QString();
        QTest::newRow("the option's other form")
            << u"--platform=xcb"_qs << QStringList{"offscreen", "", ""} << u"DISPLAY is not set"_qs;
        QTest::newRow("the first of a list decides") << QString()
            << QStringList{"xcb;offscreen", "", ""} << u"DISPLAY is not set"_qs;
    }

    void displayNeeded()
    {
        QFETCH(QString, arguments);
        QFETCH(QStringList, environment);
        QFETCH(QString, missing);
        const QStringList names{u"QT_QPA_PLATFORM"_qs, u"DISPLAY"_qs, u"WAYLAND_DISPLAY"_qs};
        const std::optional<QString> found = missingDisplay(
            QStringList(u"zorvane"_qs) + arguments.split(u' ', Qt::SkipEmptyParts),
            [&](const char *name) { return environment.value(names.indexOf(QLatin1String(name))); });
        QCOMPARE(found.value_or(QString()), missing);
    }

    void portalColorScheme_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("prefersDark"); // 1 dark, 0 light, -1 no answer
        const auto wrapped = [](const QVariant &v) { return QVariant::fromValue(QDBusVariant(v)); };
        QTest::newRow("dark") << QVariant(1u) << 1;
        QTest::newRow("light, as newer portals send it") << wrapped(2u) << 0;
        QTest::newRow("dark, as older portals send it") << wrapped(wrapped(1u)) << 1;
        QTest::newRow("no preference") << wrapped(0u) << -1;
        QTest::newRow("not a number") << wrapped(u"dark"_qs) << -1;
    }

    void portalColorScheme()
    {
        QFETCH(QVariant, value);
        QFETCH(int, prefersDark);
        const std::optional<bool> answer = prefersDarkFromPortal(value);
        QCOMPARE(answer ? int(*answer) : -1, prefersDark);
    }

    void commandLine_data()
    {
        using R = CommandLine::Request;
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<CommandLine::Request>("request");
        QTest::addColumn<QStringList>("files"); // --language, --skin
        QTest::addColumn<QString>("text");      // a pattern the printed text matches
        QTest::addColumn<int>("status");        // -1: the program runs
        const QStringList none{QString(), QString()};
        QTest::newRow("none") << QString() << R::Run << none << QString() << -1;
        QTest::newRow("both forms of values")
            << u"--language de -skin=./my.cfg"_qs << R::Run << QStringList{u"de"_qs, u"./my.cfg"_qs}
            << QString() << -1;
        QTest::newRow("Qt's own options are left to Qt")
            << u"-platform xcb -session 1a2b -reverse --language x"_qs << R::Run
            << QStringList{u"x"_qs, QString()} << QString() << -1;
        QTest::newRow("help lists every option")
            << u"--help"_qs << R::Help << none
            << u"^Usage: zorvane \\[--language FILE\\|CODE\\] \\[--skin FILE\\|NAME\\]\n"
               " +or: +zorvane --check \\[--as language\\|skin\\] \\[--fairness\\] FILE\\.\\.\\.\n"
               "(.|\n)*-h, --help(.|\n)*-v, --version(.|\n)*"
               "--language <FILE\\|CODE>(.|\n)*--skin <FILE\\|NAME>(.|\n)*--check(.|\n)*"
               "--fairness"_qs
            << 0;
        QTest::newRow("version") << u"-v"_qs << R::Version << none
                                 << u"^zorvane \\d+\\.\\d+\\.\\d+\nCopyright \\(C\\) \\d{4} .*\n"
                                    "License GPLv3\\+: .*\n.*\n.*NO WARRANTY.*\n$"_qs << 0;
        QTest::newRow("unknown option") << u"--help --colour=red"_qs << R::UsageError << none
                                        << u"^zorvane: Unknown option 'colour'.\n"_qs << 2;
        QTest::newRow("control characters in an option")
            << u"--colour\x1b]0;t\x07"_qs << R::UsageError << none
            << u"^zorvane: Unknown option 'colour\\\\x1b]0;t\\\\x07'.\n"_qs << 2;
        QTest::newRow("missing value")
            << u"--skin"_qs << R::UsageError << none << u"Missing value after '--skin'"_qs << 2;
        QTest::newRow("checker options without --check")
            << u"--fairness"_qs << R::UsageError << none << u"go with --check"_qs << 2;
        QTest::newRow("stray argument")
            << u"zv.cfg"_qs << R::UsageError << none << u"Unexpected argument 'zv.cfg'"_qs << 2;
    }

    void commandLine()
    {
        QFETCH(QString, arguments);
        QFETCH(CommandLine::Request, request);
        QFETCH(QStringList, files);
        QFETCH(QString, text);
        QFETCH(int, status);
        const CommandLine command = parseCommandLine(QStringList(u"/usr/bin/zorvane"_qs)
                                                     + arguments.split(u' ', Qt::SkipEmptyParts));
        QCOMPARE(command.request, request);
        QCOMPARE((QStringList{command.language, command.skin}), files);
        QVERIFY2(command.text.contains(QRegularExpression(text)), qPrintable(command.text));
        QVERIFY2(!command.text.contains(u"platform"_qs), "Qt's options stay out of the help");
        QCOMPARE(answerWithoutWindow(command).value_or(-1), status);
    }
};

QTEST_GUILESS_MAIN(ProgramFilesTest)
#include "test_programfiles.moc"
