// Checks the language files, skins and help page that ship beside the program:
// complete, fair to every engine, consistent between languages, readable colours.
#include "check/fairness.h"
#include "config/accessiblenames.h"
#include "config/languagefile.h"
#include "config/profilereader.h"
#include "config/textencoding.h"
#include "recordingreporter.h"
#include "wizard/scoring.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <cmath>

namespace {

const QString kShipped = QStringLiteral(ZV_SOURCE_DIR "/shipped/");
const QString kEnglish = kShipped + u"languages/en/zv.cfg"_qs;
const QString kGerman = kShipped + u"languages/de/zv.cfg"_qs;

// The text the file holds for the key; empty where the key is missing.
QString value(const QString &file, const QString &section, const QString &key)
{
    return zv::ReadIniValue(section, key, QString(), file);
}

zv::LanguageTables loadWithoutFailures(const QString &file)
{
    RecordingReporter failures;
    zv::LanguageTables tables = zv::LoadLanguage(file, failures).tables;
    if (!failures.failures.isEmpty())
        qFatal("%s: %s", qPrintable(file), qPrintable(failures.failures.join(u", ")));
    return tables;
}

// The engine listed first after these answers, Y or N for each question in turn.
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
        const int engines = tables.engines();
        const int questions = tables.questions();
        QCOMPARE(engines, 14);
        QVERIFY(questions > 0 && questions == tables.QuestionCount);

        // The loader fills in defaults, so presence is checked in the file itself.
        QStringList keys = u"GENERAL/LANGUAGE URL/URL1 URL/URL2 EXPLANATION/TEXT STARTEND/WELCOME "
                           u"STARTEND/FINISHED TOOLTIP/SELIST TOOLTIP/TIPSTART TOOLTIP/TIPNEXT "
                           u"TOOLTIP/TIPLAUNCH ABOUT/LANGUAGE ENGINEINFO/FITS ENGINEINFO/AGAINST "
                           u"ENGINEINFO/TIED"_qs.split(u' ');
        for (const zv::AccessibleNameKey &k : zv::AccessibleNameKeys)
            keys << QLatin1String(zv::AccessibleNamesSection) + u'/' + QLatin1String(k.key);
        for (int n = 0; n < engines; ++n)
            keys << u"ENGINES/ENGINE%1"_qs.arg(n);
        for (int n = 0; n < questions; ++n)
            keys << u"QUESTIONS/Q%1"_qs.arg(n) << u"QUESTIONS/Y%1"_qs.arg(n)
                 << u"QUESTIONS/N%1"_qs.arg(n);
        for (const QString &key : keys) {
            const QString v = value(file, key.section(u'/', 0, 0), key.section(u'/', 1));
            QVERIFY2(!v.trimmed().isEmpty() && v != u"???"_qs, qPrintable(key));
        }
        // Facts age: every paragraph says when its sources are from.
        const QRegularExpression dated(u"2023\\D+2025\\.$"_qs);
        for (int n = 0; n < engines; ++n) {
            const QString info = value(file, u"ENGINEINFO"_qs, u"INFO%1"_qs.arg(n));
            QVERIFY2(dated.match(info).hasMatch(), qPrintable(info));
        }

        // Every menu caption has an access key, distinct within its own menu.
        const QString menus =
            u"FILE TRUTH MONEY HELP,NEW EXIT,CONTENTS ONLINE ABOUT,TRUTH1,MONEY1"_qs;
        for (const QString &menu : menus.split(u',')) {
            QString letters;
            for (const QString &key : menu.split(u' '))
                letters += value(file, u"MENU"_qs, key).section(u'&', 1, 1).left(1).toLower();
            const QSet<QChar> distinct(letters.cbegin(), letters.cend());
            QVERIFY2(letters.size() == menu.count(u' ') + 1 && distinct.size() == letters.size(),
                     qPrintable(menu));
        }

