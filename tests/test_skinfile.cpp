// The skin file loader (key order, defaults, the failure that stops the load)
// and how colour texts become colours.

#include "recordingreporter.h"
#include "skin/skincolor.h"
#include "skin/skinfile.h"
#include "testfiles.h"

#include <QColor>
#include <QTest>

using namespace zv;

Q_DECLARE_METATYPE(zv::ColorRole)

namespace {

// Every setting in the order the keys are read, as one text per setting.
QStringList fields(const SkinSettings &s)
{
    auto n = [](std::int16_t v) { return QString::number(v); };
    auto b = [](bool v) { return QLatin1String(v ? "1" : "0"); };
    return {s.SkinName, s.FormForeColor, s.FormBackColor, s.QuestionForeColor, s.QuestionBackColor,
            s.ListForeColor, s.ListBackColor, s.AnswerForeColor, s.AnswerBackColor, s.TextForeColor,
            s.TextBackColor, s.ExplForeColor, s.ExplBackColor, s.Frame1ForeColor, s.Frame1BackColor,
            s.QuestionFontName, n(s.QuestionFontSize), b(s.QuestionFontBold), b(s.QuestionFontItalic),
            s.TextFontName, n(s.TextFontSize), b(s.TextFontBold), b(s.TextFontItalic),
            s.ExplFontName, n(s.ExplFontSize), b(s.ExplFontBold), b(s.ExplFontItalic),
            s.EnginesFontName, n(s.EnginesFontSize), b(s.EnginesFontBold), b(s.EnginesFontItalic)};
}

QStringList split(const char *joined)
{
    return QString::fromUtf8(joined).split(u'|');
}

const QStringList Defaults =
    split("No Skin found|16777215|0|16777215|0|16777215|0|16777215|0|16777215|0|16777215|0|16777215|0"
          "|Arial|12|0|0|Arial|12|0|0|Arial|12|0|0|Arial|12|0|0");

// Every key differs from its default and from the empty settings; the
// sections stand in another order than the keys are read in.
const QByteArray FullSkin =
    "[FONT]\nQUESTION_FONTNM=Q Face\nQUESTION_FONTSZ=13.5\nQUESTION_FONTBOLD=true\n"
    "QUESTION_FONTITALIC=1\nTEXT_FONTNM=T Face\nTEXT_FONTSZ=12.5\nTEXT_FONTBOLD=TRUE\n"
    "TEXT_FONTITALIC=-1\nEXPL_FONTNM=E Face\nEXPL_FONTSZ= 9 \nEXPL_FONTBOLD=tRuE\nEXPL_FONTITALIC=2.5\n"
    "ENGINES_FONTNM=N Face\nENGINES_FONTSZ=&H10\nENGINES_FONTBOLD= True \nENGINES_FONTITALIC=1e1\n"
    "[COLOR]\nFORM_FORECOLOR=101\nFORM_BACKCOLOR=&H66\nQUESTION_FORECOLOR=103 red\n"
    "QUESTION_BACKCOLOR=1 04\nLIST_FORECOLOR=white\nLIST_BACKCOLOR=106.5\nANSWER_FORECOLOR=&O153\n"
    "ANSWER_BACKCOLOR=108\nTEXT_FORECOLOR=109\nTEXT_BACKCOLOR=110\nEXPL_FORECOLOR=111\n"
    "EXPL_BACKCOLOR=112\nFRAME1_FORECOLOR=113\nFRAME1_BACKCOLOR=114\n"
    "[GENERAL]\nNAME=Test Skin\n[ABOUT]\nCOPYRIGHT=not a setting\n";
const QStringList Full =
    split("Test Skin|101|&H66|103 red|1 04|white|106.5|&O153|108|109|110|111|112|113|114"
          "|Q Face|14|1|1|T Face|12|1|1|E Face|9|1|1|N Face|16|1|1");

// FullSkin with one key's value replaced.
QByteArray fullSkinWith(const QByteArray &key, const QByteArray &value)
{
    QByteArray skin = FullSkin;
    const qsizetype at = skin.indexOf("\n" + key + "=") + 1;
    return skin.replace(at, skin.indexOf('\n', at) - at, key + "=" + value);
}

SkinSettings load(const QByteArray &content, RecordingReporter &failures)
{
    QTemporaryDir dir;
    SkinSettings skin;
    LoadSkin(skin, writeTestFile(dir, QStringLiteral("skin.cfg"), content), failures);
    return skin;
}

} // namespace

class SkinFileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void completeLoads_data();
    void completeLoads();
    void conversionsAtLoad_data();
    void conversionsAtLoad();
    void failureStopsTheLoad_data();
    void failureStopsTheLoad();
    void failedLoadKeepsEarlierValues();
    void colorFromText_data();
    void colorFromText();
    void skinColor_data();
    void skinColor();
};

void SkinFileTest::completeLoads_data()
{
    QTest::addColumn<QByteArray>("content");  // an empty content: no file
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("no file") << QByteArray() << Defaults;
    QTest::newRow("every key") << FullSkin << Full;
    QStringList colorsOnly = Defaults;
    colorsOnly[2] = QStringLiteral("255");
    colorsOnly[5] = QStringLiteral("&HFF00");
    QTest::newRow("only COLOR") << QByteArray("[COLOR]\nFORM_BACKCOLOR=255\nLIST_FORECOLOR=&HFF00\n")
                                << colorsOnly;
    // Present but empty is not missing: no default.
    QStringList empty = Defaults;
    empty[0] = empty[1] = empty[2] = empty[19] = QString();
    QTest::newRow("empty values")
        << QByteArray("[GENERAL]\nNAME=\n[COLOR]\nFORM_FORECOLOR=\nFORM_BACKCOLOR=\n[FONT]\nTEXT_FONTNM=\n")
        << empty;
}

void SkinFileTest::completeLoads()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    const QString file = content.isEmpty() ? dir.filePath(QStringLiteral("skin.cfg"))
                                           : writeTestFile(dir, QStringLiteral("skin.cfg"), content);
    RecordingReporter failures;
    SkinSettings skin;
    LoadSkin(skin, file, failures);
    QCOMPARE(failures.failures, QStringList());
    QCOMPARE(fields(skin), expected);
    QCOMPARE(skin.KeysRead, SkinKeyCount);
    QCOMPARE(withDefaultsForUnread(skin), skin);
}

void SkinFileTest::conversionsAtLoad_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("stored");  // the setting as fields() shows it, or the failure

    const QByteArray size = "QUESTION_FONTSZ";
    const QByteArray bold = "TEXT_FONTBOLD";
    const QString typeMismatch = QStringLiteral("Type mismatch");
    const QString overflow = QStringLiteral("Overflow");
    QTest::newRow("13.5 to even 14") << size << QByteArray("13.5") << QStringLiteral("14");
    QTest::newRow("12.5 to even 12") << size << QByteArray("12.5") << QStringLiteral("12");
    QTest::newRow("hexadecimal") << size << QByteArray("&HC") << QStringLiteral("12");
    QTest::newRow("smallest") << size << QByteArray("-32768.5") << QStringLiteral("-32768");
    QTest::newRow("32767.5 rounds out") << size << QByteArray("32767.5") << overflow;
    QTest::newRow("40000") << size << QByteArray("40000") << overflow;
    QTest::newRow("word size") << size << QByteArray("abc") << typeMismatch;
    QTest::newRow("unit after size") << size << QByteArray("12pt") << typeMismatch;
    QTest::newRow("empty size") << size << QByteArray() << typeMismatch;
    QTest::newRow("TRUE") << bold << QByteArray("TRUE") << QStringLiteral("1");
    QTest::newRow("true") << bold << QByteArray("true") << QStringLiteral("1");
    QTest::newRow("fAlSe") << bold << QByteArray("fAlSe") << QStringLiteral("0");
    QTest::newRow("1") << bold << QByteArray("1") << QStringLiteral("1");
    QTest::newRow("0") << bold << QByteArray("0") << QStringLiteral("0");
    QTest::newRow("yes") << bold << QByteArray("yes") << typeMismatch;
    QTest::newRow("TRUE!") << bold << QByteArray("TRUE!") << typeMismatch;
    QTest::newRow("empty flag") << bold << QByteArray() << typeMismatch;
}

