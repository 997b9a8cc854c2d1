// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "config/languagetables.h"
#include "config/programtexts.h"
#include "shell/programservices.h"
#include "skin/screenlayout.h"
#include "skin/skinsettings.h"
#include "wizard/wizardflow.h"

#include <QMainWindow>

#include <cstdint>
#include <memory>

namespace zv {

class AnswerControls;
class Browser;

// The main window: the question wizard with its list of engines. It holds
// the program's state and forwards its controls' and menu's events; the
// controls, the menu's commands, the layouts and the list's rows are made
// elsewhere.
class frmZVS : public QMainWindow, public WizardView
{
    Q_OBJECT
    Q_PROPERTY(int m_iState READ layoutState)

public:
    explicit frmZVS(ProgramServices services, QWidget *parent = nullptr);
    ~frmZVS() override;

    // The start-up: reads the skin and the language file in use, applies the start layout and the caption, prepares the first question
    // and fills the list.
    void Form_Load();
    // Loads another skin while the program runs (the desktop's colour scheme
    // changed) and applies it to the layout shown; the wizard stays where it is.
    void changeSkin(const QString &skinFile);

    void SetLayout(std::int16_t iState) override;
    std::int16_t layoutState() const override { return m_iState; }
    void Question(std::int16_t iStep) override;
    void WriteResults() override;
    void showChoice(std::int16_t answer, bool weighted) override;

    const LanguageTables &tables() const { return m_tables; }
    const SkinSettings &skin() const { return m_skin; }
    const Wizard &wizard() const { return m_wizard; }
    QString LanguageFile() const;
    QString SkinFile() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectControls();
    void loadSkin();
    void loadLanguage(const ProfileSnapshot &languageFile);
    void showCaption();
    void announceStep();
    void cmdNext_Click();
    void lstEngines_DblClick();

    ProgramServices m_services;
    std::unique_ptr<Browser> m_browser;
    LanguageTables m_tables;
    ProgramTexts m_texts;
    SkinSettings m_skin;
    SkinSettings m_appliedSkin;
    Wizard m_wizard;
    std::int16_t m_iState = 0;
    MainWindowControls m_controls;
    AnswerControls *m_answers = nullptr;  // wires the answers to the wizard
};

} // namespace zv
