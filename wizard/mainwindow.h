// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "config/failurereporter.h"
#include "config/languagetables.h"
#include "shell/programfiles.h"
#include "skin/screenlayout.h"
#include "skin/skinsettings.h"
#include "wizard/wizardflow.h"

#include <QMainWindow>

#include <cstdint>
#include <functional>
#include <memory>

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace zv {

class Browser;
class BrowserLauncher;
class RandomSource;

// Everything outside the process that the program reaches.
struct ProgramServices
{
    QString programDir;                      // where the pictures lie
    ProgramFiles files;                      // the language file, skin and help page in use
    BrowserLauncher *launcher = nullptr;     // opens addresses in a web browser
    ShowMessage showMessage;                 // a failure message box
    RandomSource *random = nullptr;          // the one pseudo-random generator
    std::function<std::uint32_t()> clockSeed;  // reseeds it from the clock
    std::function<void()> quit;              // ends the program at once
    // Shows a secondary window modally; tests replace it so nothing blocks.
    std::function<void(QDialog &)> showModal;
};

// The main window: the question wizard with its list of engines.
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
    void selectYes() override;

    const LanguageTables &tables() const { return m_tables; }
    const SkinSettings &skin() const { return m_skin; }
    const Wizard &wizard() const { return m_wizard; }
    QString LanguageFile() const;
    QString SkinFile() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createMenus();
    void loadSkin();
    void loadLanguage();
    void showCaption();
    void announceStep();
    void cmdNext_Click();
    void lstEngines_DblClick();
    void showExplanation();
    void openRandomAddress();
    void showHelpContents();
    void showOnlineHelp();
    void showAbout();
    QString programFile(const QString &name) const;
    MainWindowControls controls();

    ProgramServices m_services;
    std::unique_ptr<Browser> m_browser;
    LanguageTables m_tables;
    SkinSettings m_skin;
    SkinSettings m_appliedSkin;
    Wizard m_wizard;
    std::int16_t m_iState = 0;

    QWidget *m_form = nullptr;
    QWidget *m_frame1 = nullptr;
    QListWidget *m_lstEngines = nullptr;
    QLabel *m_imgHelp = nullptr;
    QPushButton *m_cmdNext = nullptr;
    QRadioButton *m_optNo = nullptr;
    QRadioButton *m_optYEs = nullptr;
    QLabel *m_imgQuestion = nullptr;
    QLabel *m_lblQuestion = nullptr;
    QLabel *m_lblStartText = nullptr;
};

} // namespace zv
