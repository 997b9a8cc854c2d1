// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "check/fairness.h"

#include <cmath>
#include <type_traits>

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

// Agreements as whole numbers of halves where every matrix value allows it:
// exact and fast. Beyond that, the wizard's own double sums in its order.
bool halvesFit(const LanguageTables &tables)
{
    // 16 answers of this many halves still fit an int.
    constexpr double Largest = 1 << 26;
    for (int e = 0; e < tables.engines(); ++e) {
        for (int q = 0; q < tables.questions(); ++q) {
            const double halves = 2 * tables.matrixValue(e, q);
            if (halves != std::floor(halves) || std::fabs(halves) > Largest)
                return false;
        }
    }
    return true;
}

// Walks the tree of answer sets depth first: depth q holds the agreements
// after questions 0 to q - 1, so each prefix is summed once, in question
// order, and a skipped question passes its parent's sums on. Engines of one
// row always agree alike, so only the first of each row is summed: the
// leader is the first engine of the highest agreement either way.
template <typename Value>
class Enumeration
{
    static constexpr bool Exact = std::is_integral_v<Value>;

public:
    Enumeration(const LanguageTables &tables, const std::vector<int> &group, AnswerSets sets,
                Fairness &result)
        : m_questions(tables.questions()), m_skips(sets == AnswerSets::WithSkips), m_result(result)
    {
        for (std::size_t e = 0; e < group.size(); ++e) {
            if (group[e] == int(e)) {
                m_firstEngine.push_back(int(e));
                m_rowShared.push_back(false);
            } else {
                for (std::size_t r = 0; r < m_firstEngine.size(); ++r)
                    m_rowShared[r] = m_rowShared[r] || m_firstEngine[r] == group[e];
            }
        }
        m_rows = m_firstEngine.size();
        const Value scale = Exact ? 2 : 1;
        m_matrix.resize(std::size_t(m_questions) * m_rows);
        for (int q = 0; q < m_questions; ++q) {
            for (std::size_t r = 0; r < m_rows; ++r)
                m_matrix[std::size_t(q) * m_rows + r] =
                    Value(scale * tables.matrixValue(m_firstEngine[r], q));
        }
        m_depth.assign(std::size_t(m_questions) + 1, std::vector<Value>(m_rows));
    }

    void run()
    {
        if (m_questions == 0) {
            if (!m_skips)
                countEmpty();
            return;
        }
        visit(0, m_depth[0].data(), 0);
    }

private:
    // `answered`: how many of questions 0 to q - 1 were not skipped.
    void visit(int q, const Value *sums, int answered)
    {
        const Value *column = &m_matrix[std::size_t(q) * m_rows];
        if (q + 1 == m_questions) {
            countLast(sums, column, answered);
            return;
        }
        Value *next = m_depth[std::size_t(q) + 1].data();
        for (const Value answer : {Value(1), Value(-1)}) {
            for (std::size_t r = 0; r < m_rows; ++r)
                next[r] = sums[r] + answer * column[r];
            visit(q + 1, next, answered + 1);
        }
        if (m_skips)
            visit(q + 1, sums, answered);
    }

    // The leader so far of one answer set: the first row of the highest
    // value, and whether another row has that value too.
    struct Lead
    {
        std::size_t row = 0;
        Value best{};
        bool otherRow = false;

        void offer(Value value, std::size_t r)
        {
            if (value > best) {
                best = value;
                row = r;
                otherRow = false;
            } else if (value == best) {
                otherRow = true;
            }
        }
    };

    // The answer sets that differ in the last question only, in one pass
    // over the rows: Yes, No and, where allowed, skipped.
    void countLast(const Value *sums, const Value *column, int answered)
    {
        const bool skip = m_skips && answered > 0;
        m_result.answerSets += skip ? 3 : 2;
        if (m_rows == 0)
            return;
        const auto value = [](Value sum, int weightSum) {
            if constexpr (Exact)
                return sum;
            // Sums that are not whole halves can round apart where their
            // scores do not, so these compare as the wizard's sort does.
            const double w = weightSum;
            return Value(w == 0 ? 100 : (w + sum) / (2 * w) * 100);
        };
        Lead yes{0, value(sums[0] + column[0], answered + 1)};
        Lead no{0, value(sums[0] - column[0], answered + 1)};
        Lead skipped{0, value(sums[0], answered)};
        for (std::size_t r = 1; r < m_rows; ++r) {
            yes.offer(value(sums[r] + column[r], answered + 1), r);
            no.offer(value(sums[r] - column[r], answered + 1), r);
            if (skip)
                skipped.offer(value(sums[r], answered), r);
        }
        record(yes);
        record(no);
        if (skip)
            record(skipped);
    }

    // The one answer set of a file without questions: every row at 0.
    void countEmpty()
    {
        ++m_result.answerSets;
        if (m_rows > 0)
            record(Lead{0, Value(0), m_rows > 1});
    }

    void record(const Lead &lead)
    {
        const auto leader = std::size_t(m_firstEngine[lead.row]);
        const bool otherRow = lead.otherRow;
        if (!otherRow && !m_rowShared[lead.row]) {
            ++m_result.leadsAlone[leader];
            return;
        }
        ++m_result.leadsByTieBreak[leader];
        ++m_result.topTies;
        if (!otherRow)
            ++m_result.topTiesOfIdenticalRows;
    }

    const int m_questions;
    const bool m_skips;
    Fairness &m_result;
    std::vector<int> m_firstEngine;  // per row: its first engine, in file order
    std::vector<bool> m_rowShared;   // per row: whether further engines have it
    std::size_t m_rows = 0;
    std::vector<Value> m_matrix;     // question by question, row by row
    std::vector<std::vector<Value>> m_depth;
};

} // namespace

Fairness ComputeFairness(const LanguageTables &tables, AnswerSets sets)
{
    const auto engines = std::size_t(tables.engines());
    Fairness result;
    result.leadsAlone.assign(engines, 0);
    result.leadsByTieBreak.assign(engines, 0);
    const std::vector<int> group = rowGroups(tables);
    if (halvesFit(tables))
        Enumeration<int>(tables, group, sets, result).run();
    else
        Enumeration<double>(tables, group, sets, result).run();

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