void SkinFileTest::conversionsAtLoad()
{
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, text);
    QFETCH(QString, stored);
    RecordingReporter failures;
    const SkinSettings skin = load("[FONT]\n" + key + "=" + text + "\n", failures);
    const int index = key == "QUESTION_FONTSZ" ? 16 : 21;
    const bool fails = stored == QLatin1String("Overflow") || stored == QLatin1String("Type mismatch");
    QCOMPARE(failures.failures, fails ? QStringList{stored} : QStringList());
    QCOMPARE(fields(skin)[index], fails ? fields(SkinSettings())[index] : stored);
}

void SkinFileTest::failureStopsTheLoad_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<int>("keysRead");

    const QString typeMismatch = QStringLiteral("Type mismatch");
    QTest::newRow("question size word") << QByteArray("QUESTION_FONTSZ") << QByteArray("abc") << typeMismatch << 16;
    QTest::newRow("question size empty") << QByteArray("QUESTION_FONTSZ") << QByteArray() << typeMismatch << 16;
    QTest::newRow("question bold yes") << QByteArray("QUESTION_FONTBOLD") << QByteArray("yes") << typeMismatch << 17;
    QTest::newRow("text bold yes") << QByteArray("TEXT_FONTBOLD") << QByteArray("yes") << typeMismatch << 21;
    QTest::newRow("explanation italic empty") << QByteArray("EXPL_FONTITALIC") << QByteArray() << typeMismatch << 26;
    QTest::newRow("engines size huge")
        << QByteArray("ENGINES_FONTSZ") << QByteArray("1e9") << QStringLiteral("Overflow") << 28;
    QTest::newRow("the last key") << QByteArray("ENGINES_FONTITALIC") << QByteArray("maybe") << typeMismatch << 30;
}

void SkinFileTest::failureStopsTheLoad()
{
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    QFETCH(QString, failure);
    QFETCH(int, keysRead);

    // A later failing key is never reached, so never reported.
    QByteArray content = fullSkinWith(key, value);
    if (keysRead < 28)
        content.replace("ENGINES_FONTSZ=&H10", "ENGINES_FONTSZ=99999");
    RecordingReporter failures;
    const SkinSettings skin = load(content, failures);
    QCOMPARE(failures.failures, QStringList{failure});
    QCOMPARE(skin.KeysRead, keysRead);
    // Before the failing key: the file's values; from it on: as before the
    // load (empty, 0, false); as applied, the defaults.
    QCOMPARE(fields(skin), Full.mid(0, keysRead) + fields(SkinSettings()).mid(keysRead));
    QCOMPARE(fields(withDefaultsForUnread(skin)), Full.mid(0, keysRead) + Defaults.mid(keysRead));
}

void SkinFileTest::failedLoadKeepsEarlierValues()
{
    QTemporaryDir dir;
    RecordingReporter failures;
    SkinSettings skin;
    LoadSkin(skin, writeTestFile(dir, QStringLiteral("a.cfg"), FullSkin), failures);
    LoadSkin(skin, writeTestFile(dir, QStringLiteral("b.cfg"), "[GENERAL]\nNAME=B\n[FONT]\nQUESTION_FONTSZ=x\n"),
             failures);
    QStringList expected = Defaults.mid(0, 16) + Full.mid(16);
    expected[0] = QStringLiteral("B");
    QCOMPARE(fields(skin), expected);
    QCOMPARE(failures.failures, QStringList{QStringLiteral("Type mismatch")});
}

