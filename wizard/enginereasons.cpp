// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wizard/enginereasons.h"

#include "wizard/spokentexts.h"

namespace zv {

QList<ReasonParagraph> EngineReasons(int e, const LanguageTables &tables,
                                     const GivenAnswers &answers, const ScoreTables &scores)
{
    ReasonParagraph fits{tables.FitsText, {}};
    ReasonParagraph against{tables.AgainstText, {}};
    bool answered = false;
    for (int q = 0; q < tables.questions(); ++q) {
        const GivenAnswer &given = answers[std::size_t(q)];
        if (given.answer == 0)
            continue;
        answered = true;
        const double effect = given.answer * tables.matrixValue(e, q);
        if (effect > 0)
            fits.lines.append(ReasonLine(tables, q, given));
        else if (effect < 0)
            against.lines.append(ReasonLine(tables, q, given));
    }

    ReasonParagraph tied{tables.TiedText, {}};
    const double leading = scores.Score[scores.EngineOrder[0]];
    if (answered && scores.Score[e] == leading) {
        QStringList names;
        for (int k = 0; k < tables.engines(); ++k) {
            const int other = scores.EngineOrder[k];
            if (other != e && scores.Score[other] == leading)
                names.append(tables.EngineName[other]);
        }
        if (!names.isEmpty())
            tied.lines.append(names.join(QStringLiteral(", ")));
    }
    const ReasonParagraph facts{QString(), {tables.EngineInfo[e]}};
    QList<ReasonParagraph> reasons;
    for (const ReasonParagraph &paragraph : {fits, against, tied, facts}) {
        if (!paragraph.lines.isEmpty() && !paragraph.lines.first().isEmpty())
            reasons.append(paragraph);
    }
    return reasons;
}

QList<ReasonParagraph> WithAsOf(QList<ReasonParagraph> reasons, const LanguageTables &tables)
{
    if (!tables.AsOfText.isEmpty())
        reasons.append({QString(), {tables.AsOfText}});
    return reasons;
}

QString ReasonLine(const LanguageTables &tables, int q, const GivenAnswer &given)
{
    const bool yes = given.answer > 0;
    const QString &caption = yes ? tables.YesText[q] : tables.NoText[q];
    const QString &topic = tables.QuestionTopic[q];
    const QString &word = yes ? tables.YesWord : tables.NoWord;
    const QString line = topic.isEmpty()
        ? caption
        : topic + QStringLiteral(": ") + (word.isEmpty() ? caption : word);
    return given.weight > 1 ? line + tables.WeightedText : line;
}

QString ReasonsPlainText(const QList<ReasonParagraph> &reasons)
{
    QStringList paragraphs;
    for (const ReasonParagraph &paragraph : reasons)
        paragraphs.append(spokenLines(QStringList{paragraph.heading} + paragraph.lines));
    return paragraphs.join(QStringLiteral("\n\n"));
}

QString ReasonsRichText(const QList<ReasonParagraph> &reasons)
{
    // pre-wrap keeps blanks as written and still lets long lines wrap.
    QString html = QStringLiteral("<qt>");
    for (const ReasonParagraph &paragraph : reasons) {
        QStringList lines;
        if (!paragraph.heading.isEmpty())
            lines.append(QStringLiteral("<b>") + paragraph.heading.toHtmlEscaped()
                         + QStringLiteral("</b>"));
        for (const QString &line : paragraph.lines)
            lines.append(line.toHtmlEscaped());
        html += QStringLiteral("<p style=\"white-space:pre-wrap\">")
                + lines.join(QStringLiteral("<br>"));
        html += QStringLiteral("</p>");
    }
    return html + QStringLiteral("</qt>");
}

} // namespace zv
