// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wizard/scoring.h"
#include "wizard/wizardflow.h"

#include <QTest>

#include <vector>

using namespace zv;

namespace {

// Records what the wizard shows, in place of the main window.
class RecordingView : public WizardView
{
public:
    void SetLayout(std::int16_t iState) override { layout = iState; }
    std::int16_t layoutState() const override { return layout; }
    void Question(std::int16_t iStep) override { question = iStep; }
    void WriteResults() override {}
    void showChoice(std::int16_t answer, bool weighted) override
    {
        shownAnswer = answer;
        shownWeighted = weighted;
    }

    std::int16_t layout = 0;
    std::int16_t question = -1;
    std::int16_t shownAnswer = 0;
    bool shownWeighted = false;
};

// Three engines, three questions; the matrix as the file's numbers halved:
// engine 0: 1, -1, 0.5; engine 1: -1, 0.5, 1; engine 2: 0, 1, -1.
LanguageTables smallFile(bool back)
{
    LanguageTables t;
    t.EngineCount = 3;
    t.QuestionCount = 3;
    t.Matrix = {1, -1, 0.5, -1, 0.5, 1, 0, 1, -1};
    t.QuestionWeight.fill(1);
    t.SkipText = u"No preference"_qs;
    t.ImportantText = u"Matters"_qs;
    if (back)
        t.BackText = u"Back"_qs;
    return t;
}

} // namespace

class ScoringTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sortKeepsItsTieBreak_data()
    {
        QTest::addColumn<std::vector<double>>("scores");
        QTest::addColumn<std::vector<int>>("order");
        using D = std::vector<double>;
        using I = std::vector<int>;
        QTest::newRow("highest first") << D{50, 50, 75} << I{2, 1, 0};
        QTest::newRow("swap carries past an equal") << D{60, 80, 60, 80} << I{1, 3, 2, 0};
        QTest::newRow("all equal keep file order") << D{50, 50, 50} << I{0, 1, 2};
        QTest::newRow("negative scores") << D{-10, 0, -20} << I{1, 0, 2};
    }

    void sortKeepsItsTieBreak()
    {
        QFETCH(std::vector<double>, scores);
        QFETCH(std::vector<int>, order);
        LanguageTables t;
        t.EngineCount = std::int16_t(scores.size());
        ScoreTables s;
        for (std::size_t e = 0; e < scores.size(); ++e) {
            s.Score[e] = scores[e];
            s.EngineOrder[e] = std::int16_t(40 - e);  // the sort must not build on an old order
        }
        SortEngines(s, t);
        for (std::size_t k = 0; k < order.size(); ++k) {
            QCOMPARE(s.EngineOrder[k], order[k]);
            QCOMPARE(s.SortedScore[k], scores[std::size_t(order[k])]);
        }
    }

    // Answer sequences against scores worked out by hand: a score is
    // (W + A) / 2W x 100 with the weight sum W and the agreement A, both
    // counting a weighted answer twice.
    void answerSequences_data()
    {
        // n Next; Y, N, S choose Yes, No or skip; W check the weight box;
        // B Back; R File > New.
        QTest::addColumn<QString>("actions");
        QTest::addColumn<bool>("backKey");
        QTest::addColumn<std::vector<double>>("scores");
        QTest::addColumn<int>("question");
        QTest::addColumn<int>("shownAnswer");
        QTest::addColumn<bool>("shownWeighted");
        using D = std::vector<double>;
        const D fresh{100, 100, 100};
        QTest::newRow("start only") << u"n"_qs << true << fresh << 0 << 1 << false;
        // A = 1, -1, 0; W = 1.
        QTest::newRow("yes") << u"nYn"_qs << true << D{100, 0, 50} << 1 << 1 << false;
        QTest::newRow("no") << u"nNn"_qs << true << D{0, 100, 50} << 1 << -1 << false;
        QTest::newRow("skip records nothing") << u"nSn"_qs << true << fresh << 1 << 0 << false;
        QTest::newRow("skip carries over to the end")
            << u"nSnnn"_qs << true << fresh << 3 << 0 << false;
        // Q1 Yes only: A = -1, 0.5, 1; W = 1.
        QTest::newRow("skip then yes") << u"nSnYn"_qs << true << D{0, 75, 100} << 2 << 1 << false;
        // A = 2 + 1 + 0.5, -2 - 0.5 + 1, 0 - 1 - 1; W = 2 + 1 + 1.
        QTest::newRow("weighted yes counts twice")
            << u"nYWnNnYn"_qs << true << D{93.75, 31.25, 25} << 3 << 1 << false;
        // A = 2 - 1 + 0.5, -2 + 0.5 + 1, 0 + 1 - 1; W = 4.
        QTest::newRow("weight asked anew at each question")
            << u"nYWnnn"_qs << true << D{68.75, 43.75, 50} << 3 << 1 << false;
        QTest::newRow("skip clears the weight")
            << u"nWSYn"_qs << true << D{100, 0, 50} << 1 << 1 << false;
        QTest::newRow("weight on a skip is refused")
            << u"nSWn"_qs << true << fresh << 1 << 0 << false;
        QTest::newRow("back shows the answer given")
            << u"nYnNnB"_qs << true << D{100, 0, 50} << 1 << -1 << false;
        QTest::newRow("back after a weighted answer")
            << u"nYnNWnB"_qs << true << D{100, 0, 50} << 1 << -1 << true;
        QTest::newRow("back to a skipped question")
            << u"nYnSnB"_qs << true << D{100, 0, 50} << 1 << 0 << false;
        // Y, N: A = 1 + 1, -1 - 0.5, 0 - 1; W = 2.
        QTest::newRow("back from the finished wizard")
            << u"nYnNnYnB"_qs << true << D{100, 12.5, 25} << 2 << 1 << false;
        // Y, Y: A = 1 - 1, -1 + 0.5, 0 + 1; W = 2.
        QTest::newRow("back, then another answer")
            << u"nYnNnBYn"_qs << true << D{50, 37.5, 75} << 2 << 1 << false;
        QTest::newRow("back twice to the first question")
            << u"nYWnNnBB"_qs << true << fresh << 0 << 1 << true;
        QTest::newRow("no back at the first question")
            << u"nYB"_qs << true << fresh << 0 << 1 << false;
        QTest::newRow("no back at the start") << u"B"_qs << true << fresh << 0 << 1 << false;
        QTest::newRow("no back without its caption")
            << u"nYnB"_qs << false << D{100, 0, 50} << 1 << 1 << false;
        QTest::newRow("new forgets every answer")
            << u"nYWnNnRnB"_qs << true << fresh << 0 << 1 << false;
        QTest::newRow("new, then Yes applies")
            << u"nNnRnn"_qs << true << D{100, 0, 50} << 1 << 1 << false;
    }

    void answerSequences()
    {
        QFETCH(QString, actions);
        QFETCH(bool, backKey);
        QFETCH(std::vector<double>, scores);
        QFETCH(int, question);
        QFETCH(int, shownAnswer);
        QFETCH(bool, shownWeighted);
        const LanguageTables tables = smallFile(backKey);
        RecordingView view;
        Wizard wizard(tables, view, [](const QString &) {});
        wizard.restart();
        for (const QChar action : actions) {
            switch (action.unicode()) {
            case u'n': wizard.nextPressed(); break;
            case u'Y': wizard.setAnswer(Wizard::Yes); break;
            case u'N': wizard.setAnswer(Wizard::No); break;
            case u'S': wizard.setAnswer(Wizard::Skip); break;
            case u'W': wizard.setWeighted(true); break;
            case u'B': wizard.backPressed(); break;
            case u'R': wizard.restart(); break;
            }
            // The view shows what the wizard applies at the next Next.
            if (action == u'n' || action == u'B' || action == u'R') {
                QCOMPARE(view.shownAnswer, wizard.Answer());
                QCOMPARE(view.shownWeighted, wizard.weighted());
            }
        }
        for (std::size_t e = 0; e < scores.size(); ++e)
            QCOMPARE(wizard.scores().Score[e], scores[e]);
        QCOMPARE(wizard.CurrentQuestion(), question);
        if (!wizard.finished() && view.layout == 1)
            QCOMPARE(view.question, question);
        QCOMPARE(wizard.Answer(), shownAnswer);
        QCOMPARE(wizard.weighted(), shownWeighted);
    }

    // Back recomputes rather than subtracts: after it, every sum is exactly
    // what the earlier answers alone give, even where subtracting would not
    // return to it in floating point.
    void backRestoresExactly()
    {
        LanguageTables tables = smallFile(true);
        tables.Matrix = {0.1, 0.7, 0, 0.2, 0.3, 0, 0.35, 1e16, 0};
        RecordingView view;
        Wizard wizard(tables, view, [](const QString &) {});
        wizard.restart();
        wizard.nextPressed();
        wizard.nextPressed();  // Yes to Q0
        const ScoreTables before = wizard.scores();
        wizard.setAnswer(Wizard::No);
        wizard.setWeighted(true);
        wizard.nextPressed();
        wizard.backPressed();
        for (int e = 0; e < 3; ++e) {
            QVERIFY(wizard.scores().Agreement[e] == before.Agreement[e]);
            QVERIFY(wizard.scores().WeightSum[e] == before.WeightSum[e]);
            QVERIFY(wizard.scores().Score[e] == before.Score[e]);
        }
        QVERIFY(wizard.weighted());
        QCOMPARE(wizard.Answer(), Wizard::No);
    }

    void resultLines_data()
    {
        QTest::addColumn<double>("score");
        QTest::addColumn<QString>("line");
        QTest::newRow("hundred") << 100.0 << u" 100% Name"_qs;
        QTest::newRow("fraction rounded down") << 62.5 << u" 62% Name"_qs;
        QTest::newRow("small negative") << -0.25 << u"-1% Name"_qs;
        QTest::newRow("huge") << 1e20 << u" 100000000000000000000% Name"_qs;
    }

    void resultLines()
    {
        QFETCH(double, score);
        QFETCH(QString, line);
        QCOMPARE(ResultLine(score, u"Name"_qs), line);
    }
};

QTEST_GUILESS_MAIN(ScoringTest)
#include "test_scoring.moc"
