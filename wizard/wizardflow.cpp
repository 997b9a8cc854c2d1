// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wizard/wizardflow.h"

#include <utility>

namespace zv {

Wizard::Wizard(const LanguageTables &tables, WizardView &view,
               std::function<void(const QString &)> openEngine)
    : m_tables(tables), m_view(view), m_openEngine(std::move(openEngine))
{
}

void Wizard::ResetWizard()
{
    m_view.SetLayout(0);
    m_currentQuestion = 0;
    m_answer = Yes;
    m_weighted = false;
    m_givenAnswers.fill({});
    ResetScores(m_scores, m_tables);
    for (int i = 0; i < m_tables.engines(); ++i)
        m_scores.EngineOrder[i] = std::int16_t(i);
    m_view.WriteResults();
}

void Wizard::nextPressed()
{
    if (m_view.layoutState() < 1)
        m_view.SetLayout(1);
    else
        UpdateFilter();
}

void Wizard::UpdateFilter()
{
    if (finished()) {
        if (m_tables.engines() > 0)
            m_openEngine(m_tables.EngineLink[m_scores.EngineOrder[0]]);
    } else {
        const GivenAnswer given{m_answer, std::int16_t(m_weighted ? ImportantWeight : 1)};
        if (given.answer != Skip)
            RescoreEngines(m_scores, m_tables, m_currentQuestion, given.answer, given.weight);
        m_givenAnswers[std::size_t(m_currentQuestion)] = given;
        ++m_currentQuestion;
        // The weight is asked anew at each question; the answer carries over.
        m_weighted = false;
        m_view.showChoice(m_answer, m_weighted);
        if (!finished())
            m_view.Question(m_currentQuestion);
        else
            m_view.SetLayout(2);
    }
    m_view.WriteResults();
}

void Wizard::setAnswer(std::int16_t answer)
{
    m_answer = answer;
    if (answer == Skip)
        m_weighted = false;
}

void Wizard::setWeighted(bool weighted)
{
    m_weighted = weighted && m_answer != Skip;
}

bool Wizard::canGoBack() const
{
    const std::int16_t layout = m_view.layoutState();
    return !m_tables.BackText.isEmpty() && (layout == 1 || layout == 2)
           && m_currentQuestion > 0;
}

void Wizard::backPressed()
{
    if (!canGoBack())
        return;
    --m_currentQuestion;
    const auto q = std::size_t(m_currentQuestion);
    m_answer = m_givenAnswers[q].answer;
    m_weighted = m_givenAnswers[q].weight > 1;
    m_givenAnswers[q] = {};
    // Recomputed rather than subtracted, so the scores are exactly those the
    // earlier answers gave.
    ScoreAnswers(m_scores, m_tables, m_givenAnswers, m_currentQuestion);
    if (m_view.layoutState() != 1)
        m_view.SetLayout(1);
    m_view.Question(m_currentQuestion);
    m_view.showChoice(m_answer, m_weighted);
    m_view.WriteResults();
}

void Wizard::restart()
{
    ResetWizard();
    m_view.showChoice(m_answer, m_weighted);
    m_view.Question(0);
}

QStringList Wizard::sortedResultLines()
{
    SortEngines(m_scores, m_tables);
    return ResultLines(m_scores, m_tables);
}

int Wizard::engineAtRow(int row) const
{
    return row >= 0 && row < m_tables.engines() ? m_scores.EngineOrder[row] : -1;
}

QList<ReasonParagraph> Wizard::reasonsAtRow(int row) const
{
    const int engine = engineAtRow(row);
    if (engine < 0)
        return {};
    return EngineReasons(engine, m_tables, m_givenAnswers, m_scores);
}

} // namespace zv
