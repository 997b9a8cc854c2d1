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

// Why engine e stands where it does: its name with its INFO paragraph (if
// any); once a question is answered, the captions of the answers given that
// lifted it (answer x matrix value > 0) under FITS and those that lowered it
// under AGAINST, in question order, a weighted answer's caption followed by
// WEIGHTED (skipped questions give no line); and, when it shares the leading score
// with others, TIED with their names in list order. Headings without lines
// are left out. ASOF, if any, closes them as a paragraph without heading.
// `scores` must be sorted (EngineOrder as the list shows it).
QList<ReasonParagraph> EngineReasons(int e, const LanguageTables &tables,
                                     const GivenAnswers &answers, const ScoreTables &scores);

// The paragraphs as plain text: lines apart, paragraphs a blank line apart.
QString ReasonsPlainText(const QList<ReasonParagraph> &reasons);

// The same as rich text, so that a tooltip wraps it: headings bold, every
// text escaped, so markup in the language file shows as written.
QString ReasonsRichText(const QList<ReasonParagraph> &reasons);

} // namespace zv