void SkinFileTest::colorFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");  // when there is no failure
    QTest::addColumn<QString>("failure");

    const struct
    {
        const char *text;
        int number;
    } rows[] = {
        {"255", 255}, {"16777215", 16777215}, {"-5", -5}, {"&HFF", 255}, {"&hff", 255},
        {"&HFF0000", 16711680}, {"&HFFFF", 65535}, {"&H8000", 32768}, {"&H10000", 65536},
        {"&H7FFFFFFF", 2147483647}, {"&H1G", 1}, {"&H", 0}, {"&O377", 255}, {"&o10", 8}, {"&O78", 7},
        {"&X12", 0}, {"white", 0}, {"", 0}, {"2 55", 255}, {" 1 6\t7 7\n7 2 1 5 ", 16777215},
        {"& H F F", 255}, {"255 abc", 255}, {"12abc34", 12}, {"2.5", 2}, {"3.5", 4}, {"-2.5", -2},
        {"2.51", 3}, {"1e3", 1000}, {"1D3", 1000}, {"7e", 7}, {".6", 1}, {"+7", 7}, {"-", 0},
    };
    for (const auto &row : rows) {
        const QByteArray name = QByteArray(row.text).replace('\t', "\\t").replace('\n', "\\n");
        QTest::addRow("\"%s\"", name.constData()) << QString::fromUtf8(row.text) << row.number << QString();
    }
    for (const char *text : {"1e10", "&HFFFFFFFF", "&H100000000", "1e999"})
        QTest::addRow("\"%s\"", text) << QString::fromUtf8(text) << 0 << QStringLiteral("Overflow");
}

void SkinFileTest::colorFromText()
{
    QFETCH(QString, text);
    QFETCH(int, number);
    QFETCH(QString, failure);
    const Result<std::int32_t> result = ColorFromText(text);
    QCOMPARE(result.failure(), failure);
    if (failure.isEmpty())
        QCOMPARE(result.value(), number);
}

void SkinFileTest::skinColor_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<ColorRole>("role");
    QTest::addColumn<QColor>("color");

    const auto fore = ColorRole::Foreground;
    const auto back = ColorRole::Background;
    QTest::newRow("255 pure red") << QStringLiteral("255") << back << QColor(255, 0, 0);
    QTest::newRow("65280 green") << QStringLiteral("65280") << fore << QColor(0, 255, 0);
    QTest::newRow("16711680 blue") << QStringLiteral("16711680") << fore << QColor(0, 0, 255);
    QTest::newRow("mixed") << QStringLiteral("&H8040FF") << back << QColor(255, 64, 128);
    QTest::newRow("white on back") << QStringLiteral("16777215") << back << QColor(Qt::white);
    QTest::newRow("word is black") << QStringLiteral("white") << fore << QColor(Qt::black);
    // No colour of the format: the role's default.
    QTest::newRow("negative fore") << QStringLiteral("-1") << fore << QColor(Qt::white);
    QTest::newRow("negative back") << QStringLiteral("-1") << back << QColor(Qt::black);
    QTest::newRow("hex green, not negative") << QStringLiteral("&HFF00") << fore << QColor(0, 255, 0);
    QTest::newRow("above white fore") << QStringLiteral("16777216") << fore << QColor(Qt::white);
    QTest::newRow("system colour back") << QStringLiteral("&H8000000F") << back << QColor(Qt::black);
    QTest::newRow("overflow fore") << QStringLiteral("1e10") << fore << QColor(Qt::white);
}

void SkinFileTest::skinColor()
{
    QFETCH(QString, text);
    QFETCH(ColorRole, role);
    QFETCH(QColor, color);
    QCOMPARE(zv::skinColor(text, role), color);
}

QTEST_GUILESS_MAIN(SkinFileTest)
#include "test_skinfile.moc"
