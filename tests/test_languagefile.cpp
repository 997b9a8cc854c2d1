// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "config/languagecode.h"
#include "config/languagefile.h"
#include "recordingreporter.h"
#include "testfiles.h"

#include <QTest>

#include <vector>

using namespace zv;

class LanguageFileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void countBeyond16BitsLoadsNothing()
    {
        const LanguageTables t = load("[SEARCHENGINES]\nCOUNT=40000\n").tables;
        QCOMPARE(m_failures.failures, QStringList{u"Overflow"_qs});
        QCOMPARE(t.engines(), 0);
    }

    void matrixRows_data()
    {
        QTest::addColumn<QByteArray>("rows");
        QTest::addColumn<std::vector<double>>("matrix");  // positions 0 to 17: engines 0 and 1
        QTest::addColumn<QStringList>("failures");
        using V = std::vector<double>;
        const QString mismatch = u"Type mismatch"_qs;
        QTest::newRow("blanks around numbers and row")
            << QByteArray("S1=  2, -2 ,1  ") << V{0, 0, 0, 0, 0, 0, 0, 0, 0, 1, -1, 0.5}
            << QStringList();
        QTest::newRow("fractions rounded down first")
            << QByteArray("S0=1.5,-1.5,2.9") << V{0.5, -1, 1} << QStringList();
        QTest::newRow("comma at the end") << QByteArray("S0=2,1,") << V{1, 0.5} << QStringList();
        QTest::newRow("empty piece keeps its place")
            << QByteArray("S0=2,,1") << V{1, 0, 0.5} << QStringList{mismatch};
        QTest::newRow("next engine's row overwrites the spill")
            << QByteArray("S0=0,0,0,0,0,0,0,0,0,2,2\nS1=-2")
            << V{0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 1} << QStringList();
        QTest::newRow("beyond a double") << QByteArray("S0=1e999,2") << V{0, 1}
                                         << QStringList{u"Overflow"_qs};
        QTest::newRow("beyond 1e300, where sums could overflow")
            << QByteArray("S0=1e301,-1e301,1e300") << V{0, 0, 5e299}
            << QStringList{u"Overflow"_qs, u"Overflow"_qs};
    }

    void matrixRows()
    {
        QFETCH(QByteArray, rows);
        QFETCH(std::vector<double>, matrix);
        QFETCH(QStringList, failures);
        const LanguageTables t = load("[SEARCHENGINES]\nCOUNT=2\n[MATRIX]\n" + rows + "\n").tables;
        QCOMPARE(m_failures.failures, failures);
        matrix.resize(18);
        for (int i = 0; i < 18; ++i)
            QCOMPARE(t.Matrix[std::size_t(i)], matrix[std::size_t(i)]);
    }

    void matrixBeyondItsTable()
    {
        // 41 engines of 16 questions need 656 positions: engine 37 ends at 607.
        const LanguageTables t = load("[SEARCHENGINES]\nCOUNT=41\n[QUESTIONS]\nCOUNT=16\n"
                                      "[MATRIX]\nS37=2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2\nS40=2\n")
                                     .tables;
        QCOMPARE(m_failures.failures,
                 QStringList(8, u"Subscript out of range"_qs));  // 601..607, 640
        QCOMPARE(t.matrixValue(37, 8), 1.0);  // position 600, the last
        QCOMPARE(t.matrixValue(37, 9), 0.0);
        QCOMPARE(t.matrixValue(40, 0), 0.0);
        QCOMPARE(t.matrixValue(-1, 0), 0.0);
    }

    void floodOfFailuresIsCapped()
    {
        QStringList shown;
        LoadFailureReporter reporter([&](const QString &text) { shown.append(text); });
        const QString file =
            writeTestFile(m_dir, u"hostile.cfg"_qs,
                          "[SEARCHENGINES]\nCOUNT=30000\n[QUESTIONS]\nCOUNT=1\n"
                          "[MATRIX]\nS600=2\nS700=a,,3\nS29999=1,2\nS30000=1\n");
        const LanguageTables t = LoadLanguage(file, reporter).tables;
        // Name and link of every engine beyond 40, and each matrix piece beyond 600
        // (S30000 is beyond the count, so never read).
        const int failures = 2 * (30000 - 41) + 3 + 2;
        QCOMPARE(shown.size(), 10);
        reporter.finish();
        QCOMPARE(shown.size(), 11);
        QVERIFY(shown.last().contains(QString::number(failures - 10)));
        reporter.finish();  // the count is given once
        QCOMPARE(shown.size(), 11);
        QCOMPARE(t.engines(), 41);
        QCOMPARE(t.Matrix[600], 1.0);
    }

    // The failures of a load in the words of the language file; a file without
    // the keys keeps the English words files have always shown.
    void failuresInTheFilesWords_data()
    {
        QTest::addColumn<QByteArray>("texts");
        QTest::addColumn<QStringList>("shown");
        // Engine 41 is beyond the tables (its name and link); no question count
        // leaves every row at the matrix's first positions.
        const QByteArray matrix = "[SEARCHENGINES]\nCOUNT=42\n[QUESTIONS]\nCOUNT=99999\n"
                                  "[MATRIX]\nS0=x,x,x,x,x,x,x,x,x,x\n";
        const QString subscript = u"Subscript out of range"_qs;
        QTest::newRow("without the keys")
            << matrix
            << QStringList{u"Overflow"_qs, subscript, subscript}
                   + QStringList(7, u"Type mismatch"_qs)
                   + QStringList{u"3 further values could not be loaded; their messages are "
                                 "not shown."_qs};
        const QString outside = u"Außerhalb der Tabelle"_qs;
        QTest::newRow("with the keys")
            << matrix + "[FAILURE]\nTYPEMISMATCH=Typ passt nicht\nOVERFLOW=Zu groß\n"
                        "SUBSCRIPT=Außerhalb der Tabelle\nHELDBACK=Nicht gezeigt: %1\n"
            << QStringList{u"Zu groß"_qs, outside, outside}
                   + QStringList(7, u"Typ passt nicht"_qs) + QStringList{u"Nicht gezeigt: 3"_qs};
    }

    void failuresInTheFilesWords()
    {
        QFETCH(QByteArray, texts);
        QFETCH(QStringList, shown);
        const ProfileSnapshot file = ProfileSnapshot::fromBytes(texts);
        QStringList messages;
        LoadFailureReporter reporter([&](const QString &text) { messages.append(text); },
                                     ProgramTexts::read(file));
        LoadLanguage(file, reporter);
        reporter.finish();
        QCOMPARE(messages, shown);
    }

    void languageCodes_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("code");
        const QByteArray none = "[GENERAL]\nLANGUAGE=x\n";
        QTest::newRow("from the file") << QByteArray("[GENERAL]\nCODE=pt_BR\n")
                                       << u"/home/u/.config/zorvane/zv.cfg"_qs << u"pt_BR"_qs;
        QTest::newRow("blanks around it") << QByteArray("[GENERAL]\nCODE= fr \n")
                                          << u"/p/zv.cfg"_qs << u"fr"_qs;
        QTest::newRow("the file's before the folder's")
            << QByteArray("[GENERAL]\nCODE=de\n") << u"/p/languages/fr/zv.cfg"_qs << u"de"_qs;
        QTest::newRow("from the folder") << none << u"/p/languages/nl/zv.cfg"_qs << u"nl"_qs;
        QTest::newRow("relative folder") << none << u"languages/pl/zv.cfg"_qs << u"pl"_qs;
        QTest::newRow("folder of another name") << none << u"/p/lang/nl/zv.cfg"_qs << QString();
        QTest::newRow("neither") << none << u"/p/zv.cfg"_qs << QString();
        QTest::newRow("a path as code") << QByteArray("[GENERAL]\nCODE=../../etc/x\n")
                                        << u"/p/languages/de/zv.cfg"_qs << QString();
        QTest::newRow("a digit first") << QByteArray("[GENERAL]\nCODE=1de\n")
                                       << u"/p/zv.cfg"_qs << QString();
    }

    void languageCodes()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, path);
        QFETCH(QString, code);
        QCOMPARE(languageCode(ProfileSnapshot::fromBytes(content), path), code);
    }

private:
    LanguageFileContents load(const QByteArray &content)
    {
        m_failures.failures.clear();
        return LoadLanguage(writeTestFile(m_dir, u"zv.cfg"_qs, content), m_failures);
    }

    QTemporaryDir m_dir;
    RecordingReporter m_failures;
};

QTEST_GUILESS_MAIN(LanguageFileTest)
#include "test_languagefile.moc"
