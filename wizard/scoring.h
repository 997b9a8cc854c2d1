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

// Every engine back to 100 percent with empty sums.
void ResetScores(ScoreTables &scores, const LanguageTables &tables);

// Adds `answer` (1 Yes, -1 No) to question q for engine e and recomputes its
// score: the mean agreement over the answered questions mapped from -1..+1
// onto 0..100 percent (50 while the weight sum is 0).
void ScoreEngine(ScoreTables &scores, int e, const LanguageTables &tables, int q, int answer);

// ScoreEngine for every engine.
void RescoreEngines(ScoreTables &scores, const LanguageTables &tables, int q, int answer);

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
