// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "check/checkcommand.h"

#include "check/checkfile.h"
#include "check/checkreport.h"
#include "check/fairness.h"
#include "config/printabletext.h"

#include <QCommandLineParser>

namespace zv {

namespace {

const QString Usage =
    QStringLiteral("usage: zorvane --check FILE... [--as language|skin] [--fairness]");

int usageError(QTextStream &err, const QString &message)
{
    // The message may quote an argument.
    err << "zorvane: " << printable(message) << '\n' << Usage << '\n';
    err.flush();
    return 2;
}

} // namespace

bool isCheckCommand(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size() && arguments[i] != u"--"_qs; ++i) {
        if (arguments[i] == u"--check"_qs)
            return true;
    }
    return false;
}

int runCheckCommand(const QStringList &arguments, QTextStream &out, QTextStream &err,
                    const FontStandIn &fontStandIn)
{
    QCommandLineParser parser;
    const QCommandLineOption check(u"check"_qs, u"Check language and skin files."_qs);
    const QCommandLineOption as(u"as"_qs, u"Check the files as this kind."_qs, u"kind"_qs);
    const QCommandLineOption fairness(u"fairness"_qs, u"Report a language file's fairness."_qs);
    parser.addOptions({check, as, fairness});
    parser.addPositionalArgument(u"FILE"_qs, u"A language or skin file."_qs, u"FILE..."_qs);
    if (!parser.parse(arguments))
        return usageError(err, parser.errorText());
    if (!parser.isSet(check))
        return usageError(err, u"--as and --fairness go with --check"_qs);

    CheckOptions options;
    options.fontStandIn = fontStandIn;
    if (parser.isSet(as)) {
        const QString kind = parser.value(as);
        if (kind == u"language"_qs)
            options.kind = FileKind::Language;
        else if (kind == u"skin"_qs)
            options.kind = FileKind::Skin;
        else
            return usageError(err, u"--as takes language or skin, not \""_qs + kind + u'"');
    }
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty())
        return usageError(err, u"--check needs at least one file"_qs);

    bool errors = false;
    for (const QString &file : files) {
        const FileCheck result = checkFile(file, options);
        const QString path = printable(file);
        // A file that is no profile file at all, forced in with --as, would
        // otherwise bury the summary under thousands of lines: the checker
        // keeps the first of them only.
        const Findings &findings = result.findings;
        for (std::size_t i = 0; i < findings.size(); ++i)
            out << findingLine(path, findings[i]) << '\n';
        if (findings.total() > findings.size())
            out << path << ": " << findings.total() - findings.size()
                << " more findings not shown\n";
        errors = errors || findings.total(Finding::Kind::Error) > 0;
        out << summaryLine(path, result) << '\n';
        if (parser.isSet(fairness) && result.tables) {
            const LanguageTables &tables = *result.tables;
            out << fairnessReport(ComputeFairness(tables), tables);
            // A file that lets questions be skipped is also measured with skips.
            if (!tables.SkipText.isEmpty()) {
                out << fairnessReport(ComputeFairness(tables, AnswerSets::WithSkips), tables,
                                      AnswerSets::WithSkips);
            }
        }
    }
    out.flush();
    return errors ? 1 : 0;
}

} // namespace zv
