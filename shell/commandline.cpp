// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/commandline.h"

#include "config/filenames.h"
#include "config/printabletext.h"

#include <QCommandLineParser>

#include <cstdio>

namespace zv {

namespace {

// Options that QApplication reads and removes itself; session managers, for
// one, restart programs with -session.
void acceptPlatformOptions(QCommandLineParser &parser)
{
    for (const char *name :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
          "qwindowicon", "qwindowtitle", "session", "style", "stylesheet", "display"}) {
        QCommandLineOption option(QLatin1String(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption option{QLatin1String(name)};
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

QString helpText(const QCommandLineParser &parser)
{
    // Qt's first line names the executable by its path and knows one form of
    // use; the checker is the other, so both are given by the command's name.
    QString text = parser.helpText();
    text.replace(0, text.indexOf(u'\n') + 1,
                 QStringLiteral("Usage: zorvane [--language FILE|CODE] [--skin FILE|NAME]\n"
                                "  or:  zorvane --check [--as language|skin] [--fairness] "
                                "FILE...\n"));
    return text;
}

// The GNU form: name and version, copyright, licence and warranty.
QString versionText()
{
    return QStringLiteral("zorvane " ZV_VERSION "\n"
                          "Copyright (C) 2026 the Zorvane project.\n"
                          "License GPLv3+: GNU GPL version 3 or later "
                          "<https://gnu.org/licenses/gpl.html>.\n"
                          "This is free software: you are free to change and redistribute it.\n"
                          "There is NO WARRANTY, to the extent permitted by law.\n");
}

} // namespace

QStringList argumentList(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(fileNameFromBytes(argv[i]));
    return arguments;
}

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    // Qt's own options are single-dash words, so ours are read the same way.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Helps you choose a web search engine by asking yes/no questions."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the program's version and exit."));
    const QCommandLineOption language(
        QStringLiteral("language"),
        QStringLiteral("Read the language file FILE, or the shipped language CODE (such as "
                       "de) from the program's languages folder."),
        QStringLiteral("FILE|CODE"));
    const QCommandLineOption skin(
        QStringLiteral("skin"),
        QStringLiteral("Read the skin file FILE, or the shipped skin NAME (dark or light)."),
        QStringLiteral("FILE|NAME"));
    // Answered by the file checker before this parser runs; listed here so
    // that --help shows every option.
    const QCommandLineOption check(
        QStringLiteral("check"),
        QStringLiteral("Check the language and skin files given as arguments and report each "
                       "finding as FILE:LINE: kind: message; needs no display. Exit status 0 "
                       "without errors, 1 with errors."));
    const QCommandLineOption as(
        QStringLiteral("as"),
        QStringLiteral("With --check: read every file as a language file or a skin."),
        QStringLiteral("language|skin"));
    const QCommandLineOption fairness(
        QStringLiteral("fairness"),
        QStringLiteral("With --check: report how often each engine of a language file leads "
                       "over every set of answers."));
    parser.addOptions({help, version, language, skin, check, as, fairness});
    acceptPlatformOptions(parser);

    CommandLine command;
    QString error;
    if (!parser.parse(arguments))
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments()[0]);
    else if (parser.isSet(as) || parser.isSet(fairness))
        error = QStringLiteral("--as and --fairness go with --check.");
    if (!error.isEmpty()) {
        command.request = CommandLine::Request::UsageError;
        command.text =
            QStringLiteral("zorvane: %1\nTry 'zorvane --help' for more information.\n")
                .arg(printable(error));
    } else if (parser.isSet(help)) {
        command.request = CommandLine::Request::Help;
        command.text = helpText(parser);
    } else if (parser.isSet(version)) {
        command.request = CommandLine::Request::Version;
        command.text = versionText();
    }
    command.language = parser.value(language);
    command.skin = parser.value(skin);
    return command;
}

std::optional<int> answerWithoutWindow(const CommandLine &command)
{
    switch (command.request) {
    case CommandLine::Request::Run:
        return std::nullopt;
    case CommandLine::Request::Help:
    case CommandLine::Request::Version:
        std::fputs(command.text.toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLine::Request::UsageError:
        std::fputs(command.text.toLocal8Bit().constData(), stderr);
        return 2;
    }
    return 2;
}

} // namespace zv
