// Checks the language files, skins and help page that ship beside the program:
// complete, consistent between languages, readable colours, right encoding.
#include "config/languagefile.h"
#include "config/profilereader.h"
#include "config/textencoding.h"
#include "recordingreporter.h"
#include "wizard/wizardflow.h"

#include <QFile>
#include <QSet>
#include <QtTest>

#include <cmath>

namespace {

const QString kShipped = QStringLiteral(ZV_SOURCE_DIR "/shipped/");
const QString kEnglish = kShipped + QStringLiteral("languages/en/zv.cfg");
const QString kGerman = kShipped + QStringLiteral("languages/de/zv.cfg");
// A default no file holds, so that a missing key can be told from a present one.
const QString kMissing = QStringLiteral("\x01missing");

QString readValue(const QString &file, const QString &section, const QString &key,
                  const QString &fallback)
{
    return zv::ReadIniValue(section, key, fallback, file);
}

QString value(const QString &file, const QString &section, const QString &key)
{
    return readValue(file, section, key, kMissing);
}

int count(const QString &file, const QString &section)
{
    bool ok = false;
    const int n = value(file, section, QStringLiteral("COUNT")).toInt(&ok);
    return ok ? n : -1;
}

QString numbered(const char *prefix, int n)
{
    return QLatin1String(prefix) + QString::number(n);
}

double channel(quint32 c8)
{
    const double c = c8 / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// Colour numbers are red + 256 * green + 65536 * blue.
double relativeLuminance(quint32 colour)
{
    return 0.2126 * channel(colour & 255) + 0.7152 * channel((colour >> 8) & 255)
        + 0.0722 * channel((colour >> 16) & 255);
}

double contrastRatio(quint32 a, quint32 b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Each menu's own entries must have distinct access keys.
const QList<QStringList> kMenus = {
    {QStringLiteral("FILE"), QStringLiteral("TRUTH"), QStringLiteral("MONEY"),
     QStringLiteral("HELP")},
    {QStringLiteral("NEW"), QStringLiteral("EXIT")},
    {QStringLiteral("TRUTH1")},
    {QStringLiteral("MONEY1")},
    {QStringLiteral("CONTENTS"), QStringLiteral("ONLINE"), QStringLiteral("ABOUT")},
};

// Runs the wizard on a language file's tables without a window.
class Answers : public zv::WizardView
{
public:
    explicit Answers(const zv::LanguageTables &tables)
        : wizard(tables, *this, [this](const QString &link) { opened = link; })
    {
        wizard.ResetWizard();
        wizard.nextPressed();  // leaves the start
    }

    // Answers "Y"es or "N"o to the next questions; returns the leader's name.
    QString answer(const QString &answers, const zv::LanguageTables &tables)
    {
        for (const QChar a : answers) {
            wizard.setAnswer(a == u'Y' ? zv::Wizard::Yes : zv::Wizard::No);
            wizard.nextPressed();
        }
        return tables.EngineName[std::size_t(wizard.engineAtRow(0))];
    }

    void SetLayout(std::int16_t iState) override { state = iState; }
    std::int16_t layoutState() const override { return state; }
    void Question(std::int16_t) override {}
    void WriteResults() override { wizard.sortedResultLines(); }
    void selectYes() override {}

    zv::Wizard wizard;
    std::int16_t state = 0;
    QString opened;
};

zv::LanguageTables loadWithoutFailures(const QString &file)
{
    RecordingReporter failures;
    zv::LanguageTables tables = zv::LoadLanguage(file, failures).tables;
    if (!failures.failures.isEmpty())
        qFatal("%s: %s", qPrintable(file), qPrintable(failures.failures.join(u", ")));
    return tables;
}

} // namespace

class TestShippedContent : public QObject
{
    Q_OBJECT

private:
    static void addLanguageRows()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("en") << kEnglish;
        QTest::newRow("de") << kGerman;
    }

private Q_SLOTS:
    void skinContrast_data()
    {
        QTest::addColumn<QString>("skin");
        QTest::addColumn<QString>("pair");
        for (const char *skin : {"dark", "light"}) {
            for (const char *pair :
                 {"FORM", "QUESTION", "LIST", "ANSWER", "TEXT", "EXPL", "FRAME1"}) {
                QTest::addRow("%s %s", skin, pair)
                    << kShipped + QStringLiteral("skins/%1/skin.cfg").arg(QLatin1String(skin))
                    << QString::fromLatin1(pair);
            }
        }
    }

    void skinContrast()
    {
        QFETCH(QString, skin);
        QFETCH(QString, pair);
        bool foreOk = false;
        bool backOk = false;
        const uint fore = value(skin, QStringLiteral("COLOR"), pair + QStringLiteral("_FORECOLOR"))
                              .toUInt(&foreOk);
        const uint back = value(skin, QStringLiteral("COLOR"), pair + QStringLiteral("_BACKCOLOR"))
                              .toUInt(&backOk);
        QVERIFY(foreOk && backOk);
        QVERIFY(fore <= 0xFFFFFF && back <= 0xFFFFFF);
        const double ratio = contrastRatio(fore, back);
        QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("contrast %1").arg(ratio)));
    }

    void skinFonts_data()
    {
        QTest::addColumn<QString>("skin");
        QTest::addColumn<QString>("name");
        QTest::newRow("dark") << kShipped + QStringLiteral("skins/dark/skin.cfg")
                              << QStringLiteral("Dark");
        QTest::newRow("light") << kShipped + QStringLiteral("skins/light/skin.cfg")
                               << QStringLiteral("Light");
    }

    void skinFonts()
    {
        QFETCH(QString, skin);
        QFETCH(QString, name);
        QCOMPARE(value(skin, QStringLiteral("GENERAL"), QStringLiteral("NAME")), name);
        QVERIFY(!value(skin, QStringLiteral("ABOUT"), QStringLiteral("COPYRIGHT")).isEmpty());
        for (const char *group : {"QUESTION", "TEXT", "EXPL", "ENGINES"}) {
            const QString prefix = QString::fromLatin1(group);
            const QString font = value(skin, QStringLiteral("FONT"), prefix + QStringLiteral("_FONTNM"));
            QVERIFY2(font == QStringLiteral("Arial") || font == QStringLiteral("Liberation Sans"),
                     group);
            bool ok = false;
            const int size = value(skin, QStringLiteral("FONT"), prefix + QStringLiteral("_FONTSZ"))
                                 .toInt(&ok);
            QVERIFY2(ok && size >= 9 && size <= 14, group);
            for (const char *flag : {"_FONTBOLD", "_FONTITALIC"}) {
                const QString v = value(skin, QStringLiteral("FONT"), prefix + QLatin1String(flag));
                QVERIFY2(v == QStringLiteral("TRUE") || v == QStringLiteral("FALSE"), group);
            }
        }
    }

    void languageKeys_data() { addLanguageRows(); }

    void languageKeys()
    {
        QFETCH(QString, file);
        const QList<QPair<QString, QStringList>> fixedKeys = {
            {QStringLiteral("GENERAL"), {QStringLiteral("LANGUAGE")}},
            {QStringLiteral("URL"), {QStringLiteral("URL1"), QStringLiteral("URL2")}},
            {QStringLiteral("EXPLANATION"), {QStringLiteral("TEXT")}},
            {QStringLiteral("MENU"),
             {QStringLiteral("FILE"), QStringLiteral("NEW"), QStringLiteral("EXIT"),
              QStringLiteral("TRUTH"), QStringLiteral("TRUTH1"), QStringLiteral("MONEY"),
              QStringLiteral("MONEY1"), QStringLiteral("HELP"), QStringLiteral("CONTENTS"),
              QStringLiteral("ONLINE"), QStringLiteral("ABOUT")}},
            {QStringLiteral("STARTEND"), {QStringLiteral("WELCOME"), QStringLiteral("FINISHED")}},
            {QStringLiteral("TOOLTIP"),
             {QStringLiteral("SELIST"), QStringLiteral("TIPSTART"), QStringLiteral("TIPNEXT"),
              QStringLiteral("TIPLAUNCH")}},
            {QStringLiteral("ABOUT"), {QStringLiteral("LANGUAGE")}},
        };
        QList<QPair<QString, QString>> keys;
        for (const auto &[section, names] : fixedKeys) {
            for (const QString &key : names)
                keys.append({section, key});
        }

        const int engines = count(file, QStringLiteral("SEARCHENGINES"));
        const int questions = count(file, QStringLiteral("QUESTIONS"));
        QCOMPARE(engines, 14);
        QVERIFY(questions >= 9 && questions <= 12);
        QVERIFY(engines * questions <= 601);
        for (int n = 0; n < engines; ++n) {
            keys.append({QStringLiteral("ENGINES"), numbered("ENGINE", n)});
            keys.append({QStringLiteral("LINKS"), numbered("LINK", n)});
        }
        for (int n = 0; n < questions; ++n) {
            for (const char *prefix : {"Q", "Y", "N"})
                keys.append({QStringLiteral("QUESTIONS"), numbered(prefix, n)});
        }

        for (const auto &[section, key] : keys) {
            const QString where = section + u'/' + key;
            const QString v = value(file, section, key);
            QVERIFY2(v != kMissing, qPrintable(where + QStringLiteral(" missing")));
            QVERIFY2(!v.trimmed().isEmpty() && v != QStringLiteral("???"), qPrintable(where));
            QVERIFY2(v.size() <= 999, qPrintable(where + QStringLiteral(" too long")));
        }
    }

    void addresses_data() { addLanguageRows(); }

    void addresses()
    {
        QFETCH(QString, file);
        for (const char *key : {"URL1", "URL2"}) {
            const QString url = value(file, QStringLiteral("URL"), QLatin1String(key));
            QVERIFY2(url.startsWith(QStringLiteral("https://")) && !url.contains(u' '), key);
        }
        QSet<QString> links;
        const int engines = count(file, QStringLiteral("SEARCHENGINES"));
        for (int n = 0; n < engines; ++n) {
            const QString link = value(file, QStringLiteral("LINKS"), numbered("LINK", n));
            // The program puts the scheme in front itself.
            QVERIFY2(!link.contains(QStringLiteral("://")) && link.contains(u'.')
                         && !link.contains(u' '),
                     qPrintable(link));
            links.insert(link);
        }
        QCOMPARE(links.size(), engines);
    }

    void matrixRows_data() { addLanguageRows(); }

    void matrixRows()
    {
        QFETCH(QString, file);
        const int engines = count(file, QStringLiteral("SEARCHENGINES"));
        const int questions = count(file, QStringLiteral("QUESTIONS"));
        QList<QList<int>> matrix;
        for (int e = 0; e < engines; ++e) {
            const QStringList pieces =
                value(file, QStringLiteral("MATRIX"), numbered("S", e)).split(u',');
            QVERIFY2(pieces.size() == questions, qPrintable(numbered("S", e)));
            QList<int> row;
            for (const QString &piece : pieces) {
                bool ok = false;
                const int v = piece.toInt(&ok);
                QVERIFY2(ok && v >= -2 && v <= 2, qPrintable(numbered("S", e) + u' ' + piece));
                row.append(v);
            }
            QVERIFY2(row.count(0) < questions, qPrintable(numbered("S", e)));
            matrix.append(row);
        }
        // A question on which every engine scores alike cannot change the ranking.
        for (int q = 0; q < questions; ++q) {
            QSet<int> seen;
            for (const QList<int> &row : matrix)
                seen.insert(row[q]);
            QVERIFY2(seen.size() > 1, qPrintable(numbered("Q", q)));
        }
    }

    void menuAccessKeys_data() { addLanguageRows(); }

    void menuAccessKeys()
    {
        QFETCH(QString, file);
        for (const QStringList &menu : kMenus) {
            QSet<QChar> used;
            for (const QString &key : menu) {
                const QString caption = value(file, QStringLiteral("MENU"), key);
                QCOMPARE(caption.count(u'&'), 1);
                const qsizetype at = caption.indexOf(u'&');
                QVERIFY2(at + 1 < caption.size() && caption[at + 1].isLetter(), qPrintable(key));
                const QChar letter = caption[at + 1].toLower();
                QVERIFY2(!used.contains(letter), qPrintable(key));
                used.insert(letter);
            }
        }
    }

    void languagesAgree_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("engine names") << QStringLiteral("ENGINES") << QStringLiteral("ENGINE");
        QTest::newRow("links") << QStringLiteral("LINKS") << QStringLiteral("LINK");
        QTest::newRow("matrix") << QStringLiteral("MATRIX") << QStringLiteral("S");
    }

    void languagesAgree()
    {
        QFETCH(QString, section);
        QFETCH(QString, prefix);
        const int engines = count(kEnglish, QStringLiteral("SEARCHENGINES"));
        QCOMPARE(count(kGerman, QStringLiteral("SEARCHENGINES")), engines);
        QCOMPARE(count(kGerman, QStringLiteral("QUESTIONS")), count(kEnglish, QStringLiteral("QUESTIONS")));
        for (const char *url : {"URL1", "URL2"}) {
            QCOMPARE(value(kGerman, QStringLiteral("URL"), QLatin1String(url)),
                     value(kEnglish, QStringLiteral("URL"), QLatin1String(url)));
        }
        for (int n = 0; n < engines; ++n) {
            const QString key = prefix + QString::number(n);
            QCOMPARE(value(kGerman, section, key), value(kEnglish, section, key));
        }
    }

    void loadsWithoutFailures_data() { addLanguageRows(); }

    void loadsWithoutFailures()
    {
        QFETCH(QString, file);
        const zv::LanguageTables tables = loadWithoutFailures(file);
        QCOMPARE(tables.engines(), 14);
        QVERIFY(tables.questions() >= 9);
    }

    void leadersFollowTheFacts_data()
    {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("leader");
        const QList<QPair<const char *, const char *>> runs = {
            {"NNNYYNNNNNN", "Google"},
            {"YNNYYNNNNNN", "DuckDuckGo"},
            {"YNNNYNYNNNN", "Startpage"},
            {"YNNYYNYYNNN", "Ecosia"},
            {"YYNNNYYNNNN", "Qwant"},
            {"YYNYYNNNNNN", "Brave Search"},
            {"YYNNNNYYNNN", "Mojeek"},
            {"YNYYYNNNNNN", "Kagi"},
            {"YNNNNNYNNNY", "Swisscows"},
            {"YNYNNNYYYNN", "MetaGer"},
            {"YNNNYNNNYNN", "SearXNG"},
            {"NYNNNNNNYYN", "Marginalia Search"},
        };
        for (const auto &[answers, leader] : runs)
            QTest::newRow(leader) << QString::fromLatin1(answers) << QString::fromLatin1(leader);
    }

    void leadersFollowTheFacts()
    {
        QFETCH(QString, answers);
        QFETCH(QString, leader);
        const zv::LanguageTables tables = loadWithoutFailures(kEnglish);
        QCOMPARE(answers.size(), tables.questions());
        Answers run(tables);
        QCOMPARE(run.answer(answers, tables), leader);
        QVERIFY(run.wizard.finished());
        run.wizard.nextPressed();
        QCOMPARE(run.opened, tables.EngineLink[std::size_t(run.wizard.engineAtRow(0))]);
    }

    void privateIndependentAndFreeLeadsToOneThatIsAllThree()
    {
        const zv::LanguageTables tables = loadWithoutFailures(kEnglish);
        Answers run(tables);
        const QString leader = run.answer(u"YYN"_qs, tables);
        QVERIFY2(leader == u"Brave Search"_qs || leader == u"Mojeek"_qs, qPrintable(leader));
    }

    void germanIsWindows1252()
    {
        QFile f(kGerman);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(!zv::isValidUtf8(bytes));
        const QString text = zv::fromWindows1252(bytes);
        // The five bytes Windows-1252 leaves undefined decode to C1 controls.
        for (const QChar c : text)
            QVERIFY(c.unicode() < 0x80 || c.unicode() >= 0xA0);
        for (const QChar c : {u'ä', u'ö', u'ü', u'ß'})
            QVERIFY2(text.contains(c), qPrintable(QString(c)));
        // UTF-8 converted twice would show up as "Ã" followed by another character.
        QVERIFY(!text.contains(u'Ã'));
        QCOMPARE(value(kGerman, QStringLiteral("TOOLTIP"), QStringLiteral("TIPNEXT")),
                 QStringLiteral("Nächste Frage"));
        QCOMPARE(value(kEnglish, QStringLiteral("GENERAL"), QStringLiteral("LANGUAGE")),
                 QStringLiteral("English"));
        QCOMPARE(value(kGerman, QStringLiteral("GENERAL"), QStringLiteral("LANGUAGE")),
                 QStringLiteral("Deutsch"));
    }

    void helpPageIsSelfContained()
    {
        QFile f(kShipped + QStringLiteral("zvs.html"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString page = QString::fromUtf8(f.readAll()).toLower();
        for (const char *external : {"<script", "<link", "src=", "url(", "@import"})
            QVERIFY2(!page.contains(QLatin1String(external)), external);
        QVERIFY(page.contains(QStringLiteral("prefers-color-scheme")));
    }

    void programFolder_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("copy");
        const QList<QPair<const char *, const char *>> files = {
            {"languages/en/zv.cfg", "zv.cfg"},
            {"skins/dark/skin.cfg", "skin.cfg"},
            {"zvs.html", "zvs.html"},
            {"languages/en/zv.cfg", "languages/en/zv.cfg"},
            {"languages/de/zv.cfg", "languages/de/zv.cfg"},
            {"skins/dark/skin.cfg", "skins/dark/skin.cfg"},
            {"skins/light/skin.cfg", "skins/light/skin.cfg"},
        };
        for (const auto &[source, copy] : files) {
            QTest::newRow(copy) << kShipped + QLatin1String(source)
                                << QStringLiteral(ZV_PROGRAM_DIR "/") + QLatin1String(copy);
        }
    }

    void programFolder()
    {
        QFETCH(QString, source);
        QFETCH(QString, copy);
        QFile original(source);
        QFile copied(copy);
        QVERIFY(original.open(QIODevice::ReadOnly));
        QVERIFY2(copied.open(QIODevice::ReadOnly), qPrintable(copy));
        QCOMPARE(copied.readAll(), original.readAll());
    }
};

QTEST_GUILESS_MAIN(TestShippedContent)
#include "test_shipped_content.moc"
