// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks the language files that ship beside the program: they load clean and
// complete, are fair to every engine and agree with each other.
#include "check/fairness.h"
#include "config/accessiblenames.h"
#include "config/languagefile.h"
#include "config/profilereader.h"
#include "recordingreporter.h"
#include "testfiles.h"
#include "wizard/enginereasons.h"
#include "wizard/scoring.h"

#include <QSet>
#include <QtTest>

namespace {

const QString kShipped = QStringLiteral(ZV_SOURCE_DIR "/shipped/");
const QString kEnglish = kShipped + u"languages/en/zv.cfg"_qs;
const QString kGerman = kShipped + u"languages/de/zv.cfg"_qs;

zv::LanguageTables loadWithoutFailures(const QString &file)
{
    RecordingReporter failures;
    zv::LanguageTables tables = zv::LoadLanguage(file, failures).tables;
    if (!failures.failures.isEmpty())
        qFatal("%s: %s", qPrintable(file), qPrintable(failures.failures.join(u", ")));
    return tables;
}

// The engine at the top after these Yes/No answers, scored and sorted as the
// wizard does.
QString leader(const zv::LanguageTables &tables, QStringView answers)
{
    zv::ScoreTables scores;
    zv::ResetScores(scores, tables);
    for (int q = 0; q < answers.size(); ++q)
        zv::RescoreEngines(scores, tables, q, answers[q] == u'Y' ? 1 : -1);
    zv::SortEngines(scores, tables);
    return tables.EngineName[std::size_t(scores.EngineOrder[0])];
}

} // namespace

class TestShippedContent : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void languageFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("en") << kEnglish;
        QTest::newRow("de") << kGerman;
    }

    void languageFile()
    {
        QFETCH(QString, file);
        const zv::LanguageTables tables = loadWithoutFailures(file);
        QCOMPARE(tables.engines(), 14);
        // The loader fills in defaults, so presence is checked in the file itself: of
        // the keys the checker leaves optional here, of every other key by the checker's run
        // over the shipped files.
        QStringList keys = u"ENGINEINFO/FITS ENGINEINFO/AGAINST ENGINEINFO/TIED"_qs.split(u' ');
        for (const zv::AccessibleNameKey &k : zv::AccessibleNameKeys)
            keys << QLatin1String(zv::AccessibleNamesSection) + u'/' + QLatin1String(k.key);
        for (const QString &key : keys)
            QVERIFY2(!zv::ReadIniValue(key.section(u'/', 0, 0), key.section(u'/', 1), {}, file)
                          .isEmpty(),
                     qPrintable(key));
        for (const QByteArray &line : readTestFile(file).split('\n')) {
            const QByteArray v = line.mid(line.indexOf('=') + 1).trimmed();
            QVERIFY2(!line.contains('=') || (!v.isEmpty() && v != "???"), line.constData());
        }
    }

    // Over every set of answers: no engine leads too often, few leads are
    // decided by the file order, and every engine can lead on its own, except
    // where the file gives engines the same row on every question.
    void fairToEveryEngine()
    {
        QFETCH(QString, file);
        const zv::LanguageTables tables = loadWithoutFailures(file);
        const zv::Fairness fairness = zv::ComputeFairness(tables);
        for (int e = 0; e < tables.engines(); ++e) {
            const int leads = fairness.leadsAlone[e] + fairness.leadsByTieBreak[e];
            QVERIFY2(leads * 10 <= fairness.answerSets * 3, qPrintable(tables.EngineName[e]));
        }
        QVERIFY((fairness.topTies - fairness.topTiesOfIdenticalRows) * 10 <= fairness.answerSets);
        QSet<int> sameRows;
        for (const std::vector<int> &group : fairness.identicalRows)
            sameRows.unite(QSet<int>(group.cbegin(), group.cend()));
        for (const int e : fairness.neverLeadAlone)
            QVERIFY2(sameRows.contains(e), qPrintable(tables.EngineName[e]));
    }

    void fairToEveryEngine_data() { languageFile_data(); }

    // German offers the same engines, addresses and ranking as English; only the
    // language question asks about each file's own language.
    void languagesAgree()
    {
        const zv::LanguageTables en = loadWithoutFailures(kEnglish);
        const zv::LanguageTables de = loadWithoutFailures(kGerman);
        QVERIFY(de.EngineName == en.EngineName && de.EngineLink == en.EngineLink);
        QCOMPARE(de.questions(), en.questions());
        int differingQuestions = 0;
        for (int q = 0; q < en.questions(); ++q) {
            for (int e = 0; e < en.engines(); ++e) {
                if (de.matrixValue(e, q) != en.matrixValue(e, q)) {
                    ++differingQuestions;
                    break;
                }
            }
        }
        QVERIFY(differingQuestions <= 1);
    }

    // Profiles that the facts tie to one engine, answered in the English file's
    // question order (own index, several engines, no profile, no record,
    // ads only by search, no ads, pay, donations, not a company, AI, Europe,
    // English).
    void leadersFollowTheFacts_data()
    {
        QTest::addColumn<QString>("answers");
        for (const QString &run :
             u"Marginalia Search=YNYYYYNYYNNY,Google=YNNNNNNNNYNY,MetaGer=NYYYNNYNYNYN,"
             u"Kagi=NYNNNYYNNYNY,SearXNG=NYYYYYNYYNNY"_qs.split(u','))
            QTest::newRow(qPrintable(run.section(u'=', 0, 0))) << run.section(u'=', 1);
    }

    void leadersFollowTheFacts()
    {
        QFETCH(QString, answers);
        const zv::LanguageTables tables = loadWithoutFailures(kEnglish);
        QCOMPARE(answers.size(), tables.questions());
        QCOMPARE(leader(tables, answers), QString::fromUtf8(QTest::currentDataTag()));
    }

    // A row's reasons, spoken before its facts, stay short after a whole run.
    void reasonsAreShort()
    {
        QFETCH(QString, file);
        const zv::LanguageTables tables = loadWithoutFailures(file);
        const int n = tables.questions();
        for (const QString &answers :
             {u"Y"_qs.repeated(n), u"N"_qs.repeated(n), u"YN"_qs.repeated(n).left(n),
              u"NY"_qs.repeated(n).left(n), u"YYNNNNNNNYNY"_qs.left(n)}) {
            zv::ScoreTables scores;
            zv::ResetScores(scores, tables);
            zv::GivenAnswers given{};
            for (int q = 0; q < n; ++q) {
                given[std::size_t(q)] = answers[q] == u'Y' ? 1 : -1;
                zv::RescoreEngines(scores, tables, q, given[std::size_t(q)]);
            }
            zv::SortEngines(scores, tables);
            for (int e = 0; e < tables.engines(); ++e) {
                QStringList reasons;
                for (const zv::ReasonParagraph &p : zv::EngineReasons(e, tables, given, scores)) {
                    if (!p.heading.isEmpty())  // the facts have none
                        reasons += QStringList{p.heading} + p.lines;
                }
                const qsizetype words =
                    reasons.join(u' ').split(u' ', Qt::SkipEmptyParts).size();
                if (words >= 40)
                    QFAIL(qPrintable(u"%1 words for %2 after %3: %4"_qs.arg(words).arg(
                        tables.EngineName[std::size_t(e)], answers, reasons.join(u'|'))));
            }
        }
    }

    void reasonsAreShort_data() { languageFile_data(); }
};

QTEST_GUILESS_MAIN(TestShippedContent)
#include "test_shipped_content.moc"
