// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wizard/mainwindow.h"

#include "config/accessiblenames.h"
#include "config/failuremessage.h"
#include "config/languagefile.h"
#include "config/programinfo.h"
#include "shell/controls.h"
#include "shell/windowgeometry.h"
#include "config/snapshotcache.h"
#include "shell/browser.h"
#include "shell/menubar.h"
#include "shell/menucommands.h"
#include "skin/pictures.h"
#include "skin/skinapply.h"
#include "skin/skinfile.h"
#include "skin/skinpalette.h"
#include "wizard/answercontrols.h"
#include "wizard/engineslist.h"
#include "wizard/enterkey.h"
#include "wizard/focusannouncement.h"
#include "wizard/mainwindowcontrols.h"
#include "wizard/spokentexts.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace zv {

frmZVS::frmZVS(ProgramServices services, QWidget *parent)
    : QMainWindow(parent),
      m_services(std::move(services)),
      m_browser(std::make_unique<Browser>(*m_services.launcher, m_services.showMessage)),
      m_wizard(m_tables, *this,
               [this](const QString &link) { m_browser->openEngine(link); })
{
    setObjectName(QStringLiteral("frmZVS"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    m_controls = createMainWindowControls(this);
    m_lblPosition =
        placePlainLabel(m_controls.Frame1, "lblPosition", twipsRect(720, 30, 5235, 210));
    m_lblPosition->hide();
    connectControls();
    buildMenuBar(menuBar(),
                 mainMenuCommands({this, &m_services, m_browser.get(), &m_tables, &m_texts,
                                   &m_appliedSkin},
                                  [this] {
                                      m_wizard.restart();
                                      announceByFocus(m_controls.cmdNext);
                                  }));
}

frmZVS::~frmZVS()
{
    // The application outlives the window: no focus change may reach it while
    // its widgets are torn down.
    disconnect(qApp, nullptr, this, nullptr);
}

void frmZVS::connectControls()
{
    const MainWindowControls &c = m_controls;
    connect(c.cmdNext, &QPushButton::clicked, this, &frmZVS::cmdNext_Click);
    m_answers = new AnswerControls(c, m_wizard, this);
    connect(m_answers, &AnswerControls::wentBack, this, &frmZVS::announceStep);
    // Next tells which answer it applies.
    for (QAbstractButton *choice :
         std::initializer_list<QAbstractButton *>{c.optYEs, c.optNo, c.optSkip, c.chkImportant})
        connect(choice, &QAbstractButton::toggled, this, &frmZVS::describeStep);
    connect(c.lstEngines, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *row) { openEngineAtRow(m_controls.lstEngines->row(row)); });
    // After the list's own focus event, which speaks the list as a whole.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now == m_controls.lstEngines)
            QMetaObject::invokeMethod(
                this, [this] { announceCurrentRow(m_controls.lstEngines); },
                Qt::QueuedConnection);
    });

    auto *enter = new EnterKey(this);
    for (QWidget *control :
         std::initializer_list<QWidget *>{c.optYEs, c.optNo, c.optSkip, c.chkImportant, c.cmdNext})
        enter->watch(control, [this] { m_controls.cmdNext->click(); });
    enter->watch(c.cmdBack, [this] { m_controls.cmdBack->click(); });
    enter->watch(c.lstEngines,
                 [this] { openEngineAtRow(m_controls.lstEngines->currentRow()); });
}

QString frmZVS::LanguageFile() const
{
    return m_services.files.languageFile;
}

QString frmZVS::SkinFile() const
{
    return m_services.files.skinFile;
}

