// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reads arbitrary arguments and environment as the program's command line
// and chooses its files: nothing may crash, no text that reaches the
// terminal may hold a control character, and no option can make the program
// read a file outside the folder it names (a shipped language or skin code
// stays inside the program folder).
#include "check/checkcommand.h"
#include "config/filenames.h"
#include "shell/commandline.h"
#include "shell/programfiles.h"

#include <QDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <tuple>

namespace {

[[noreturn]] void finding(const char *what)
{
    std::fprintf(stderr, "FINDING: %s\n", what);
    std::abort();
}

bool holdsControl(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i; // a character beyond U+FFFF
        else if (c != u'\n' && (c.category() == QChar::Other_Control || c.isSurrogate()))
            return true;
    }
    return false;
}

// The input's NUL-separated fields: the arguments up to an empty field, then
// $XDG_CONFIG_HOME, $HOME, the working folder, the UI languages (blank
// separated) and the files that exist; each field's bytes as a file name.
QList<QString> fields(const std::uint8_t *data, std::size_t size)
{
    QList<QString> result;
    const QByteArrayView all(reinterpret_cast<const char *>(data), qsizetype(size));
    for (qsizetype start = 0; start <= all.size();) {
        qsizetype end = all.indexOf('\0', start);
        if (end < 0)
            end = all.size();
        result.append(zv::fileNameFromBytes(all.sliced(start, end - start)));
        start = end + 1;
    }
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QList<QString> input = fields(data, size);
    QStringList arguments{u"zorvane"_qs};
    while (!input.isEmpty() && !input.front().isEmpty())
        arguments.append(input.takeFirst());
    const auto next = [&input] { return input.isEmpty() ? QString() : input.takeFirst(); };
    next(); // the empty field that ends the arguments

    if (zv::isCheckCommand(arguments))
        return 0; // reads the named files: left to the checker's own target
    const zv::CommandLine command = zv::parseCommandLine(arguments);
    if (holdsControl(command.text))
        finding("a usage error or help text holds a control character");

    zv::ProgramFileInputs in;
    in.languageOption = command.language;
    in.skinOption = command.skin;
    in.xdgConfigHome = next();
    in.home = next();
    in.workingDir = QDir::cleanPath(u"/"_qs + next());
    in.programDir = u"/opt/zorvane"_qs;
    in.uiLanguages = next().split(u' ', Qt::SkipEmptyParts);
    QStringList existing = input;
    existing << in.programDir + u"/languages/en/zv.cfg"_qs
             << in.programDir + u"/skins/dark/skin.cfg"_qs;
    in.prefersDark = [] { return true; };
    // The system resolves "..", so the fake does too.
    in.exists = [&existing](const QString &path) {
        return existing.contains(QDir::cleanPath(path));
    };
    const zv::ProgramFiles files = zv::chooseProgramFiles(in);
    for (const QString &problem : files.problems) {
        if (holdsControl(problem))
            finding("a problem message holds a control character");
    }
    const auto named = [](const QString &option) {
        return option.contains(u'/') || option.endsWith(u".cfg", Qt::CaseInsensitive);
    };
    for (const auto &[option, chosen, folder] :
         {std::tuple{in.languageOption, files.languageFile, u"/languages/"_qs},
          std::tuple{in.skinOption, files.skinFile, u"/skins/"_qs}}) {
        if (chosen.isEmpty())
            finding("no file chosen");
        const bool inProgram = chosen.startsWith(in.programDir + folder);
        if (!option.isEmpty() && !named(option) && inProgram
            && !QDir::cleanPath(chosen).startsWith(in.programDir + folder))
            finding("a shipped code leaves its folder");
    }
    return 0;
}
