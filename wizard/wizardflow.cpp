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
    m_givenAnswers.fill(0);
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
        RescoreEngines(m_scores, m_tables, m_currentQuestion, m_answer);
        m_givenAnswers[m_currentQuestion] = m_answer;
        ++m_currentQuestion;
        if (!finished())
            m_view.Question(m_currentQuestion);
        else
            m_view.SetLayout(2);
    }
    m_view.WriteResults();
}

void Wizard::restart()
{
    ResetWizard();
    m_view.selectYes();
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
