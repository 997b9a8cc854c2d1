// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "check/fairness.h"
#include "config/languagefile.h"
#include "recordingreporter.h"
#include "testfiles.h"
#include "wizard/scoring.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <set>
#include <vector>

using Counts = std::vector<int>;
using Groups = std::vector<std::vector<int>>;

class FairnessTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Three engines and at most two questions, so each row can be counted by
    // hand over the answer sets YY, YN, NY and NN, and with skips also over
    // YS, NS, SY and SN.
    void countsEveryAnswerSet_data()
    {
        QTest::addColumn<bool>("skips");
        QTest::addColumn<int>("questions");
        QTest::addColumn<QByteArray>("matrix");
        QTest::addColumn<Counts>("alone");
        QTest::addColumn<Counts>("byTieBreak");
        QTest::addColumn<int>("topTies");
        QTest::addColumn<int>("identicalTies");
        QTest::addColumn<Counts>("neverAlone");
        QTest::addColumn<Groups>("identical");
        // YY ties all three (engine 0 first), YN engine 0 alone, NY the twins
        // 1 and 2 (engine 1 first), NN all three again.
        const QByteArray twins = "S0=2,0\nS1=0,2\nS2=0,2\n";
        QTest::newRow("twins") << false << 2 << twins << Counts{1, 0, 0} << Counts{2, 1, 0} << 3
                               << 1 << Counts{1, 2} << Groups{{1, 2}};
        // YS and SN engine 0 alone too; NS and SY the twins, engine 1 first.
        QTest::newRow("twins with skips") << true << 2 << twins << Counts{3, 0, 0}
                                          << Counts{2, 3, 0} << 5 << 3 << Counts{1, 2}
                                          << Groups{{1, 2}};
        // Agreements: YY 1.5, 1, 0; YN 0.5, 1, -2; NY -0.5, -1, 2; NN -1.5, -1, 0.
        const QByteArray apart = "S0=2,1\nS1=2,0\nS2=-2,2\n";
        QTest::newRow("each leads alone") << false << 2 << apart << Counts{1, 1, 2}
                                          << Counts{0, 0, 0} << 0 << 0 << Counts{} << Groups{};
        // YS 1, 1, -1 (a tie of unequal rows); NS -1, -1, 1; SY 0.5, 0, 1; SN -0.5, 0, -1.
        QTest::newRow("each leads alone, with skips")
            << true << 2 << apart << Counts{1, 2, 4} << Counts{1, 0, 0} << 1 << 0 << Counts{}
            << Groups{};
        // Numbers too large to count in halves are summed as the wizard sums them.
        const QByteArray large = "S0=200000000,100000000\nS1=200000000,0\n"
                                 "S2=-200000000,200000000\n";
        QTest::newRow("large numbers") << false << 2 << large << Counts{1, 1, 2}
                                       << Counts{0, 0, 0} << 0 << 0 << Counts{} << Groups{};
        QTest::newRow("large numbers, with skips")
            << true << 2 << large << Counts{1, 2, 4} << Counts{1, 0, 0} << 1 << 0 << Counts{}
            << Groups{};
        // A file without questions has one answer set, where nothing moves, and
        // none with a skip.
        const QByteArray none = "S0=2\nS1=-2\nS2=\n";
        QTest::newRow("no questions") << false << 0 << none << Counts{0, 0, 0} << Counts{1, 0, 0}
                                      << 1 << 1 << Counts{0, 1, 2} << Groups{{0, 1, 2}};
        QTest::newRow("no questions, with skips")
            << true << 0 << none << Counts{0, 0, 0} << Counts{0, 0, 0} << 0 << 0
            << Counts{0, 1, 2} << Groups{{0, 1, 2}};
    }

    void countsEveryAnswerSet()
    {
        QFETCH(bool, skips);
        QFETCH(int, questions);
        QFETCH(QByteArray, matrix);
        QFETCH(Counts, alone);
        QFETCH(Counts, byTieBreak);
        QFETCH(int, topTies);
        QFETCH(int, identicalTies);
        QFETCH(Counts, neverAlone);
        QFETCH(Groups, identical);
        QTemporaryDir dir;
        const QByteArray file = "[SEARCHENGINES]\nCOUNT=3\n[QUESTIONS]\nCOUNT="
                                + QByteArray::number(questions) + "\n[MATRIX]\n" + matrix;
        RecordingReporter failures;
        const zv::LanguageTables tables =
            zv::LoadLanguage(writeTestFile(dir, u"zv.cfg"_qs, file), failures).tables;
        QVERIFY(failures.failures.isEmpty());

        const zv::Fairness fairness = zv::ComputeFairness(
            tables, skips ? zv::AnswerSets::WithSkips : zv::AnswerSets::YesNo);
        QCOMPARE(fairness.answerSets, skips ? int(std::pow(3, questions)) - 1 : 1 << questions);
        QVERIFY(fairness.leadsAlone == alone);
        QVERIFY(fairness.leadsByTieBreak == byTieBreak);
        QCOMPARE(fairness.topTies, topTies);
        QCOMPARE(fairness.topTiesOfIdenticalRows, identicalTies);
        QVERIFY(fairness.neverLeadAlone == neverAlone);
        QVERIFY(fairness.identicalRows == identical);
    }

    // Against the wizard's own scoring and sort, answer set by answer set, on
    // matrices no one counted by hand: halves as files give them, and tenths,
    // which the enumeration must sum as the wizard does.
    void matchesTheWizard_data()
    {
        QTest::addColumn<double>("unit");
        QTest::addColumn<bool>("skips");
        for (const bool skips : {false, true}) {
            QTest::addRow("halves%s", skips ? ", with skips" : "") << 0.5 << skips;
            QTest::addRow("tenths%s", skips ? ", with skips" : "") << 0.1 << skips;
        }
    }

    void matchesTheWizard()
    {
        QFETCH(double, unit);
        QFETCH(bool, skips);
        zv::LanguageTables tables;
        tables.EngineCount = 6;
        tables.QuestionCount = 6;
        tables.QuestionWeight.fill(1);
        QRandomGenerator random(1717);
        for (int i = 0; i < 36; ++i)
            tables.Matrix[std::size_t(i)] = unit * (random.bounded(5) - 2);
        for (int q = 0; q < 6; ++q)  // engine 4 repeats engine 1's row
            tables.Matrix[std::size_t(4 * 6 + q)] = tables.Matrix[std::size_t(6 + q)];

        zv::Fairness expected;
        expected.leadsAlone.assign(6, 0);
        expected.leadsByTieBreak.assign(6, 0);
        zv::GivenAnswers answers{};
        const int sets = skips ? 729 : 64;
        for (int set = 0; set < sets; ++set) {
            bool answered = false;
            for (int q = 0, rest = set; q < 6; ++q, rest /= skips ? 3 : 2) {
                const int digit = rest % (skips ? 3 : 2);
                answers[std::size_t(q)].answer = std::int16_t(digit == 0 ? 1 : digit == 1 ? -1 : 0);
                answered = answered || digit < 2;
            }
            if (!answered)
                continue;
            zv::ScoreTables scores;
            zv::ScoreAnswers(scores, tables, answers, 6);
            zv::SortEngines(scores, tables);
            ++expected.answerSets;
            const int leader = scores.EngineOrder[0];
            int sharing = 0;
            bool onlyTwins = true;
            for (int e = 0; e < 6; ++e) {
                if (e != leader && scores.Score[e] == scores.Score[leader]) {
                    ++sharing;
                    onlyTwins = onlyTwins && std::set{1, 4}.count(e) && std::set{1, 4}.count(leader);
                }
            }
            if (sharing == 0) {
                ++expected.leadsAlone[std::size_t(leader)];
                continue;
            }
            ++expected.leadsByTieBreak[std::size_t(leader)];
            ++expected.topTies;
            expected.topTiesOfIdenticalRows += onlyTwins;
        }
        const zv::Fairness fairness = zv::ComputeFairness(
            tables, skips ? zv::AnswerSets::WithSkips : zv::AnswerSets::YesNo);
        QCOMPARE(fairness.answerSets, expected.answerSets);
        QVERIFY(fairness.leadsAlone == expected.leadsAlone);
        QVERIFY(fairness.leadsByTieBreak == expected.leadsByTieBreak);
        QCOMPARE(fairness.topTies, expected.topTies);
        QCOMPARE(fairness.topTiesOfIdenticalRows, expected.topTiesOfIdenticalRows);
    }
};

QTEST_GUILESS_MAIN(FairnessTest)
#include "test_fairness.moc"
