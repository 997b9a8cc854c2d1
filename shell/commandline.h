// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace zv {

// What the command line asks for.
struct CommandLine
{
    enum class Request { Run, Help, Version, UsageError };

    Request request = Request::Run;
    QString language; // --language: a file or a language code; empty when not given
    QString skin;     // --skin: a file or a shipped skin's name; empty when not given
    // For Help and Version the text to print; for UsageError the message.
    QString text;
};

// The command line's words, the program's name first; bytes that are no
// UTF-8 are kept (fileNameFromBytes), so any file name can be passed.
QStringList argumentList(int argc, char *argv[]);

// Reads the arguments (the program's name first). An unknown option, an
// option without its value or any argument that is no option is a usage
// error. The platform options that QApplication takes itself (-platform,
// -style, -session, ...) are accepted and left to it. Needs no application
// object, so it runs before any display is opened.
CommandLine parseCommandLine(const QStringList &arguments);

// Answers a request that needs no window: prints help or the version on
// standard output and returns 0, or prints a usage error on standard error
// and returns 2. Returns nothing for Run.
std::optional<int> answerWithoutWindow(const CommandLine &command);

} // namespace zv
