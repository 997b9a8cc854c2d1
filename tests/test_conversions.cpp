#include "config/conversions.h"

#include <QTest>

using namespace zv;

namespace {
// A row's expectation: a value, or the failure's description.
struct Expected
{
    double value = 0;
    QString failure;
};
}
Q_DECLARE_METATYPE(Expected)

class ConversionsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void counts_data();
    void counts();
    void fontSizes_data();
    void fontSizes();
    void truthValues_data();
    void truthValues();

private:
    template <typename T>
    static void check(const Result<T> &actual, const Expected &expected)
    {
        QCOMPARE(actual.failure(), expected.failure);
        if (expected.failure.isEmpty())
            QCOMPARE(double(actual.value()), expected.value);
    }
};

static Expected number(double v)
{
    return {v, {}};
}

static Expected failing(const QString &description)
{
    return {0, description};
}

void ConversionsTest::counts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Expected>("expected");
    auto row = [](const char *name, const char *text, Expected e) {
        QTest::newRow(name) << QString::fromUtf8(text) << e;
    };
    row("digits", "14", number(14));
    row("number then word", "9 apples", number(9));
    row("blanks inside the digits", " 1 2\t3 ", number(123));
    row("blank after the sign", "- 7", number(-7));
    row("plus sign", "+7", number(7));
    row("two signs", "--7", number(0));
    row("word", "nine", number(0));
    row("empty", "", number(0));
    row("half to even down", "2.5", number(2));
    row("half to even up", "3.5", number(4));
    row("negative half", "-2.5", number(-2));
    row("point first", ".5", number(0));
    row("above a half", "1.51", number(2));
    row("exponent", "1e2", number(100));
    row("D exponent", "1d2", number(100));
    row("exponent without digits", "7E", number(7));
    row("hexadecimal", "&H1F", number(31));
    row("hexadecimal lower case", "&hff", number(255));
    row("hexadecimal stops at non-digit", "&H1G", number(1));
    row("hexadecimal 16-bit wraps", "&HFFFF", number(-1));
    row("octal", "&O17", number(15));
    row("ampersand alone", "&", number(0));
    row("unknown radix", "&X5", number(0));
    row("largest", "32767", number(32767));
    row("smallest", "-32768", number(-32768));
    row("beyond 16 bits", "32768", failing(u"Overflow"_qs));
    row("below 16 bits", "-32769", failing(u"Overflow"_qs));
    row("rounds beyond 16 bits", "32767.5", failing(u"Overflow"_qs));
    row("hexadecimal beyond 16 bits", "&H10000", failing(u"Overflow"_qs));
    row("hexadecimal beyond 32 bits", "&H100000000", failing(u"Overflow"_qs));
    row("beyond a double", "1e400", failing(u"Overflow"_qs));
    row("tiny", "1e-400", number(0));
}

void ConversionsTest::counts()
{
    QFETCH(QString, text);
    QFETCH(Expected, expected);
    check(countFromText(text), expected);
}

void ConversionsTest::fontSizes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Expected>("expected");
    auto row = [](const char *name, const char *text, Expected e) {
        QTest::newRow(name) << QString::fromUtf8(text) << e;
    };
    row("whole", "12", number(12));
    row("blanks around", " 12\t", number(12));
    row("half to even up", "13.5", number(14));
    row("half to even down", "12.5", number(12));
    row("negative", "-3", number(-3));
    row("exponent", "1.2e1", number(12));
    row("hexadecimal", "&HC", number(12));
    row("word", "big", failing(u"Type mismatch"_qs));
    row("empty", "", failing(u"Type mismatch"_qs));
    row("unit after the number", "12pt", failing(u"Type mismatch"_qs));
    row("blank inside", "1 2", failing(u"Type mismatch"_qs));
    row("hexadecimal without digits", "&H", failing(u"Type mismatch"_qs));
    row("hexadecimal with junk", "&HCZ", failing(u"Type mismatch"_qs));
    row("beyond 16 bits", "40000", failing(u"Overflow"_qs));
}

void ConversionsTest::fontSizes()
{
    QFETCH(QString, text);
    QFETCH(Expected, expected);
    check(fontSizeFromText(text), expected);
}

void ConversionsTest::truthValues_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Expected>("expected");
    auto row = [](const char *name, const char *text, Expected e) {
        QTest::newRow(name) << QString::fromUtf8(text) << e;
    };
    row("TRUE", "TRUE", number(1));
    row("true", "true", number(1));
    row("False", "False", number(0));
    row("blanks around", " tRuE ", number(1));
    row("one", "1", number(1));
    row("minus one", "-1", number(1));
    row("zero", "0", number(0));
    row("zero with point", "0.0", number(0));
    row("fraction", "0.5", number(1));
    row("yes is no truth word", "yes", failing(u"Type mismatch"_qs));
    row("empty", "", failing(u"Type mismatch"_qs));
}

void ConversionsTest::truthValues()
{
    QFETCH(QString, text);
    QFETCH(Expected, expected);
    check(toTruth(text), expected);
}

QTEST_GUILESS_MAIN(ConversionsTest)
#include "test_conversions.moc"