void frmZVS::Form_Load()
{
    // The language's own texts come first, so that a failing skin is reported
    // in the language of the file.
    const ProfileSnapshot language = ProfileSnapshot::fromFile(LanguageFile());
    m_texts = ProgramTexts::read(language);
    m_browser->useTexts(m_texts);
    loadSkin();
    loadLanguage(language);
    SetLayout(0);
    showCaption();
    Question(0);
    WriteResults();
    m_controls.cmdNext->setFocus();  // Space starts the wizard and moves it on

    adjustSize();
    setFixedSize(size());
    if (const QScreen *screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void frmZVS::changeSkin(const QString &skinFile)
{
    m_services.files.skinFile = skinFile;
    loadSkin();
    applyLayout(m_controls, m_iState,
                {m_appliedSkin, LanguageFile(), m_texts[ProgramText::StartText],
                 m_tables.FinishedText, m_services.programDir});
    applySkinColors(m_controls.lblQuestion, m_appliedSkin.QuestionForeColor,
                    m_appliedSkin.QuestionBackColor);
    showCaption();
}

void frmZVS::loadSkin()
{
    LoadFailureReporter failures(m_services.showMessage, m_texts);
    failures.setFraming(failureFraming(SkinFile(), m_texts));
    m_skin = SkinSettings();
    LoadSkin(m_skin, SkinFile(), failures);
    failures.finish();
    m_appliedSkin = withDefaultsForUnread(m_skin);
    applySkinPalette(m_appliedSkin);
}

void frmZVS::showCaption()
{
    setWindowTitle(CaptionPrefix + m_tables.LanguageName + u' ' + m_skin.SkinName);
}

void frmZVS::loadLanguage(const ProfileSnapshot &languageFile)
{
    LoadFailureReporter failures(m_services.showMessage, m_texts);
    failures.setFraming(failureFraming(LanguageFile(), m_texts));
    LanguageFileContents contents = LoadLanguage(languageFile, failures);
    failures.finish();
    m_tables = std::move(contents.tables);
    setMenuCaptions(menuBar(), contents.menuCaptions);
    m_controls.lblStartText->setText(contents.welcomeText);
    m_answers->load(m_tables);
    m_wizard.ResetWizard();
}

void frmZVS::SetLayout(std::int16_t iState)
{
    m_iState = iState;
    applyLayout(m_controls, iState,
                {m_appliedSkin, LanguageFile(), m_texts[ProgramText::StartText],
                 m_tables.FinishedText, m_services.programDir});
    showPosition();
    describeStep();
}

void frmZVS::Question(std::int16_t iStep)
{
    if (iStep < 0 || iStep >= LanguageTables::MaxQuestions)
        return;
    const MainWindowControls &c = m_controls;
    showPicture(c.imgQuestion,
                m_services.programDir + QStringLiteral("/quest%1.ico").arg(iStep + 1));
    c.imgQuestion->setAccessibleName(
        readAccessibleName(*currentSnapshot(LanguageFile()), AccessibleName::QuestionPicture)
        + u' ' + QString::number(iStep + 1));
    const QString &question = m_tables.QuestionText[iStep];
    c.lblQuestion->setText(question);
    m_lblPosition->setText(positionText(m_tables.PositionFormat, iStep, m_tables.questions()));
    applySkinColors(c.lblQuestion, m_appliedSkin.QuestionForeColor,
                    m_appliedSkin.QuestionBackColor);
    c.optYEs->setText(m_tables.YesText[iStep]);
    c.optNo->setText(m_tables.NoText[iStep]);
    describeStep();
    announceStep();
}

void frmZVS::showPosition()
{
    // Shown only where the file words it, small in the margin above the
    // question, so every other control keeps its place.
    QFont font = m_controls.lblQuestion->font();
    font.setPointSizeF(font.pointSizeF() * 0.7);
    m_lblPosition->setFont(font);
    applySkinColors(m_lblPosition, m_appliedSkin.QuestionForeColor,
                    m_appliedSkin.QuestionBackColor);
    m_lblPosition->setVisible(m_iState == 1 && !m_tables.PositionFormat.isEmpty());
}

void frmZVS::describeStep()
{
    // A screen reader speaks the focused control's name, then its description:
    // an answer tells where the user is and what it answers; the box, Back and
    // Next also which answer Next applies.
    const MainWindowControls &c = m_controls;
    QString step = c.lblStartText->text();
    if (m_iState == 1) {
        const std::int16_t q = m_wizard.CurrentQuestion();
        const QString position = q < m_tables.questions()
            ? positionText(m_tables.PositionFormat, q, m_tables.questions())
            : QString();
        const QString asked = spokenLines({position, m_tables.QuestionText[q]});
        for (QWidget *answer : std::initializer_list<QWidget *>{c.optYEs, c.optNo, c.optSkip})
            answer->setAccessibleDescription(asked);
        const QAbstractButton *chosen = c.optNo->isChecked() ? c.optNo
            : c.optSkip->isChecked()                         ? c.optSkip
                                                             : c.optYEs;
        const bool weighted = c.chkImportant->isChecked() && !c.optSkip->isChecked();
        step = spokenLines(
            {asked, chosen->text() + (weighted ? m_tables.WeightedText : QString())});
        c.chkImportant->setAccessibleDescription(step);
    } else if (m_iState == 2) {
        step = spokenLines({step, bestMatch()});
    }
    c.cmdNext->setAccessibleDescription(step);
    m_answers->update(m_iState, step);
}

void frmZVS::announceStep()
{
    describeStep();
    // The user stays on the control the step was taken from, unless the new
    // step hides it.
    QWidget *focused = QApplication::focusWidget();
    const bool stays =
        focused && m_controls.Frame1->isAncestorOf(focused) && focused->isVisible();
    announceByFocus(stays ? focused : m_controls.cmdNext);
}

QString frmZVS::bestMatch() const
{
    return bestMatchText(m_tables.BestMatchFormat, m_wizard.scores(), m_tables);
}

void frmZVS::WriteResults()
{
    QListWidget *list = m_controls.lstEngines;
    writeEngineRows(list, m_wizard.sortedResultLines(), m_wizard);
    // Entering the list speaks the best match first; nothing looks selected.
    if (list->count() > 0)
        makeCurrentQuietly(list, 0);
    if (list->hasFocus())
        announceCurrentRow(list);
}

void frmZVS::showChoice(std::int16_t answer, bool weighted)
{
    m_answers->showChoice(answer, weighted);
}

void frmZVS::cmdNext_Click()
{
    const auto step = std::pair(m_iState, m_wizard.CurrentQuestion());
    m_wizard.nextPressed();
    if (step != std::pair(m_iState, m_wizard.CurrentQuestion()))
        announceStep();
}

void frmZVS::openEngineAtRow(int row)
{
    const int engine = m_wizard.engineAtRow(row);
    if (engine >= 0)
        m_browser->openEngine(m_tables.EngineLink[engine]);
}

} // namespace zv
