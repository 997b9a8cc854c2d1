// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "config/languagetables.h"

#include <vector>

namespace zv {

// How evenly a language file's matrix spreads the lead over its engines, taken
// over every possible set of answers to all of its questions.
struct Fairness
{
    int answerSets = 0;
    // Per engine: answer sets where it has the highest score on its own, and
    // answer sets where it shares the highest score and the sort puts it first.
    std::vector<int> leadsAlone;
    std::vector<int> leadsByTieBreak;
    // Answer sets whose highest score is shared, and those of them where every
    // engine sharing it has the same matrix row as the others.
    int topTies = 0;
    int topTiesOfIdenticalRows = 0;
    // Engines that lead alone in no answer set, in file order.
    std::vector<int> neverLeadAlone;
    // Groups of two or more engines with the same matrix row, in file order.
    std::vector<std::vector<int>> identicalRows;

    bool operator==(const Fairness &) const = default;
};

// The answer sets counted: every question answered Yes or No (2^questions
// sets, at most 65,536), or each also skipped, though not every one
// (3^questions - 1 sets, at most 43,046,720). Answers are never weighted.
enum class AnswerSets { YesNo, WithSkips };

// Scores every set of answers exactly as the wizard does (in question order,
// then the program's sort with its tie-break) and counts who leads. All
// engines share one weight sum in a set, so the leader is the first engine
// of the highest agreement. A file without questions has one Yes/No set, the
// empty one, and no set with skips.
Fairness ComputeFairness(const LanguageTables &tables, AnswerSets sets = AnswerSets::YesNo);

} // namespace zv
