// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks the language files that ship beside the program: they load clean and
// complete, are fair to every engine and agree with each other.
#include "check/fairness.h"
#include "config/accessiblenames.h"
#include "config/languagefile.h"
#include "config/languagekeys.h"
#include "config/profilereader.h"
#include "config/profilesnapshot.h"
#include "recordingreporter.h"
#include "testfiles.h"
#include "wizard/enginereasons.h"
#include "wizard/scoring.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

const QString kShipped = QStringLiteral(ZV_SOURCE_DIR "/shipped/");
const QString kEnglish = kShipped + u"languages/en/zv.cfg"_qs;

// Every shipped language: its code, the name of its folder.
QStringList shippedLanguages()
{
    return QDir(kShipped + u"languages"_qs).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
}

QString languageFileOf(const QString &code)
{
    return kShipped + u"languages/"_qs + code + u"/zv.cfg"_qs;
}

// Every key line of a file as section/key -> value.
QMap<QString, QString> keyValues(const QString &file)
{
    const zv::ProfileSnapshot snapshot = zv::ProfileSnapshot::fromFile(file);
    QMap<QString, QString> values;
    for (const zv::ProfileSnapshot::Key &key : snapshot.keys()) {
        const auto &section = snapshot.sections()[std::size_t(key.section)];
        values.insert(snapshot.sectionName(section) + u'/' + snapshot.keyName(key),
                      snapshot.keyValue(key).value_or(QString()));
    }
    return values;
}

// The engines whose facts differ for the readers of a language, from the
// facts file: their matrix cells may differ from English beyond the language
// question.
QStringList enginesDifferingFor(const QString &code)
{
    const QJsonObject facts =
        QJsonDocument::fromJson(readTestFile(QStringLiteral(ZV_SOURCE_DIR "/facts/engines.json")))
            .object();
    QStringList names;
    for (const QJsonValue engine : facts.value(u"engines").toArray()) {
        if (engine[u"by_language"].toObject().contains(code))
            names << engine[u"name"].toString();
    }
    return names;
}

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

// The key rows of the help page chapter that `link` leads to (a page and
// the id of its heading), one line each: "SECTION KEY default", a numbered
// key as its prefix followed by "<n>".
QStringList helpPageKeyRows(const QUrl &link)
{
    const QString page = QString::fromUtf8(readTestFile(link.toLocalFile()));
    const qsizetype heading = page.indexOf(u"<h2 id=\""_qs + link.fragment() + u'"');
    if (heading < 0)
        return {u"no chapter "_qs + link.toString()};
    const QString chapter = page.sliced(heading, page.indexOf(u"<h2"_qs, heading + 1) - heading);
    static const QRegularExpression row(
        uR"(<tr><td>([A-Z]+)</td><td>([A-Z0-9]+)(<i>n</i>)?</td><td>(.*?)</td>)"_qs);
    static const QRegularExpression code(uR"(^<code>(.*)</code>$)"_qs);
    QStringList rows;
    auto rowMatches = row.globalMatch(chapter);
    while (rowMatches.hasNext()) {
        const QRegularExpressionMatch m = rowMatches.next();
        const QRegularExpressionMatch shown = code.match(m.captured(4));
        QString defaultValue = shown.hasMatch() ? shown.captured(1) : QString();
        defaultValue.replace(u"&lt;"_qs, u"<"_qs).replace(u"&gt;"_qs, u">"_qs);
        defaultValue.replace(u"&amp;"_qs, u"&"_qs);
        rows << m.captured(1) + u' ' + m.captured(2) + (m.hasCaptured(3) ? u"<n>"_qs : QString())
                    + u' ' + defaultValue;
    }
    return rows;
}

} // namespace

