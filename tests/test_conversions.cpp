// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "config/conversions.h"

#include <QTest>

using namespace zv;

enum class Reading { Count, FontSize, Truth };
Q_DECLARE_METATYPE(Reading)

class ConversionsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void conversions_data()
    {
        QTest::addColumn<Reading>("reading");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("failure");
        auto row = [](const char *name, Reading r, const char *text, double value,
                      const char *failure = "") {
            QTest::newRow(name) << r << QString::fromUtf8(text) << value
                                << QString::fromUtf8(failure);
        };
        const auto count = Reading::Count;
        row("count: number then word", count, "9 apples", 9);
        row("count: blanks anywhere", count, " 1 2\t3 ", 123);
        row("count: blank after sign", count, "- 7", -7);
        row("count: word is 0", count, "nine", 0);
        row("count: half to even down", count, "2.5", 2);
        row("count: half to even up", count, "3.5", 4);
        row("count: exponent", count, "1d2", 100);
        row("count: exponent without digits", count, "7E", 7);
        row("count: hexadecimal", count, "&h1F", 31);
        row("count: hex wraps at 16 bits", count, "&HFFFF", -1);
        row("count: octal", count, "&O17", 15);
        row("count: unknown radix", count, "&X5", 0);
        row("count: rounds past 16 bits", count, "32767.5", 0, "Overflow");
        row("count: hex past 16 bits", count, "&H10000", 0, "Overflow");
        row("count: beyond a double", count, "1e400", 0, "Overflow");
        const auto size = Reading::FontSize;
        row("size: blanks around", size, " 12\t", 12);
        row("size: empty", size, "", 0, "Type mismatch");
        row("size: unit after number", size, "12pt", 0, "Type mismatch");
        row("size: blank inside", size, "1 2", 0, "Type mismatch");
        const auto truth = Reading::Truth;
        row("truth: any case", truth, " tRuE ", 1);
        row("truth: nonzero number", truth, "-1", 1);
        row("truth: zero", truth, "0.0", 0);
        row("truth: yes is no truth word", truth, "yes", 0, "Type mismatch");
        row("truth: empty", truth, "", 0, "Type mismatch");
    }

    void conversions()
    {
        QFETCH(Reading, reading);
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(QString, failure);
        auto check = [&](const auto &result) {
            QCOMPARE(result.failure(), failure);
            if (failure.isEmpty())
                QCOMPARE(double(result.value()), value);
        };
        switch (reading) {
        case Reading::Count:
            return check(countFromText(text));
        case Reading::FontSize:
            return check(fontSizeFromText(text));
        case Reading::Truth:
            return check(toTruth(text));
        }
    }
};

QTEST_GUILESS_MAIN(ConversionsTest)
#include "test_conversions.moc"
