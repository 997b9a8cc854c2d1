// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wizard/mainwindow.h"

#include "config/accessiblenames.h"
#include "config/languagefile.h"
#include "config/languagekeys.h"
#include "config/programinfo.h"
#include "shell/aboutwindow.h"
#include "shell/browser.h"
#include "shell/controls.h"
#include "shell/explanationwindow.h"
#include "shell/menubar.h"
#include "shell/windowgeometry.h"
#include "shell/randomsource.h"
#include "skin/pictures.h"
#include "skin/skinapply.h"
#include "skin/skinfile.h"
#include "wizard/optionbutton.h"

#include <QAction>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

namespace zv {

namespace {

template <typename Control>
Control *place(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *control = new Control(parent);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(geometry);
    return control;
}

} // namespace

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
    createControls();
    createMenus();
}

frmZVS::~frmZVS() = default;

void frmZVS::createControls()
{
    m_form = new QWidget(this);
    m_form->setObjectName(QStringLiteral("form"));
    m_form->setFixedSize(twipsSize(9300, 6120));
    setCentralWidget(m_form);

    m_imgHelp = place<QLabel>(m_form, "imgHelp", twipsRect(60, 3600, 6255, 2415));
    m_frame1 = place<QFrame>(m_form, "Frame1", twipsRect(60, 60, 6255, 3615));
    static_cast<QFrame *>(m_frame1)->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_lstEngines = place<QListWidget>(m_form, "lstEngines", twipsRect(6420, 60, 2835, 5790));
    m_lstEngines->setSelectionMode(QAbstractItemView::SingleSelection);

    m_cmdNext = place<QPushButton>(m_frame1, "cmdNext", twipsRect(5340, 1860, 615, 615));
    m_cmdNext->setIconSize(QSize(32, 32));
    m_optNo = place<OptionButton>(m_frame1, "optNo", twipsRect(780, 2400, 4395, 975));
    m_optYEs = place<OptionButton>(m_frame1, "optYEs", twipsRect(780, 1380, 4455, 975));
    m_optYEs->setChecked(true);
    m_imgQuestion = place<QLabel>(m_frame1, "imgQuestion", twipsRect(120, 240, 480, 540));
    m_lblQuestion = placePlainLabel(m_frame1, "lblQuestion", twipsRect(720, 240, 5235, 1155));
    m_lblStartText = placePlainLabel(m_frame1, "lblStartText", twipsRect(60, 240, 5175, 2355));

    // The answer is chosen in tab order before Next is pressed.
    setTabOrder(m_optYEs, m_optNo);
    setTabOrder(m_optNo, m_cmdNext);
    setTabOrder(m_cmdNext, m_lstEngines);

    connect(m_cmdNext, &QPushButton::clicked, this, &frmZVS::cmdNext_Click);
    connect(m_optYEs, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_wizard.setAnswer(Wizard::Yes);
    });
    connect(m_optNo, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_wizard.setAnswer(Wizard::No);
    });
    connect(m_lstEngines, &QListWidget::itemDoubleClicked, this, &frmZVS::lstEngines_DblClick);
    m_lstEngines->installEventFilter(this);
}

void frmZVS::createMenus()
{
    MenuCommands commands;
    commands.newWizard = [this] { m_wizard.restart(); };
    commands.exit = [this] {
        if (m_services.quit)
            m_services.quit();
    };
    commands.explanation = [this] { showExplanation(); };
    commands.randomAddress = [this] { openRandomAddress(); };
    commands.helpContents = [this] { showHelpContents(); };
    commands.onlineHelp = [this] { showOnlineHelp(); };
    commands.about = [this] { showAbout(); };
    buildMenuBar(menuBar(), commands);
}

