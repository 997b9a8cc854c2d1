// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wizard/scoring.h"

#include <cmath>
#include <utility>

namespace zv {

void ResetScores(ScoreTables &scores, const LanguageTables &tables)
{
    for (int e = 0; e < tables.engines(); ++e) {
        scores.Score[e] = 100;
        scores.SortedScore[e] = 100;
        scores.WeightSum[e] = 0;
        scores.Agreement[e] = 0;
    }
}

void ScoreEngine(ScoreTables &scores, int e, const LanguageTables &tables, int q, int answer,
                 int weight)
{
    scores.Agreement[e] += weight * answer * tables.matrixValue(e, q);
    scores.WeightSum[e] += weight * std::fabs(tables.QuestionWeight[q]);
    if (scores.WeightSum[e] == 0)
        scores.Score[e] = 50;
    else
        scores.Score[e] =
            (scores.WeightSum[e] + scores.Agreement[e]) / (2 * scores.WeightSum[e]) * 100;
}

void RescoreEngines(ScoreTables &scores, const LanguageTables &tables, int q, int answer,
                    int weight)
{
    for (int e = 0; e < tables.engines(); ++e)
        ScoreEngine(scores, e, tables, q, answer, weight);
}

void ScoreAnswers(ScoreTables &scores, const LanguageTables &tables, const GivenAnswers &answers,
                  int count)
{
    ResetScores(scores, tables);
    for (int q = 0; q < count; ++q) {
        if (answers[std::size_t(q)].answer != 0)
            RescoreEngines(scores, tables, q, answers[std::size_t(q)].answer,
                           answers[std::size_t(q)].weight);
    }
}

void SortEngines(ScoreTables &scores, const LanguageTables &tables)
{
    const int n = tables.engines();
    for (int i = 0; i < n; ++i) {
        scores.SortedScore[i] = scores.Score[i];
        scores.EngineOrder[i] = std::int16_t(i);
    }
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            if (scores.SortedScore[j] > scores.SortedScore[i]) {
                std::swap(scores.SortedScore[i], scores.SortedScore[j]);
                std::swap(scores.EngineOrder[i], scores.EngineOrder[j]);
            }
        }
    }
}

QString ResultLine(double score, const QString &engineName)
{
    const double whole = std::floor(score);
    // Never cast: matrix values far beyond -2..2 can drive a score out of any
    // integer's range.
    QString number = QString::number(std::fabs(whole), 'f', 0);
    number.prepend(whole < 0 ? u'-' : u' ');
    return number + QStringLiteral("% ") + engineName;
}

QStringList ResultLines(const ScoreTables &scores, const LanguageTables &tables)
{
    QStringList lines;
    lines.reserve(tables.engines());
    for (int k = 0; k < tables.engines(); ++k) {
        const int e = scores.EngineOrder[k];
        lines.append(ResultLine(scores.Score[e], tables.EngineName[e]));
    }
    return lines;
}

} // namespace zv
