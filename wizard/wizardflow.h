// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "config/languagetables.h"
#include "wizard/enginereasons.h"
#include "wizard/scoring.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

namespace zv {

// What the question flow needs of the main window.
class WizardView
{
public:
    virtual ~WizardView() = default;

    // Applies layout 0 (start), 1 (questions) or 2 (finished) and remembers it.
    virtual void SetLayout(std::int16_t iState) = 0;
    // The layout number SetLayout applied last.
    virtual std::int16_t layoutState() const = 0;
    // Puts question iStep's text, picture and answer captions on screen.
    virtual void Question(std::int16_t iStep) = 0;
    // Rebuilds the engine list from Wizard::sortedResultLines(), each row
    // with its reasons from Wizard::reasonsAtRow().
    virtual void WriteResults() = 0;
    // Shows `answer` chosen (Wizard::Yes, No or Skip) and the box that makes
    // it count twice checked when `weighted`.
    virtual void showChoice(std::int16_t answer, bool weighted) = 0;
};

// The wizard's state machine: start, asking question CurrentQuestion, and
// finished once CurrentQuestion reaches the number of questions.
class Wizard
{
public:
    static constexpr std::int16_t Yes = 1;
    static constexpr std::int16_t No = -1;
    static constexpr std::int16_t Skip = 0;

    // `openEngine` receives the link (without scheme) of the engine to open.
    Wizard(const LanguageTables &tables, WizardView &view,
           std::function<void(const QString &engineLink)> openEngine);

    // Back to the start layout, the first question, the answer Yes and every
    // engine at 100 percent in language-file order; rewrites the list.
    void ResetWizard();

    // The Next button: leaves the start layout, else applies the answer.
    void nextPressed();

    // Applies the chosen answer with its weight to the current question
    // (Skip changes no score) and moves on, the choice kept and the weight
    // back to 1; once finished, opens the leading engine instead (nothing
    // without engines).
    void UpdateFilter();

    // An answer was chosen (Yes, No or Skip above); only Next applies it.
    // Skip also takes the weight back to 1.
    void setAnswer(std::int16_t answer);

    // The answer should count twice, or once again; ignored while Skip is chosen.
    void setWeighted(bool weighted);

    // Whether Back can be pressed: the file has a Back caption and the wizard
    // is at its second question or later, or finished after a question.
    bool canGoBack() const;

    // Back: the previous question again, showing the answer and weight given
    // to it, which are forgotten with every later one; the scores become
    // those of the answers before it, recomputed in question order.
    void backPressed();

    // File > New: ResetWizard (every answer forgotten), the Yes option
    // selected again, question 0.
    void restart();

    // Sorts the engines and returns the list entries, leading engine first.
    QStringList sortedResultLines();

    // The engine shown at list row `row`, or -1 for a row outside the list.
    int engineAtRow(int row) const;

    // Why the engine at list row `row` stands there (see EngineReasons);
    // nothing for a row outside the list.
    QList<ReasonParagraph> reasonsAtRow(int row) const;

    std::int16_t CurrentQuestion() const { return m_currentQuestion; }
    std::int16_t Answer() const { return m_answer; }
    bool weighted() const { return m_weighted; }
    bool finished() const { return m_currentQuestion >= m_tables.questions(); }
    const ScoreTables &scores() const { return m_scores; }

private:
    const LanguageTables &m_tables;
    WizardView &m_view;
    std::function<void(const QString &)> m_openEngine;
    ScoreTables m_scores;
    std::int16_t m_currentQuestion = 0;
    std::int16_t m_answer = Yes;
    bool m_weighted = false;
    GivenAnswers m_givenAnswers{};
};

} // namespace zv
