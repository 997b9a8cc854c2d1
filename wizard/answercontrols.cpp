// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wizard/answercontrols.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

namespace zv {

AnswerControls::AnswerControls(const MainWindowControls &c, Wizard &wizard, QObject *parent)
    : QObject(parent),
      m_wizard(wizard),
      m_yes(c.optYEs),
      m_no(c.optNo),
      m_skip(c.optSkip),
      m_important(c.chkImportant),
      m_back(c.cmdBack),
      m_next(c.cmdNext)
{
    connect(m_yes, &QRadioButton::toggled, this, [this] { chosen(m_yes, Wizard::Yes); });
    connect(m_no, &QRadioButton::toggled, this, [this] { chosen(m_no, Wizard::No); });
    connect(m_skip, &QRadioButton::toggled, this, [this] { chosen(m_skip, Wizard::Skip); });
    connect(m_important, &QCheckBox::toggled, this,
            [this](bool on) { m_wizard.setWeighted(on); });
    connect(m_back, &QPushButton::clicked, this, [this] { m_wizard.backPressed(); });
    // Only a Back in sight answers Alt+Left; a file without BACK never shows one.
    auto *backKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Left), c.window);
    connect(backKey, &QShortcut::activated, this, [this] {
        if (m_back->isVisible())
            m_wizard.backPressed();
    });
}

void AnswerControls::chosen(QRadioButton *option, std::int16_t answer)
{
    if (!option->isChecked())
        return;
    m_wizard.setAnswer(answer);
    m_important->setEnabled(answer != Wizard::Skip);
    if (answer == Wizard::Skip)
        m_important->setChecked(false);
}

void AnswerControls::load(const LanguageTables &tables)
{
    // Without questions no answer is ever applied, so none is offered.
    m_hasSkip = !tables.SkipText.isEmpty() && tables.questions() > 0;
    m_hasImportant = !tables.ImportantText.isEmpty() && tables.questions() > 0;
    m_skip->setText(tables.SkipText);
    m_important->setText(tables.ImportantText);
    m_back->setText(tables.BackText);
    if (!tables.hasAnswerControls())
        return;
    const AnswerPlaces places =
        answerPlaces(m_hasSkip, m_hasImportant, !tables.BackText.isEmpty());
    m_yes->setGeometry(places.yes);
    m_no->setGeometry(places.no);
    m_skip->setGeometry(places.skip);
    m_important->setGeometry(places.important);
    m_back->setGeometry(places.back);
}

void AnswerControls::showChoice(std::int16_t answer, bool weighted)
{
    QRadioButton *option = answer == Wizard::Yes ? m_yes : answer == Wizard::No ? m_no : m_skip;
    option->setChecked(true);
    m_important->setChecked(weighted);
}

void AnswerControls::showQuestion(const QString &question)
{
    for (QWidget *answer : {static_cast<QWidget *>(m_yes), static_cast<QWidget *>(m_no),
                            static_cast<QWidget *>(m_skip), static_cast<QWidget *>(m_important)})
        answer->setAccessibleDescription(question);
}

void AnswerControls::update(std::int16_t iState, const QString &shown)
{
    if (iState >= 0 && iState <= 2) {
        m_skip->setVisible(iState == 1 && m_hasSkip);
        m_important->setVisible(iState == 1 && m_hasImportant);
    }

    const bool back = m_wizard.canGoBack();
    if (!back && m_back->hasFocus())
        m_next->setFocus();
    m_back->setVisible(back);
    if (m_back->accessibleDescription() != shown)
        m_back->setAccessibleDescription(shown);
}

} // namespace zv
