#include "wizard/wizardflow.h"

#include <QTest>

using namespace zv;

namespace {

// Records what the flow asks of the window, as "SetLayout(1)", "Question(2)",
// "WriteResults", "selectYes" and "open <link>".
class RecordingView : public WizardView
{
public:
    void SetLayout(std::int16_t iState) override
    {
        state = iState;
        calls.append(QStringLiteral("SetLayout(%1)").arg(iState));
    }
    std::int16_t layoutState() const override { return state; }
    void Question(std::int16_t iStep) override
    {
        calls.append(QStringLiteral("Question(%1)").arg(iStep));
    }
    void WriteResults() override
    {
        calls.append(u"WriteResults"_qs);
        lines = wizard->sortedResultLines();
    }
    void selectYes() override { calls.append(u"selectYes"_qs); }

    Wizard *wizard = nullptr;
    std::int16_t state = 0;
    QStringList calls;
    QStringList lines;
};

LanguageTables tablesWith(int engines, int questions)
{
    LanguageTables t;
    t.EngineCount = std::int16_t(engines);
    t.QuestionCount = std::int16_t(questions);
    for (int e = 0; e < t.engines(); ++e) {
        t.EngineName[std::size_t(e)] = QStringLiteral("E%1").arg(e);
        t.EngineLink[std::size_t(e)] = QStringLiteral("e%1.example").arg(e);
    }
    for (int q = 0; q < t.questions(); ++q)
        t.QuestionWeight[std::size_t(q)] = 1;
    return t;
}

} // namespace

class WizardFlowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void runsThroughEveryQuestion();
    void finishedNextOpensTheLeaderEveryTime();
    void withoutQuestionsTheSecondNextOpens();
    void withoutEnginesNothingOpens();
    void answerStaysUntilChanged();
    void questionCountBeyondTheTablesStopsAtSixteen();

private:
    void makeWizard(const LanguageTables &tables)
    {
        m_tables = tables;
        m_view = RecordingView();
        m_opened.clear();
        m_wizard = std::make_unique<Wizard>(m_tables, m_view,
                                            [this](const QString &link) { m_opened.append(link); });
        m_view.wizard = m_wizard.get();
        m_wizard->ResetWizard();
        m_view.calls.clear();
    }

    LanguageTables m_tables;
    RecordingView m_view;
    QStringList m_opened;
    std::unique_ptr<Wizard> m_wizard;
};

void WizardFlowTest::init()
{
    makeWizard(tablesWith(3, 2));
}

void WizardFlowTest::runsThroughEveryQuestion()
{
    LanguageTables t = tablesWith(3, 9);
    t.Matrix[0] = -1;   // engine 0, question 0
    t.Matrix[18] = 1;   // engine 2, question 0
    makeWizard(t);
    m_wizard->nextPressed();  // only leaves the start: nothing scored yet
    QCOMPARE(m_view.calls, QStringList{u"SetLayout(1)"_qs});
    QCOMPARE(m_wizard->scores().Score[0], 100.0);
    m_view.calls.clear();
    for (int q = 1; q <= 8; ++q) {
        m_wizard->nextPressed();
        QCOMPARE(m_view.calls,
                 (QStringList{QStringLiteral("Question(%1)").arg(q), u"WriteResults"_qs}));
        m_view.calls.clear();
    }
    QCOMPARE(m_view.lines.first(), u" 56% E2"_qs);  // 50 × (1 + 1 / 8)
    m_wizard->nextPressed();
    QCOMPARE(m_view.calls, (QStringList{u"SetLayout(2)"_qs, u"WriteResults"_qs}));
    QVERIFY(m_wizard->finished());
    QVERIFY(m_opened.isEmpty());
}

void WizardFlowTest::finishedNextOpensTheLeaderEveryTime()
{
    m_tables.Matrix[2] = 1;  // engine 1, question 0: the leader after a Yes
    m_wizard->ResetWizard();
    for (int i = 0; i < 3; ++i)
        m_wizard->nextPressed();
    m_view.calls.clear();
    m_wizard->nextPressed();
    m_wizard->nextPressed();
    QCOMPARE(m_opened, (QStringList{u"e1.example"_qs, u"e1.example"_qs}));
    QCOMPARE(m_view.calls, (QStringList{u"WriteResults"_qs, u"WriteResults"_qs}));
    QCOMPARE(m_view.lines.first(), u" 75% E1"_qs);
}

void WizardFlowTest::withoutQuestionsTheSecondNextOpens()
{
    makeWizard(tablesWith(2, 0));
    m_wizard->nextPressed();
    QCOMPARE(m_view.calls, QStringList{u"SetLayout(1)"_qs});
    m_wizard->nextPressed();
    QCOMPARE(m_opened, QStringList{u"e0.example"_qs});
    QVERIFY(!m_view.calls.contains(u"SetLayout(2)"_qs));
}

void WizardFlowTest::withoutEnginesNothingOpens()
{
    makeWizard(tablesWith(0, 1));
    for (int i = 0; i < 4; ++i)
        m_wizard->nextPressed();
    QVERIFY(m_wizard->finished());
    QVERIFY(m_opened.isEmpty());
    QVERIFY(m_view.lines.isEmpty());
}

void WizardFlowTest::answerStaysUntilChanged()
{
    m_tables.Matrix[0] = 1;  // engine 0 suits Yes to both questions
    m_tables.Matrix[1] = 1;
    m_wizard->nextPressed();
    m_wizard->setAnswer(Wizard::No);
    m_wizard->nextPressed();
    m_wizard->nextPressed();  // still No
    QCOMPARE(m_wizard->Answer(), Wizard::No);
    QCOMPARE(m_wizard->scores().Score[0], 0.0);
}

void WizardFlowTest::questionCountBeyondTheTablesStopsAtSixteen()
{
    makeWizard(tablesWith(2, 17));
    m_wizard->nextPressed();
    for (int i = 0; i < 16; ++i)
        m_wizard->nextPressed();
    QVERIFY(m_wizard->finished());
    QCOMPARE(m_wizard->CurrentQuestion(), 16);
    QVERIFY(!m_view.calls.contains(u"Question(16)"_qs));
    QVERIFY(m_view.calls.contains(u"SetLayout(2)"_qs));
}

QTEST_GUILESS_MAIN(WizardFlowTest)
#include "test_wizardflow.moc"
