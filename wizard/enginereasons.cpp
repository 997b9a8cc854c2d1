// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wizard/enginereasons.h"

namespace zv {

namespace {

// The date of the facts closes every explanation, once, as a paragraph without heading.
QList<ReasonParagraph> withAsOf(QList<ReasonParagraph> reasons, const LanguageTables &tables)
{
    if (!tables.AsOfText.isEmpty())
        reasons.append({QString(), {tables.AsOfText}});
    return reasons;
}

} // namespace

QList<ReasonParagraph> EngineReasons(int e, const LanguageTables &tables,
                                     const GivenAnswers &answers, const ScoreTables &scores)
{
    QList<ReasonParagraph> reasons{{tables.EngineName[e], {}}};
    if (!tables.EngineInfo[e].isEmpty())
        reasons.first().lines.append(tables.EngineInfo[e]);

    ReasonParagraph fits{tables.FitsText, {}};
    ReasonParagraph against{tables.AgainstText, {}};
    bool answered = false;
    for (int q = 0; q < tables.questions(); ++q) {
        const GivenAnswer &given = answers[std::size_t(q)];
        if (given.answer == 0)
            continue;
        answered = true;
        QString caption = given.answer > 0 ? tables.YesText[q] : tables.NoText[q];
        if (given.weight > 1)
            caption += tables.WeightedText;
        const double effect = given.answer * tables.matrixValue(e, q);
        if (effect > 0)
            fits.lines.append(caption);
        else if (effect < 0)
            against.lines.append(caption);
    }
    if (!answered)
        return withAsOf(reasons, tables);

    ReasonParagraph tied{tables.TiedText, {}};
    const double leading = scores.Score[scores.EngineOrder[0]];
    if (scores.Score[e] == leading) {
        QStringList names;
        for (int k = 0; k < tables.engines(); ++k) {
            const int other = scores.EngineOrder[k];
            if (other != e && scores.Score[other] == leading)
                names.append(tables.EngineName[other]);
        }
        if (!names.isEmpty())
            tied.lines.append(names.join(QStringLiteral(", ")));
    }
    for (const ReasonParagraph &paragraph : {fits, against, tied}) {
        if (!paragraph.lines.isEmpty())
            reasons.append(paragraph);
    }
    return withAsOf(reasons, tables);
}

QString ReasonsPlainText(const QList<ReasonParagraph> &reasons)
{
    QStringList paragraphs;
    for (const ReasonParagraph &paragraph : reasons) {
        const QStringList heading =
            paragraph.heading.isEmpty() ? QStringList() : QStringList{paragraph.heading};
        paragraphs.append((heading + paragraph.lines).join(u'\n'));
    }
    return paragraphs.join(QStringLiteral("\n\n"));
}

QString ReasonsRichText(const QList<ReasonParagraph> &reasons)
{
    // pre-wrap keeps blanks as written and still lets long lines wrap.
    QString html = QStringLiteral("<qt>");
    for (const ReasonParagraph &paragraph : reasons) {
        html += QStringLiteral("<p style=\"white-space:pre-wrap\">");
        QStringList parts;
        if (!paragraph.heading.isEmpty())
            parts.append(QStringLiteral("<b>") + paragraph.heading.toHtmlEscaped()
                         + QStringLiteral("</b>"));
        for (const QString &line : paragraph.lines)
            parts.append(line.toHtmlEscaped());
        html += parts.join(QStringLiteral("<br>"));
        html += QStringLiteral("</p>");
    }
    return html + QStringLiteral("</qt>");
}

} // namespace zv
