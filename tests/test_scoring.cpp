#include "wizard/scoring.h"

#include <QTest>

#include <vector>

using namespace zv;

namespace {

// Tables for `engines` engines of `questions` questions with the given
// matrix values, row by row.
LanguageTables tablesWith(int engines, int questions, const std::vector<double> &matrix)
{
    LanguageTables t;
    t.EngineCount = std::int16_t(engines);
    t.QuestionCount = std::int16_t(questions);
    for (int e = 0; e < engines; ++e)
        t.EngineName[std::size_t(e)] = QStringLiteral("E%1").arg(e);
    for (int q = 0; q < questions; ++q)
        t.QuestionWeight[std::size_t(q)] = 1;
    for (std::size_t i = 0; i < matrix.size(); ++i)
        t.Matrix[i] = matrix[i];
    return t;
}

} // namespace

class ScoringTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scoresFollowTheAnswers_data()
    {
        QTest::addColumn<std::vector<double>>("values");   // one engine's matrix values
        QTest::addColumn<std::vector<int>>("answers");     // 1 Yes, -1 No
        QTest::addColumn<std::vector<double>>("scores");   // after each answer
        using D = std::vector<double>;
        using I = std::vector<int>;
        QTest::newRow("no against it") << D{1} << I{-1} << D{0};
        QTest::newRow("mean over answers") << D{1, -0.5} << I{1, 1} << D{100, 62.5};
        QTest::newRow("beyond the usual range") << D{-1.5} << I{1} << D{-25};
    }

    void scoresFollowTheAnswers()
    {
        QFETCH(std::vector<double>, values);
        QFETCH(std::vector<int>, answers);
        QFETCH(std::vector<double>, scores);
        const LanguageTables t = tablesWith(1, int(values.size()), values);
        ScoreTables s;
        ResetScores(s, t);
        for (std::size_t q = 0; q < answers.size(); ++q) {
            RescoreEngines(s, t, int(q), answers[q]);
            QCOMPARE(s.Score[0], scores[q]);
        }
    }

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
        QTest::newRow("no engines") << D{} << I{};
    }

    void sortKeepsItsTieBreak()
    {
        QFETCH(std::vector<double>, scores);
        QFETCH(std::vector<int>, order);
        const LanguageTables t = tablesWith(int(scores.size()), 1, {});
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
};

QTEST_GUILESS_MAIN(ScoringTest)
#include "test_scoring.moc"
