// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The skin file loader (the failure that stops the load, defaults for what it
// left unread) and how colour texts become colours.

#include "recordingreporter.h"
#include "skin/skincolor.h"
#include "skin/skinfile.h"

#include <QTest>

using namespace zv;

class SkinFileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadStopsAtTheFirstFailure()
    {
        RecordingReporter failures;
        SkinSettings skin;  // what a load it does not reach must keep
        skin.QuestionFontBold = skin.EnginesFontItalic = true;
        skin.EnginesFontName = u"Kept"_qs;
        // The empty size (key 17) fails; the bad truth value after it is never read.
        LoadSkin(skin, QStringLiteral(ZV_TEST_DATA "/stops-at-size-skin.cfg"), failures);
        QCOMPARE(failures.failures, QStringList{u"Type mismatch"_qs});
        QCOMPARE(skin.KeysRead, 16);
        QCOMPARE(skin.QuestionFontName, u"Serif"_qs);
        QCOMPARE(skin.EnginesFontName, u"Kept"_qs);

        // As applied: what was read stays, from the failing key to the last the defaults.
        const SkinSettings applied = withDefaultsForUnread(skin);
        QCOMPARE(applied.QuestionFontName, u"Serif"_qs);
        QCOMPARE(applied.QuestionFontSize, 12);
        QVERIFY(!applied.QuestionFontBold && !applied.EnginesFontItalic);
        QCOMPARE(applied.EnginesFontName, u"Arial"_qs);
        // Present but empty is no default: black, not white.
        QCOMPARE(skinColor(applied.FormForeColor, ColorRole::Foreground), QColor(Qt::black));

        // Without a file every key is read, as its default; nothing is left over.
        LoadSkin(skin, QStringLiteral(ZV_TEST_DATA "/none.cfg"), failures);
        QCOMPARE(skin.KeysRead, SkinKeyCount);
        QCOMPARE(skin.EnginesFontName, u"Arial"_qs);
        QCOMPARE(withDefaultsForUnread(skin), skin);
        QCOMPARE(failures.failures.size(), 1);
    }

    void colors_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("number");  // or the failure
        QTest::addColumn<QColor>("color");  // invalid: the role's default, white text on black
        auto row = [](const char *text, const char *number, QColor color) {
            QTest::addRow("\"%s\"", text)
                << QString::fromUtf8(text) << QString::fromUtf8(number) << color;
        };
        row("255", "255", QColor(255, 0, 0));
        row("16711680", "16711680", QColor(0, 0, 255));
        row("&HFF00", "65280", QColor(0, 255, 0));  // hex digits unsigned: not -256
        row("white", "0", QColor(Qt::black));
        row("", "0", QColor(Qt::black));
        row("-1", "-1", QColor());
        row("16777216", "16777216", QColor());
        row("&HFFFFFFFF", "Overflow", QColor());
    }

    void colors()
    {
        QFETCH(QString, text);
        QFETCH(QString, number);
        QFETCH(QColor, color);
        const Result<std::int32_t> result = ColorFromText(text);
        QCOMPARE(result.ok() ? QString::number(result.value()) : result.failure(), number);
        QCOMPARE(skinColor(text, ColorRole::Foreground),
                 color.isValid() ? color : QColor(Qt::white));
        QCOMPARE(skinColor(text, ColorRole::Background),
                 color.isValid() ? color : QColor(Qt::black));
    }
};

QTEST_GUILESS_MAIN(SkinFileTest)
#include "test_skinfile.moc"
