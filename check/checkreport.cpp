// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "check/checkreport.h"

#include <QStringList>

#include <algorithm>

namespace zv {

namespace {

QString kindWord(Finding::Kind kind)
{
    switch (kind) {
    case Finding::Kind::Error:
        return QStringLiteral("error");
    case Finding::Kind::Warning:
        return QStringLiteral("warning");
    case Finding::Kind::Note:
        return QStringLiteral("note");
    }
    return {};
}

QString counted(qsizetype n, const char *word)
{
    return QString::number(n) + u' ' + QLatin1String(word) + (n == 1 ? u""_qs : u"s"_qs);
}

// n and its share of `of` in percent; with a width, the count aligned to it.
QString share(int n, int of, int width = 0)
{
    const double percent = of > 0 ? 100.0 * n / of : 0;
    return QString::number(n).rightJustified(width) + u" ("_qs
           + QString::number(percent, 'f', 1).rightJustified(width > 0 ? 5 : 0) + u"%)"_qs;
}

QString engineNames(const std::vector<int> &engines, const LanguageTables &tables)
{
    QStringList names;
    for (int e : engines)
        names.append(shown(tables.EngineName[std::size_t(e)]));
    return names.join(u", "_qs);
}

} // namespace

QString findingLine(const QString &path, const Finding &finding)
{
    const QString where = finding.line > 0 ? path + u':' + QString::number(finding.line) : path;
    return where + u": "_qs + kindWord(finding.kind) + u": "_qs + finding.message;
}

QString summaryLine(const QString &path, const FileCheck &check)
{
    using Kind = Finding::Kind;
    const Findings &findings = check.findings;
    QString kind = u"file"_qs;
    if (check.kind == FileKind::Language)
        kind = u"language file"_qs;
    else if (check.kind == FileKind::Skin)
        kind = u"skin"_qs;
    return path + u": "_qs + kind + u": "_qs + counted(findings.total(Kind::Error), "error")
           + u", "_qs + counted(findings.total(Kind::Warning), "warning") + u", "_qs
           + counted(findings.total(Kind::Note), "note");
}

QString fairnessReport(const Fairness &fairness, const LanguageTables &tables,
                       AnswerSets answerSets)
{
    const int sets = fairness.answerSets;
    QString report = u"Fairness over all "_qs + QString::number(sets) + u" sets of answers to "_qs
                     + counted(tables.questions(), "question");
    if (answerSets == AnswerSets::WithSkips) {
        report += u" where any question may be skipped (\""_qs + shown(tables.SkipText)
                  + u"\"), though not all; no answer counted twice"_qs;
    }
    // Counts of the sets with skips run to eight digits.
    const int width = std::max(6, int(QString::number(sets).size()));
    const QString pad(width - 6, u' ');
    report += u":\n  "_qs + pad + u"leads alone      "_qs + pad + u"by tie-break     engine\n"_qs;
    for (std::size_t e = 0; e < fairness.leadsAlone.size(); ++e) {
        report += u"  "_qs + share(fairness.leadsAlone[e], sets, width) + u"   "_qs
                  + share(fairness.leadsByTieBreak[e], sets, width) + u"   "_qs
                  + shown(tables.EngineName[e]) + u'\n';
    }
    report += u"Shared top, file order decides: "_qs + share(fairness.topTies, sets)
              + u" of the sets; "_qs + QString::number(fairness.topTiesOfIdenticalRows)
              + u" of them between identical rows only.\n"_qs;
    if (!fairness.neverLeadAlone.empty()) {
        report +=
            u"Never lead alone: "_qs + engineNames(fairness.neverLeadAlone, tables) + u".\n"_qs;
    }
    for (const std::vector<int> &group : fairness.identicalRows) {
        report += u"Identical rows (the questions cannot tell them apart): "_qs
                  + engineNames(group, tables) + u".\n"_qs;
    }
    return report;
}

} // namespace zv
