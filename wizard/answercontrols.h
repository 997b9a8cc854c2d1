// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "config/languagetables.h"
#include "skin/screenlayout.h"
#include "wizard/wizardflow.h"

#include <QObject>

#include <cstdint>

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace zv {

// The answer controls of the question frame wired to the wizard: Yes and
// No, and those a language file may ask for: the third answer optSkip, the
// box chkImportant that makes an answer count twice, and the Back button
// cmdBack (also Alt+Left). The three show only for a file that captions them.
class AnswerControls : public QObject
{
    Q_OBJECT

public:
    AnswerControls(const MainWindowControls &controls, Wizard &wizard, QObject *parent);

    // Takes the captions of a freshly loaded language file; when it asks for
    // any of the three, places every answer control to make room for them.
    void load(const LanguageTables &tables);

    // Shows `answer` (Wizard::Yes, No or Skip) chosen and the box checked
    // when `weighted`; the box is off while Skip is chosen.
    void showChoice(std::int16_t answer, bool weighted);

    // Tabbing onto an answer or the box reads the question it answers.
    void showQuestion(const QString &question);

    // Shows the controls that layout `iState` (0 to 2; others change none)
    // and the wizard's place call for. `shown` is what the question area
    // shows now, Back's description, which a screen reader speaks when it
    // changes while Back keeps the focus. Back going out of sight hands its
    // focus to Next.
    void update(std::int16_t iState, const QString &shown);

private:
    void chosen(QRadioButton *option, std::int16_t answer);

    Wizard &m_wizard;
    QRadioButton *m_yes;
    QRadioButton *m_no;
    QRadioButton *m_skip;
    QCheckBox *m_important;
    QPushButton *m_back;
    QPushButton *m_next;
    bool m_hasSkip = false;
    bool m_hasImportant = false;
};

} // namespace zv
