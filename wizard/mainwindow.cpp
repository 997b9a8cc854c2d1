// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wizard/mainwindow.h"

#include "config/accessiblenames.h"
#include "config/failuremessage.h"
#include "config/languagefile.h"
#include "config/programinfo.h"
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
#include "wizard/mainwindowcontrols.h"

#include <QKeyEvent>
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
    connectControls();
    buildMenuBar(menuBar(),
                 mainMenuCommands({this, &m_services, m_browser.get(), &m_tables, &m_texts,
                                   &m_appliedSkin},
                                  [this] { m_wizard.restart(); }));
}

frmZVS::~frmZVS() = default;

void frmZVS::connectControls()
{
    const MainWindowControls &c = m_controls;
    connect(c.cmdNext, &QPushButton::clicked, this, &frmZVS::cmdNext_Click);
    m_answers = new AnswerControls(c, m_wizard, this);
    connect(c.lstEngines, &QListWidget::itemDoubleClicked, this, &frmZVS::lstEngines_DblClick);
    c.lstEngines->installEventFilter(this);
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
    announceStep();
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
    applySkinColors(c.lblQuestion, m_appliedSkin.QuestionForeColor,
                    m_appliedSkin.QuestionBackColor);
    c.optYEs->setText(m_tables.YesText[iStep]);
    c.optNo->setText(m_tables.NoText[iStep]);
    m_answers->showQuestion(question);
    announceStep();
}

void frmZVS::announceStep()
{
    // Focus stays on Next while the question area changes, so its description
    // carries what the area now shows; the change event makes a screen reader
    // speak it, once.
    const MainWindowControls &c = m_controls;
    const QString shown =
        c.lblStartText->isHidden() ? c.lblQuestion->text() : c.lblStartText->text();
    if (c.cmdNext->accessibleDescription() != shown)
        c.cmdNext->setAccessibleDescription(shown);
    m_answers->update(m_iState, shown);
}

void frmZVS::WriteResults()
{
    writeEngineRows(m_controls.lstEngines, m_wizard.sortedResultLines(), m_wizard);
}

void frmZVS::showChoice(std::int16_t answer, bool weighted)
{
    m_answers->showChoice(answer, weighted);
}

void frmZVS::cmdNext_Click()
{
    m_wizard.nextPressed();
}

void frmZVS::lstEngines_DblClick()
{
    QListWidget *list = m_controls.lstEngines;
    const QList<QListWidgetItem *> selected = list->selectedItems();
    if (selected.isEmpty())
        return;
    const int engine = m_wizard.engineAtRow(list->row(selected.first()));
    if (engine >= 0)
        m_browser->openEngine(m_tables.EngineLink[engine]);
}

bool frmZVS::eventFilter(QObject *watched, QEvent *event)
{
    // Enter on a row launches it as a double-click does, for keyboard users.
    if (watched == m_controls.lstEngines && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            lstEngines_DblClick();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace zv
