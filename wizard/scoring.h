// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "config/languagetables.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace zv {

// Per-engine scoring state, indexed by engine number; only the first
// LanguageTables::engines() entries are used.
struct ScoreTables
{
    static constexpr int Size = LanguageTables::MaxEngines;

    std::array<double, Size> Score{};
    std::array<double, Size> Agreement{};
    std::array<double, Size> WeightSum{};
    std::array<double, Size> SortedScore{};  // SortedScore[k] is the score of EngineOrder[k]
    std::array<std::int16_t, Size> EngineOrder{};
};

// The weight of an answer that matters a lot to the user; any other counts 1.
inline constexpr int ImportantWeight = 2;

// The answer given to a question: 1 Yes, -1 No, 0 skipped or not given (yet),
// with the weight it counts with.
struct GivenAnswer
{
    std::int16_t answer = 0;
    std::int16_t weight = 1;

    bool operator==(const GivenAnswer &) const = default;
};
using GivenAnswers = std::array<GivenAnswer, LanguageTables::MaxQuestions>;

// Every engine back to 100 percent with empty sums.
void ResetScores(ScoreTables &scores, const LanguageTables &tables);

// Adds `answer` (1 Yes, -1 No) with `weight` to question q for engine e and
// recomputes its score: the agreement grows by weight x answer x matrix value
// and the weight sum by weight (times the question's weight, 1); the score is
// the weighted mean agreement mapped from -1..+1 onto 0..100 percent (50
// while the weight sum is 0).
void ScoreEngine(ScoreTables &scores, int e, const LanguageTables &tables, int q, int answer,
                 int weight = 1);

// ScoreEngine for every engine.
void RescoreEngines(ScoreTables &scores, const LanguageTables &tables, int q, int answer,
                    int weight = 1);

// ResetScores, then every given answer of questions 0 to count - 1 applied in
// question order; skipped ones change nothing.
void ScoreAnswers(ScoreTables &scores, const LanguageTables &tables, const GivenAnswers &answers,
                  int count);

// Orders the engines by score, highest first, into EngineOrder. An exchange
// sort from the language file's order: equal scores are never swapped with
// each other, yet a swap with a higher score further down can carry an engine
// past an equal one.
void SortEngines(ScoreTables &scores, const LanguageTables &tables);

// A list entry: the score rounded down, after a blank when it is not
// negative or a minus sign, then "% " and the name (62.5 -> " 62% name").
QString ResultLine(double score, const QString &engineName);

// The list entries in EngineOrder, as SortEngines left it.
QStringList ResultLines(const ScoreTables &scores, const LanguageTables &tables);

} // namespace zv