QString frmZVS::programFile(const QString &name) const
{
    return m_services.programDir + u'/' + name;
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
    {
        LoadFailureReporter failures(m_services.showMessage);
        LoadSkin(m_skin, SkinFile(), failures);
        failures.finish();
    }
    m_appliedSkin = withDefaultsForUnread(m_skin);
    loadLanguage();
    SetLayout(0);
    setWindowTitle(CaptionPrefix + m_tables.LanguageName + u' '
                   + m_skin.SkinName);
    Question(0);
    WriteResults();
    m_cmdNext->setFocus();  // Space starts the wizard and moves it on

    adjustSize();
    setFixedSize(size());
    if (const QScreen *screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void frmZVS::loadLanguage()
{
    LoadFailureReporter failures(m_services.showMessage);
    LanguageFileContents contents = LoadLanguage(LanguageFile(), failures);
    failures.finish();
    m_tables = std::move(contents.tables);
    setMenuCaptions(menuBar(), contents.menuCaptions);
    m_lblStartText->setText(contents.welcomeText);
    m_wizard.ResetWizard();
}

MainWindowControls frmZVS::controls()
{
    MainWindowControls c;
    c.window = this;
    c.form = m_form;
    c.Frame1 = m_frame1;
    c.lstEngines = m_lstEngines;
    c.imgHelp = m_imgHelp;
    c.cmdNext = m_cmdNext;
    c.optNo = m_optNo;
    c.optYEs = m_optYEs;
    c.imgQuestion = m_imgQuestion;
    c.lblQuestion = m_lblQuestion;
    c.lblStartText = m_lblStartText;
    return c;
}

void frmZVS::SetLayout(std::int16_t iState)
{
    m_iState = iState;
    applyLayout(controls(), iState,
                {m_appliedSkin, LanguageFile(), m_tables.FinishedText, m_services.programDir});
    announceStep();
}

void frmZVS::Question(std::int16_t iStep)
{
    if (iStep < 0 || iStep >= LanguageTables::MaxQuestions)
        return;
    showPicture(m_imgQuestion, programFile(QStringLiteral("quest%1.ico").arg(iStep + 1)));
    m_imgQuestion->setAccessibleName(
        readAccessibleName(*ProfileSnapshot::cached(LanguageFile()),
                           AccessibleName::QuestionPicture) + u' '
        + QString::number(iStep + 1));
    const QString &question = m_tables.QuestionText[iStep];
    m_lblQuestion->setText(question);
    applySkinColors(m_lblQuestion, m_appliedSkin.QuestionForeColor,
                    m_appliedSkin.QuestionBackColor);
    m_optYEs->setText(m_tables.YesText[iStep]);
    m_optNo->setText(m_tables.NoText[iStep]);
    // Tabbing onto an answer reads the question it answers.
    m_optYEs->setAccessibleDescription(question);
    m_optNo->setAccessibleDescription(question);
    announceStep();
}

void frmZVS::announceStep()
{
    // Focus stays on Next while the question area changes, so its description
    // carries what the area now shows; the change event makes a screen reader
    // speak it, once.
    const QString shown =
        m_lblStartText->isHidden() ? m_lblQuestion->text() : m_lblStartText->text();
    if (m_cmdNext->accessibleDescription() != shown)
        m_cmdNext->setAccessibleDescription(shown);
}

void frmZVS::WriteResults()
{
    m_lstEngines->clear();
    const QStringList lines = m_wizard.sortedResultLines();
    for (int k = 0; k < lines.size(); ++k) {
        auto *row = new QListWidgetItem(lines[k], m_lstEngines);
        // Spoken without the blank that lines the percentages up.
        row->setData(Qt::AccessibleTextRole, lines[k].trimmed());
        const QList<ReasonParagraph> reasons = m_wizard.reasonsAtRow(k);
        row->setData(Qt::ToolTipRole, ReasonsRichText(reasons));
        row->setData(Qt::AccessibleDescriptionRole, ReasonsPlainText(reasons));
    }
}

void frmZVS::selectYes()
{
    m_optYEs->setChecked(true);
}

void frmZVS::cmdNext_Click()
{
    m_wizard.nextPressed();
}

void frmZVS::lstEngines_DblClick()
{
    const QList<QListWidgetItem *> selected = m_lstEngines->selectedItems();
    if (selected.isEmpty())
        return;
    const int engine = m_wizard.engineAtRow(m_lstEngines->row(selected.first()));
    if (engine >= 0)
        m_browser->openEngine(m_tables.EngineLink[engine]);
}

bool frmZVS::eventFilter(QObject *watched, QEvent *event)
{
    // Enter on a row launches it as a double-click does, for keyboard users.
    if (watched == m_lstEngines && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            lstEngines_DblClick();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmZVS::showExplanation()
{
    // The box is named by the menu entry that opened it; the button's
    // description is the menu entry that opens the same addresses.
    const auto caption = [this](const char *entry) {
        return menuBar()->findChild<QAction *>(QLatin1String(entry))->iconText();
    };
    frmExplanation window(m_appliedSkin,
                          {m_tables.ExplanationText, caption("fmnuTruth1"), caption("fmnuMoney1")},
                          this);
    connect(&window, &frmExplanation::clickHere, this, [this] {
        m_services.random->reseed(m_services.clockSeed());
        openRandomAddress();
    });
    m_services.showModal(window);
}

void frmZVS::openRandomAddress()
{
    m_browser->OpenInBrowser(
        chooseAddress(m_services.random->next(), m_tables.Url1, m_tables.Url2));
}

void frmZVS::showHelpContents()
{
    m_browser->openLocalPage(m_services.files.helpPage);
}

void frmZVS::showOnlineHelp()
{
    // Read when chosen, like the other texts shown on demand; a language
    // file without an address of its own gets the local page.
    const QString address = readLanguageKey(LanguageFile(), languageKey("URL", "HELP"));
    if (address.isEmpty())
        showHelpContents();
    else
        m_browser->OpenInBrowser(address);
}

void frmZVS::showAbout()
{
    frmAbout window(m_appliedSkin, m_services.programDir, LanguageFile(), SkinFile(), this);
    m_services.showModal(window);
}

} // namespace zv
