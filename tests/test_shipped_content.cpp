// Checks the language files, skins and help page that ship beside the program:
// complete, consistent between languages, readable colours, right encoding.
#include "config/languagefile.h"
#include "config/profilereader.h"
#include "config/textencoding.h"
#include "recordingreporter.h"
#include "wizard/wizardflow.h"

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

// The leader the wizard shows after these Yes/No answers to the first
// questions of the English file.
QString leader(QStringView answers)
{
    static const zv::LanguageTables tables = loadWithoutFailures(kEnglish);
    struct : zv::WizardView
    {
        std::int16_t state = 0;
        void SetLayout(std::int16_t iState) override { state = iState; }
        std::int16_t layoutState() const override { return state; }
        void Question(std::int16_t) override {}
        void WriteResults() override {}
        void selectYes() override {}
    } view;
    zv::Wizard wizard(tables, view, [](const QString &) {});
    wizard.ResetWizard();
    wizard.nextPressed();  // leaves the start
    for (const QChar answer : answers) {
        wizard.setAnswer(answer == u'Y' ? zv::Wizard::Yes : zv::Wizard::No);
        wizard.nextPressed();
    }
    wizard.sortedResultLines();
    return tables.EngineName[std::size_t(wizard.engineAtRow(0))];
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
        QVERIFY(questions >= 9 && questions <= 12);

        // The loader fills in defaults, so presence is checked in the file itself.
        QStringList keys = u"GENERAL/LANGUAGE URL/URL1 URL/URL2 EXPLANATION/TEXT STARTEND/WELCOME "
                           u"STARTEND/FINISHED TOOLTIP/SELIST TOOLTIP/TIPSTART TOOLTIP/TIPNEXT "
                           u"TOOLTIP/TIPLAUNCH ABOUT/LANGUAGE"_qs.split(u' ');
        for (int n = 0; n < engines; ++n)
            keys << u"ENGINES/ENGINE%1"_qs.arg(n);
        for (int n = 0; n < questions; ++n)
            keys << u"QUESTIONS/Q%1"_qs.arg(n) << u"QUESTIONS/Y%1"_qs.arg(n)
                 << u"QUESTIONS/N%1"_qs.arg(n);
        for (const QString &key : keys) {
            const QString v = value(file, key.section(u'/', 0, 0), key.section(u'/', 1));
            QVERIFY2(!v.trimmed().isEmpty() && v != u"???"_qs, qPrintable(key));
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

        // Links go without scheme (the program puts it in front); matrix rows are
        // checked raw, as the loader lets a long row spill into the next engine's.
        const QRegularExpression row(u"^(-?[0-2],){%1}-?[0-2]$"_qs.arg(questions - 1));
        QSet<QString> links;
        for (int e = 0; e < engines; ++e) {
            const QString link = value(file, u"LINKS"_qs, u"LINK%1"_qs.arg(e));
            QVERIFY2(!link.contains(u"://"_qs) && link.contains(u'.') && !link.contains(u' '),
                     qPrintable(link));
            links.insert(link);
            const QString scores = value(file, u"MATRIX"_qs, u"S%1"_qs.arg(e));
            QVERIFY2(row.match(scores).hasMatch(), qPrintable(scores));
        }
        QCOMPARE(links.size(), engines);

        // German offers the same engines, addresses and ranking as English.
        const zv::LanguageTables en = loadWithoutFailures(kEnglish);
        QVERIFY(questions == en.questions() && tables.Url1 == en.Url1 && tables.Url2 == en.Url2);
        QVERIFY(tables.EngineName == en.EngineName && tables.EngineLink == en.EngineLink
                && tables.Matrix == en.Matrix);
    }

    void germanIsWindows1252()
    {
        QFile f(kGerman);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(!zv::isValidUtf8(bytes));
        QCOMPARE(value(kGerman, u"TOOLTIP"_qs, u"TIPNEXT"_qs), u"Nächste Frage"_qs);
    }

    void skinContrast()
    {
        for (const char *skin : {"dark", "light"}) {
            const QString file = kShipped + u"skins/%1/skin.cfg"_qs.arg(QLatin1String(skin));
            for (const QString &pair :
                 u"FORM QUESTION LIST ANSWER TEXT EXPL FRAME1"_qs.split(u' ')) {
                double light[2] = {0.05, 0.05};  // WCAG relative luminance + 0.05: fore, back
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

    // Each row's answers describe one engine, so that engine must come first.
    void leadersFollowTheFacts_data()
    {
        QTest::addColumn<QString>("answers");
        for (const QString &run :
             u"Google=NNNYYNNNNNN,DuckDuckGo=YNNYYNNNNNN,Startpage=YNNNYNYNNNN,Ecosia=YNNYYNYYNNN,"
             u"Qwant=YYNNNYYNNNN,Brave Search=YYNYYNNNNNN,Mojeek=YYNNNNYYNNN,Kagi=YNYYYNNNNNN,"
             u"Swisscows=YNNNNNYNNNY,MetaGer=YNYNNNYYYNN,SearXNG=YNNNYNNNYNN,"
             u"Marginalia Search=NYNNNNNNYYN"_qs.split(u','))
            QTest::newRow(qPrintable(run.section(u'=', 0, 0))) << run.section(u'=', 1);
    }

    void leadersFollowTheFacts()
    {
        QFETCH(QString, answers);
        QCOMPARE(answers.size(), loadWithoutFailures(kEnglish).questions());
        QCOMPARE(leader(answers), QString::fromUtf8(QTest::currentDataTag()));
    }

    void privateIndependentAndFreeLeadsToOneThatIsAllThree()
    {
        const QString first = leader(u"YYN");
        QVERIFY2(first == u"Brave Search"_qs || first == u"Mojeek"_qs, qPrintable(first));
    }
};

QTEST_GUILESS_MAIN(TestShippedContent)
#include "test_shipped_content.moc"
