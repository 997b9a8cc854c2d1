// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "check/fairness.h"

#include "wizard/scoring.h"

#include <algorithm>
#include <array>

namespace zv {

namespace {

bool sameRow(const LanguageTables &tables, int a, int b)
{
    for (int q = 0; q < tables.questions(); ++q) {
        if (tables.matrixValue(a, q) != tables.matrixValue(b, q))
            return false;
    }
    return true;
}

// The group number of every engine: the first engine with the same row.
std::vector<int> rowGroups(const LanguageTables &tables)
{
    std::vector<int> group(std::size_t(tables.engines()));
    for (int e = 0; e < tables.engines(); ++e) {
        group[std::size_t(e)] = e;
        for (int f = 0; f < e; ++f) {
            if (sameRow(tables, e, f)) {
                group[std::size_t(e)] = group[std::size_t(f)];
                break;
            }
        }
    }
    return group;
}

class Enumeration
{
public:
    Enumeration(const LanguageTables &tables, const std::vector<int> &group, Fairness &result)
        : m_tables(tables), m_group(group), m_result(result)
    {}

    // Answer sets share their leading answers, so each prefix is scored once:
    // depth q holds the scores after questions 0 to q - 1.
    void run()
    {
        ResetScores(m_depth[0], m_tables);
        visit(0);
    }

private:
    void visit(int q)
    {
        if (q == m_tables.questions()) {
            count(m_depth[std::size_t(q)]);
            return;
        }
        for (const int answer : {1, -1}) {
            m_depth[std::size_t(q) + 1] = m_depth[std::size_t(q)];
            RescoreEngines(m_depth[std::size_t(q) + 1], m_tables, q, answer);
            visit(q + 1);
        }
    }

    void count(ScoreTables &scores)
    {
        ++m_result.answerSets;
        SortEngines(scores, m_tables);
        const int engines = m_tables.engines();
        if (engines == 0)
            return;
        const int leader = scores.EngineOrder[0];
        bool tie = false;
        bool identical = true;
        for (int e = 0; e < engines; ++e) {
            if (e != leader && scores.Score[e] == scores.Score[leader]) {
                tie = true;
                identical = identical && m_group[std::size_t(e)] == m_group[std::size_t(leader)];
            }
        }
        if (!tie) {
            ++m_result.leadsAlone[std::size_t(leader)];
            return;
        }
        ++m_result.leadsByTieBreak[std::size_t(leader)];
        ++m_result.topTies;
        if (identical)
            ++m_result.topTiesOfIdenticalRows;
    }

    const LanguageTables &m_tables;
    const std::vector<int> &m_group;
    Fairness &m_result;
    std::array<ScoreTables, LanguageTables::MaxQuestions + 1> m_depth;
};

} // namespace

Fairness ComputeFairness(const LanguageTables &tables)
{
    const auto engines = std::size_t(tables.engines());
    Fairness result;
    result.leadsAlone.assign(engines, 0);
    result.leadsByTieBreak.assign(engines, 0);
    const std::vector<int> group = rowGroups(tables);
    Enumeration(tables, group, result).run();

    for (std::size_t e = 0; e < engines; ++e) {
        if (result.leadsAlone[e] == 0)
            result.neverLeadAlone.push_back(int(e));
        if (group[e] != int(e))
            continue;
        std::vector<int> members;
        for (std::size_t f = e; f < engines; ++f) {
            if (group[f] == int(e))
                members.push_back(int(f));
        }
        if (members.size() > 1)
            result.identicalRows.push_back(members);
    }
    return result;
}

} // namespace zv