        // The sort puts equal scores in file order, so only an alphabetical file
        // favours no engine. Matrix rows are checked raw, as the loader lets a
        // long row spill into the next engine's.
        const QRegularExpression row(u"^(-?[0-2],){%1}-?[0-2]$"_qs.arg(questions - 1));
        QSet<QString> links;
        for (int e = 0; e < engines; ++e) {
            if (e > 0)
                QVERIFY(tables.EngineName[e - 1].compare(tables.EngineName[e], Qt::CaseInsensitive)
                        < 0);
            const QString &link = tables.EngineLink[e];
            QVERIFY2(link.startsWith(u"https://") && !link.contains(u' '), qPrintable(link));
            links.insert(link);
            const QString scores = value(file, u"MATRIX"_qs, u"S%1"_qs.arg(e));
            QVERIFY2(row.match(scores).hasMatch(), qPrintable(scores));
        }
        QCOMPARE(links.size(), engines);

        // A question whose No lifts no engine only votes against those its Yes lifts.
        for (int q = 0; q < questions; ++q) {
            bool yesLifts = false;
            bool noLifts = false;
            for (int e = 0; e < engines; ++e) {
                yesLifts = yesLifts || tables.matrixValue(e, q) > 0;
                noLifts = noLifts || tables.matrixValue(e, q) < 0;
            }
            QVERIFY2(yesLifts && noLifts, qPrintable(tables.QuestionText[q]));
        }
    }

    void paragraphsNameTheirEngineFirst_data() { languageFile_data(); }

    // So that no paragraph sits beside another engine's row.
    void paragraphsNameTheirEngineFirst()
    {
        QFETCH(QString, file);
        QStringList misplaced;
        for (int n = 0; n < loadWithoutFailures(file).engines(); ++n) {
            const QString name = value(file, u"ENGINES"_qs, u"ENGINE%1"_qs.arg(n));
            if (!value(file, u"ENGINEINFO"_qs, u"INFO%1"_qs.arg(n)).startsWith(name + u' '))
                misplaced.append(name);
        }
        QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced.join(u", ")));
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

    void germanIsUtf8()
    {
        QFile f(kGerman);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(zv::isValidUtf8(f.readAll()));
        QCOMPARE(value(kGerman, u"TOOLTIP"_qs, u"TIPNEXT"_qs), u"Nächste Frage"_qs);
    }

    void skinContrast()
    {
        for (const char *skin : {"dark", "light"}) {
            const QString file = kShipped + u"skins/%1/skin.cfg"_qs.arg(QLatin1String(skin));
            for (const QString &pair :
                 u"FORM QUESTION LIST ANSWER TEXT EXPL FRAME1"_qs.split(u' ')) {
                double light[2] = {0.05, 0.05}; // WCAG relative luminance + 0.05: fore, back
                for (int i = 0; i < 2; ++i) {
                    const QString key = pair + (i ? u"_BACKCOLOR"_qs : u"_FORECOLOR"_qs);
                    bool ok = false;
                    // Colour numbers are red + 256 * green + 65536 * blue.
                    quint32 colour = value(file, u"COLOR"_qs, key).toUInt(&ok);
                    QVERIFY2(ok && colour <= 0xFFFFFF, qPrintable(file + u' ' + key));
                    for (const double weight : {0.2126, 0.7152, 0.0722}) {
                        const double c = (colour & 255) / 255.0;
                        light[i] +=
                            weight
                            * (c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
                        colour >>= 8;
                    }
                }
                QVERIFY2(std::max(light[0], light[1]) >= 4.5 * std::min(light[0], light[1]),
                         qPrintable(file + u' ' + pair));
            }
        }
    }

    void helpPagesAreSelfContained()
    {
        for (const QString &name : {u"zvs.html"_qs, u"languages/de/zvs.html"_qs}) {
            QFile f(kShipped + name);
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(name));
            const QString page = QString::fromUtf8(f.readAll()).toLower();
            for (const char *external : {"<script", "<link", "src=", "url(", "@import"})
                QVERIFY2(!page.contains(QLatin1String(external)), external);
            // Links to another shipped page lead to a section there.
            static const QRegularExpression link(u"href=\"([^\"#:]+)#([^\"]+)\""_qs);
            for (const QRegularExpressionMatch &m : link.globalMatch(page)) {
                QFile target(QFileInfo(f).dir().filePath(m.captured(1)));
                QVERIFY2(target.open(QIODevice::ReadOnly), qPrintable(m.captured(0)));
                QVERIFY2(target.readAll().contains("id=\"" + m.captured(2).toUtf8() + '"'),
                         qPrintable(m.captured(0)));
            }
        }
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
};

QTEST_GUILESS_MAIN(TestShippedContent)
#include "test_shipped_content.moc"
