// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "config/languagetables.h"
#include "wizard/scoring.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace zv {

// One paragraph of a row's explanation: a heading and the lines under it.
struct ReasonParagraph
{
    QString heading;
    QStringList lines;
};

// Why engine e stands where it does, for a list row that already shows its
// name: once a question is answered, the reasons for the answers given that
// lifted it (answer x matrix value > 0) under FITS and those that lowered it
// under AGAINST, in question order (skipped questions give no line); and,
// when it shares the leading score with others, TIED with their names in list
// order; then, without a heading, its INFO paragraph (if any). Paragraphs
// without lines are left out.
// `scores` must be sorted (EngineOrder as the list shows it).
QList<ReasonParagraph> EngineReasons(int e, const LanguageTables &tables,
                                     const GivenAnswers &answers, const ScoreTables &scores);

// The paragraphs followed by the date of the facts (ASOF, if the file gives
// one) as a paragraph without heading.
QList<ReasonParagraph> WithAsOf(QList<ReasonParagraph> reasons, const LanguageTables &tables);

// A reason: the question's topic and the word for the answer given
// ("Own index: yes"); the topic and the answer's caption where the file has
// no word for it; the caption alone for a question without a topic. A
// weighted answer's line is followed by WEIGHTED.
QString ReasonLine(const LanguageTables &tables, int q, const GivenAnswer &given);

// The paragraphs as plain text: lines apart, paragraphs a blank line apart.
QString ReasonsPlainText(const QList<ReasonParagraph> &reasons);

// The same as rich text, so that a tooltip wraps it: headings bold, every
// text escaped, so markup in the language file shows as written.
QString ReasonsRichText(const QList<ReasonParagraph> &reasons);

} // namespace zv
