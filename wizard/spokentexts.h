// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "config/languagetables.h"
#include "wizard/scoring.h"

#include <QString>
#include <QStringList>

namespace zv {

// What a screen reader says as the wizard moves on. The formats come from the
// language file's optional keys ACCESSIBLE/POSITION and BESTMATCH; without
// them (an empty format) the texts hold no words of their own.

// Question `question` (counted from 0) of `count`: the format with %1 the
// question's number counted from 1 and %2 the count; "3/12" without one.
QString positionText(const QString &format, int question, int count);

// The engines that share the leading score, in list order: the format with %1
// their names, " / " apart, and %2 the score as the list shows it; without a
// format, their list entries as a screen reader speaks them, ", " apart.
// Empty without engines. `scores` must be sorted.
QString bestMatchText(const QString &format, const ScoreTables &scores,
                      const LanguageTables &tables);

// The lines a control carries as its description: the non-empty ones, one a line.
QString spokenLines(const QStringList &lines);

} // namespace zv