class TestShippedContent : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void languageFile_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString &code : shippedLanguages())
            QTest::newRow(qPrintable(code)) << languageFileOf(code);
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
            keys << QLatin1String(k.key.section) + u'/' + QLatin1String(k.key.key);
        for (const QString &key : keys)
            QVERIFY2(!zv::ReadIniValue(key.section(u'/', 0, 0), key.section(u'/', 1), {}, file)
                          .isEmpty(),
                     qPrintable(key));
        for (const QByteArray &line : readTestFile(file).split('\n')) {
            const QByteArray v = line.mid(line.indexOf('=') + 1).trimmed();
            QVERIFY2(!line.contains('=') || (!v.isEmpty() && v != "???"), line.constData());
        }
    }

    // Each help page's reference of the language file, its own or the one it
    // links to, lists exactly the keys the program reads, each with its
    // default (a shown default in <code>, "empty" for none).
    void helpPageListsTheKeys_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("linkToReference");
        QTest::newRow("en") << u"zvs.html"_qs << u"#language"_qs;
        for (const QString &code : shippedLanguages()) {
            if (code != u"en")
                QTest::newRow(qPrintable(code)) << u"languages/"_qs + code + u"/zvs.html"_qs
                                                << u"../../zvs.html#language"_qs;
        }
    }

    void helpPageListsTheKeys()
    {
        QFETCH(QString, page);
        QFETCH(QString, linkToReference);
        const QUrl pageUrl = QUrl::fromLocalFile(kShipped + page);
        if (!linkToReference.startsWith(u'#')) {
            QVERIFY(QString::fromUtf8(readTestFile(pageUrl.toLocalFile()))
                        .contains(u"href=\""_qs + linkToReference + u'"'));
        }
        QStringList table;
        for (const zv::LanguageKey &k : zv::LanguageKeys) {
            table << QLatin1String(k.section) + u' ' + QLatin1String(k.key)
                         + (k.numbering == zv::KeyNumbering::Single ? QString() : u"<n>"_qs)
                         + u' ' + k.defaultText();
        }
        QStringList listed = helpPageKeyRows(pageUrl.resolved(QUrl(linkToReference)));
        table.sort();
        listed.sort();
        QCOMPARE(listed, table);
    }

    // Over every set of Yes/No answers: no engine leads alone too often, few
    // tops are shared (also over the sets with skips), and every engine can lead on its own, except where the
    // file gives engines the same row on every question. Every question's Yes
    // lifts one engine and lowers another, and so does its No.
    void fairToEveryEngine()
    {
        QFETCH(QString, file);
        const zv::LanguageTables tables = loadWithoutFailures(file);
        const zv::Fairness fairness = zv::ComputeFairness(tables);
        for (int e = 0; e < tables.engines(); ++e)
            QVERIFY2(fairness.leadsAlone[e] * 4 <= fairness.answerSets,
                     qPrintable(tables.EngineName[e]));
        QVERIFY((fairness.topTies - fairness.topTiesOfIdenticalRows) * 100
                <= fairness.answerSets * 11);
        // With "No preference" fewer answers tell engines apart, so more tops are shared.
        const zv::Fairness withSkips = zv::ComputeFairness(tables, zv::AnswerSets::WithSkips);
        QVERIFY(qint64(withSkips.topTies - withSkips.topTiesOfIdenticalRows) * 100
                <= qint64(withSkips.answerSets) * 20);
        QSet<int> sameRows;
        for (const std::vector<int> &group : fairness.identicalRows)
            sameRows.unite(QSet<int>(group.cbegin(), group.cend()));
        for (const int e : fairness.neverLeadAlone)
            QVERIFY2(sameRows.contains(e), qPrintable(tables.EngineName[e]));
        for (int q = 0; q < tables.questions(); ++q) {
            bool lifts = false;
            bool lowers = false;
            for (int e = 0; e < tables.engines(); ++e) {
                lifts = lifts || tables.matrixValue(e, q) > 0;
                lowers = lowers || tables.matrixValue(e, q) < 0;
            }
            QVERIFY2(lifts && lowers, qPrintable(tables.QuestionText[q]));
        }
    }

    // The bars are the content's, met by the English and German files; the
    // other languages share their rows except where the facts differ for
    // their readers (checked in languagesAgree).
    void fairToEveryEngine_data()
    {
        QTest::addColumn<QString>("file");
        for (const char *code : {"en", "de"})
            QTest::newRow(code) << languageFileOf(QLatin1String(code));
    }

    // Every language offers the same engines, addresses and keys as English,
    // in its own words; its matrix differs only in the language question and
    // where the facts file states that a fact differs for its readers.
    void languagesAgree_data()
    {
        QTest::addColumn<QString>("code");
        for (const QString &code : shippedLanguages()) {
            if (code != u"en")
                QTest::newRow(qPrintable(code)) << code;
        }
    }

    void languagesAgree()
    {
        QFETCH(QString, code);
        const zv::LanguageTables en = loadWithoutFailures(kEnglish);
        const zv::LanguageTables other = loadWithoutFailures(languageFileOf(code));
        QVERIFY(other.EngineName == en.EngineName && other.EngineLink == en.EngineLink);
        QCOMPARE(other.questions(), en.questions());
        const QStringList differing = enginesDifferingFor(code);
        const int languageQuestion = en.questions() - 1;
        for (int e = 0; e < en.engines(); ++e) {
            for (int q = 0; q < languageQuestion; ++q) {
                if (!differing.contains(en.EngineName[std::size_t(e)]))
                    QCOMPARE(other.matrixValue(e, q), en.matrixValue(e, q));
            }
        }
        const QMap<QString, QString> english = keyValues(kEnglish);
        const QMap<QString, QString> own = keyValues(languageFileOf(code));
        QCOMPARE(own.keys(), english.keys());
        QStringList untranslated;
        for (auto k = english.cbegin(); k != english.cend(); ++k) {
            static const QRegularExpression shared(u"^(ENGINES|LINKS|MATRIX|SEARCHENGINES)/"_qs);
            if (!shared.match(k.key()).hasMatch() && k.key() != u"QUESTIONS/COUNT"
                && own.value(k.key()) == k.value())
                untranslated << k.key();
        }
        // A few words are the same in many languages ("OK", "Version %1").
        QVERIFY2(untranslated.size() <= 5, qPrintable(untranslated.join(u", ")));
        QVERIFY(!own.value(u"QUESTIONS/Q%1"_qs.arg(languageQuestion)).isEmpty());
        QCOMPARE(own.value(u"GENERAL/CODE"_qs), code);
    }

    // Profiles that the facts tie to one engine, answered in the English file's
    // question order (Google's, Bing's, independent index, several engines,
    // whole web, privacy, no ads, pay, AI, family filter, EU, not a company,
    // open source, cause, English).
    void leadersFollowTheFacts_data()
    {
        QTest::addColumn<QString>("answers");
        for (const QString &run :
             u"Google=YNNNYNNNYYNNNNY,Swisscows=NYNNYYNNNYNNNNN,Marginalia Search=NNYNNYYNNNYYYNY,"
             u"MetaGer=NNNYYYYYNNYYYNN,Ecosia=YYNNYYNNYNYNNYN,Kagi=NNNYYYYYYYNNNNY"_qs.split(u','))
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
              u"NY"_qs.repeated(n).left(n), u"YYNNNNNNNYNYYNNY"_qs.left(n)}) {
            zv::ScoreTables scores;
            zv::ResetScores(scores, tables);
            zv::GivenAnswers given{};
            for (int q = 0; q < n; ++q) {
                given[std::size_t(q)].answer = answers[q] == u'Y' ? 1 : -1;
                zv::RescoreEngines(scores, tables, q, given[std::size_t(q)].answer);
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
