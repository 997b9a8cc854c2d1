// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wizard/scoring.h"
#include "wizard/spokentexts.h"

#include <QTest>

#include <vector>

using namespace zv;

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

    // What a screen reader says at the finish: the leaders without words of
    // the program's own, or in the file's words.
    void spokenTexts_data()
    {
        QTest::addColumn<std::vector<double>>("scores");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("bestMatch");
        QTest::newRow("leader's row") << std::vector{50.0, 75.5, 60.0} << QString() << u"75% B"_qs;
        QTest::newRow("every leader's row")
            << std::vector{75.0, 75.0, 60.0} << QString() << u"75% A, 75% B"_qs;
        QTest::newRow("worded, shared top")
            << std::vector{60.0, 75.0, 75.0} << u"Best: %1, %2 %"_qs << u"Best: B / C, 75 %"_qs;
        QTest::newRow("score as listed") << std::vector{-12.5, -20.0, -30.0} << u"%1 %2"_qs
                                         << u"A -13"_qs;
        QTest::newRow("no engines") << std::vector<double>{} << u"%1"_qs << QString();
    }

    void spokenTexts()
    {
        QFETCH(std::vector<double>, scores);
        QFETCH(QString, format);
        QFETCH(QString, bestMatch);
        LanguageTables t;
        t.EngineCount = std::int16_t(scores.size());
        t.EngineName = {u"A"_qs, u"B"_qs, u"C"_qs};
        ScoreTables s;
        std::copy(scores.begin(), scores.end(), s.Score.begin());
        SortEngines(s, t);
        QCOMPARE(bestMatchText(format, s, t), bestMatch);
        QCOMPARE(positionText(format.isEmpty() ? format : u"Q %1 of %2"_qs, 2, 12),
                 format.isEmpty() ? u"3/12"_qs : u"Q 3 of 12"_qs);
    }
};

QTEST_GUILESS_MAIN(ScoringTest)
#include "test_scoring.moc"
