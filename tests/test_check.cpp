// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "check/checkcommand.h"
#include "check/checkfile.h"
#include "check/fontstandin.h"
#include "testfiles.h"

#include <QTest>

#include <sys/stat.h>

using namespace zv;
using Kind = Finding::Kind;

namespace {

// A complete, clean language file and skin; each row edits one of them.
const QByteArray Language = testData("check-language.cfg");
const QByteArray Skin = testData("check-skin.cfg");

// Only "Sans" is installed.
QString fakeStandIn(const QString &family)
{
    return family == u"Sans" ? QString() : u"Sans"_qs;
}

// One expected finding: its kind, the text its line starts with (empty: no
// line) and a name its message must hold.
struct Expected
{
    Kind kind;
    QByteArray lineStart;
    QString names;
};

// CR LF and a lone CR each end one line, as in the program's reader.
int lineStarting(QByteArray file, const QByteArray &start)
{
    file.replace("\r\n", "\n").replace('\r', '\n');
    const qsizetype at = ('\n' + file).indexOf('\n' + start);
    if (at < 0)
        qFatal("no line starts with %s", start.constData());
    return int(file.left(at).count('\n')) + 1;
}

QByteArray edited(QByteArray file, const QByteArray &from, const QByteArray &to)
{
    if (!file.contains(from))
        qFatal("the base file has no %s", from.constData());
    return file.replace(from, to);
}

} // namespace

Q_DECLARE_METATYPE(QList<Expected>)

class CheckTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        writeTestFile(m_dir, u"language"_qs, Language);
        writeTestFile(m_dir, u"skin"_qs, Skin);
        writeTestFile(m_dir, u"warning"_qs, edited(Language, "Y1=yes\n", ""));
        writeTestFile(m_dir, u"error"_qs, edited(Language, "S1=2,-2", "S1=2,x"));
        writeTestFile(m_dir, u"skips"_qs,
                      edited(Language, "COUNT=2\nQ0", "COUNT=2\nSKIP=No preference\nQ0"));
        writeTestFile(m_dir, u"esc\x1b[2J"_qs, Language);
        writeTestFile(m_dir, u"named"_qs,
                      edited(Language, "ENGINE0=Alpha", "ENGINE0=Al\x1b]0;t\x07pha"));
        const QByteArray repeats = QByteArray("new=x\n").repeated(210);
        writeTestFile(m_dir, u"many"_qs, edited(Language, "NEW=&New\n", "NEW=&New\n" + repeats));
        QCOMPARE(mkfifo(QFile::encodeName(m_dir.filePath(u"pipe"_qs)).constData(), 0600), 0);
        QFile huge(m_dir.filePath(u"huge"_qs));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(MaxProfileFileSize + 1));
    }

    void findings_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<Expected>>("expected");
        using E = Expected;
        const QByteArray L = Language;
        QTest::newRow("clean language file") << L << QList<E>{};
        QTest::newRow("clean skin") << Skin << QList<E>{};
        QTest::newRow("count beyond the table")
            << edited(L, "COUNT=2\nQ0", "COUNT=17\nQ0")
            << QList<E>{{Kind::Warning, "[QUESTIONS]", "Q2 to Q15 are"},
                        {Kind::Warning, "[QUESTIONS]", "Y2 to Y15 are"},
                        {Kind::Warning, "[QUESTIONS]", "N2 to N15 are"},
                        {Kind::Error, "COUNT=17", "Q16"},
                        {Kind::Error, "COUNT=17", "Q16"},
                        {Kind::Error, "COUNT=17", "Y16"},
                        {Kind::Error, "COUNT=17", "1 more"},
                        {Kind::Warning, "S0=", "S0 has 2"},
                        {Kind::Warning, "S1=", "S1 has 2"},
                        {Kind::Warning, "S2=", "S2 has 2"}};
        QTest::newRow("engines beyond the table")
            << edited(L, "COUNT=3", "COUNT=42")
            << QList<E>{{Kind::Error, "COUNT=42", "ENGINE41"},
                        {Kind::Error, "COUNT=42", "LINK41"},
                        {Kind::Warning, "[ENGINES]", "ENGINE3 to ENGINE40"},
                        {Kind::Warning, "[LINKS]", "LINK3 to LINK40"},
                        {Kind::Warning, "[MATRIX]", "S3 to S40"}};
        QTest::newRow("matrix row short")
            << edited(L, "S1=2,-2", "S1=2") << QList<E>{{Kind::Warning, "S1=", "S1 has 1"}};
        QTest::newRow("matrix number outside -2..2")
            << edited(L, "S1=2,-2", "S1=2,-3") << QList<E>{{Kind::Warning, "S1=", "Q1, -3,"}};
        QTest::newRow("key missing")
            << edited(L, "Y1=yes\n", "") << QList<E>{{Kind::Warning, "[QUESTIONS]", "Y1"}};
        QTest::newRow("section missing") << edited(L, "[EXPLANATION]\nTEXT=Why\n", "")
                                         << QList<E>{{Kind::Warning, "", "[EXPLANATION]"}};
        QTest::newRow("optional keys")
            << edited(L, "[URL]\n", "[ENGINEINFO]\nINFO0=About\n[FAILURE]\nOVERFLOW=Zu groß\n"
                         "[URL]\nHELP=https://h.example/\n")
            << QList<E>{};
        QTest::newRow("optional answer keys")
            << edited(L, "COUNT=2\nQ0", "COUNT=2\nSKIP=Skip\nIMPORTANT=Matters\nBACK=Back\nQ0")
                   + "[ENGINEINFO]\nWEIGHTED=\" (matters)\"\n"
            << QList<E>{};
        QTest::newRow("answer captions empty")
            << edited(L, "COUNT=2\nQ0", "COUNT=2\nIMPORTANT=\nBACK=\nQ0")
            << QList<E>{{Kind::Warning, "IMPORTANT=", "IMPORTANT is empty"},
                        {Kind::Warning, "BACK=", "BACK is empty"}};
        QTest::newRow("answer captions without questions")
            << edited(edited(L, "COUNT=2\nQ0=First?\nY0=yes\nN0=no\nQ1=Second?\nY1=yes\nN1=no\n",
                             "COUNT=0\nIMPORTANT=Matters\nBACK=Back\n"),
                      "S0=2,2\nS1=2,-2\nS2=2,2\n", "S0=\nS1=\nS2=\n")
            << QList<E>{{Kind::Warning, "IMPORTANT=", "IMPORTANT is never shown"},
                        {Kind::Warning, "BACK=", "BACK is never shown"}};
        QTest::newRow("text without its %1")
            << edited(L, "[URL]\n", "[FAILURE]\nHELDBACK=Weitere Werte\nNOBROWSER=Kein %1\n[URL]\n")
            << QList<E>{{Kind::Warning, "HELDBACK=", "HELDBACK has no %1"}};
        QTest::newRow("misspelt key")
            << edited(L, "Q1=", "QUESTON1=")
            << QList<E>{{Kind::Warning, "[QUESTIONS]", "Q1"}, {Kind::Warning, "QUESTON1", "Q1?"}};
        QTest::newRow("key in another section")
            << edited(L, "ENGINE0=Alpha\n", "ENGINE0=Alpha\nLINK0=x\n")
            << QList<E>{{Kind::Warning, "LINK0=x", "[LINKS]"}};
        QTest::newRow("numbered key beyond the count")
            << edited(L, "ENGINE0=Alpha\n", "ENGINE0=Alpha\nENGINE3=Delta\n")
            << QList<E>{{Kind::Warning, "ENGINE3", "ENGINE3"}};
        QTest::newRow("numbered key with a leading zero")
            << edited(L, "ENGINE1=", "ENGINE01=")
            << QList<E>{{Kind::Warning, "[ENGINES]", "ENGINE1"},
                        {Kind::Warning, "ENGINE01", "ENGINE1?"}};
        QTest::newRow("control character in a name")
            << edited(L, "[ABOUT]\n", "[ABOUT]\nX\x1b=1\n")
            << QList<E>{{Kind::Warning, "X\x1b", "X\\x1b"}};
        QTest::newRow("unknown section") << edited(L, "[ABOUT]", "[MENUS]\nX=1\n[ABOUT]")
                                         << QList<E>{{Kind::Warning, "[MENUS]", "[MENU]?"}};
        QTest::newRow("repeated section") << L + "[menu]\nFILE=x\n"
                                          << QList<E>{{Kind::Warning, "[menu]", "line 30"}};
        QByteArray crlf = L;
        QTest::newRow("repeated key, CRLF line ends")
            << edited(crlf.replace("\n", "\r\n"), "NEW=&New\r\n", "NEW=&New\r\nnew=x\r\n")
            << QList<E>{{Kind::Warning, "new=x", "new repeats"}};
        QByteArray cr = L;
        QTest::newRow("repeated key, CR line ends")
            << edited(cr.replace('\n', '\r'), "NEW=&New\r", "NEW=&New\rnew=x\r")
            << QList<E>{{Kind::Warning, "new=x", "new repeats"}};
        QTest::newRow("repeated key") << edited(L, "NEW=&New\n", "NEW=&New\nnew=x\n")
                                      << QList<E>{{Kind::Warning, "new=x", "new"}};
        QTest::newRow("key without equals sign")
            << edited(L, "EXIT=E&xit", "EXIT") << QList<E>{{Kind::Warning, "EXIT", "EXIT"}};
        QTest::newRow("line before the first section")
            << "STRAY=1\n" + L << QList<E>{{Kind::Warning, "STRAY", "1 line"}};
        QTest::newRow("text after the bracket")
            << edited(L, "[MENU]", "[MENU] x") << QList<E>{{Kind::Warning, "[MENU] x", "MENU"}};
        QTest::newRow("value cut") << edited(L, "TEXT=Why", "TEXT=" + QByteArray(1000, 'w'))
                                   << QList<E>{{Kind::Warning, "TEXT=", "TEXT"}};
        QTest::newRow("byte-order mark")
            << "\xEF\xBB\xBF" + L << QList<E>{{Kind::Warning, "\xEF\xBB\xBF", "byte-order"}};
        QTest::newRow("Windows-1252") << edited(L, "TEXT=Why",
                                                "TEXT=Fran\xE7"
                                                "ais")
                                      << QList<E>{{Kind::Note, "", "Windows-1252"}};
        // "Łódź" in Windows-1250: 0x8F has no meaning in Windows-1252.
        QTest::newRow("Windows-1250") << edited(L, "TEXT=Why", "TEXT=\xA3\xF3" "d\x9F \x8F")
                                      << QList<E>{{Kind::Note, "", "Windows-1252"},
                                                  {Kind::Warning, "TEXT=", "0x8F"}};
        QTest::newRow("access key twice in one menu") << edited(L, "EXIT=E&xit", "EXIT=&Nothing")
                                                      << QList<E>{{Kind::Warning, "EXIT=", "NEW"}};
        QTest::newRow("access key twice in different menus")
            << edited(L, "&Online", "&File") << QList<E>{};
        QTest::newRow("link the browser rule refuses")
            << edited(L, "LINK1=beta.example", "LINK1=beta example")
            << QList<E>{{Kind::Warning, "LINK1=", "LINK1"}};
        QTest::newRow("address the browser rule refuses")
            << edited(L, "URL2=https://two.example/", "URL2=file:///etc/passwd")
            << QList<E>{{Kind::Warning, "URL2=", "URL2"}};
        QTest::newRow("link of another scheme")
            << edited(L, "LINK1=beta.example", "LINK1=file:///etc/passwd")
            << QList<E>{{Kind::Warning, "LINK1=", "is a file address"}};
        QTest::newRow("link with a port")
            << edited(L, "LINK1=beta.example", "LINK1=beta.example:8080/") << QList<E>{};
        QTest::newRow("help address the browser rule refuses")
            << edited(L, "URL2=https://two.example/", "URL2=https://two.example/\nHELP=x:y")
            << QList<E>{{Kind::Warning, "HELP=x", "HELP"}};

        QTest::newRow("font size beyond 72")
            << edited(Skin, "TEXT_FONTSZ=12", "TEXT_FONTSZ=73")
            << QList<E>{{Kind::Warning, "TEXT_FONTSZ", "73 points"}};
        QTest::newRow("font size of 72")
            << edited(Skin, "TEXT_FONTSZ=12", "TEXT_FONTSZ=72") << QList<E>{};
        QTest::newRow("font size no number")
            << edited(Skin, "TEXT_FONTSZ=12", "TEXT_FONTSZ=big")
            << QList<E>{{Kind::Error, "TEXT_FONTSZ", "no further key"}};
        QTest::newRow("colour outside 0..16777215")
            << edited(Skin, "FORM_BACKCOLOR=0", "FORM_BACKCOLOR=16777216")
            << QList<E>{{Kind::Warning, "FORM_BACKCOLOR", "FORM_BACKCOLOR"}};
        QTest::newRow("low contrast")
            << edited(Skin, "LIST_FORECOLOR=16777215", "LIST_FORECOLOR=3355443")
            << QList<E>{{Kind::Warning, "LIST_FORECOLOR", "1.66:1"}};
        // The program draws an unusable foreground colour white.
        QTest::newRow("foreground out of range on white")
            << edited(edited(Skin, "LIST_BACKCOLOR=0", "LIST_BACKCOLOR=16777215"),
                      "LIST_FORECOLOR=16777215", "LIST_FORECOLOR=-5")
            << QList<E>{{Kind::Warning, "LIST_FORECOLOR", "\"-5\""},
                        {Kind::Warning, "LIST_FORECOLOR", "1.00:1"}};
        QTest::newRow("foreground out of range on black")
            << edited(Skin, "LIST_FORECOLOR=16777215", "LIST_FORECOLOR=16777216")
            << QList<E>{{Kind::Warning, "LIST_FORECOLOR", "16777216"}};
        QTest::newRow("font standing in")
            << edited(Skin, "EXPL_FONTNM=Sans", "EXPL_FONTNM=Missing")
            << QList<E>{{Kind::Note, "EXPL_FONTNM", "\"Sans\" stands in"}};
        QTest::newRow("skin key missing") << edited(Skin, "COPYRIGHT=Test\n", "")
                                          << QList<E>{{Kind::Warning, "[ABOUT]", "COPYRIGHT"}};
        QTest::newRow("kind not told by the sections")
            << QByteArray("[GENERAL]\nNAME=x\n") << QList<E>{{Kind::Error, "", "--as"}};
    }

    void findings()
    {
        QFETCH(QByteArray, file);
        QFETCH(QList<Expected>, expected);
        CheckOptions options;
        options.fontStandIn = fakeStandIn;
        const FileCheck check = checkFile(ProfileSnapshot::fromBytes(file), options);
        QCOMPARE(check.findings.size(), std::size_t(expected.size()));
        for (qsizetype i = 0; i < expected.size(); ++i) {
            const Finding &found = check.findings[std::size_t(i)];
            const Expected &e = expected[i];
            QCOMPARE(found.kind, e.kind);
            QCOMPARE(found.line, e.lineStart.isEmpty() ? 0 : lineStarting(file, e.lineStart));
            QVERIFY2(found.message.contains(e.names), qPrintable(found.message));
        }
    }

    void exitStatus_data()
    {
        QTest::addColumn<QStringList>("arguments"); // "@name" stands for a file of the test
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("outputLine");
        QTest::newRow("clean files") << QStringList{u"@language"_qs, u"@skin"_qs} << 0
                                     << u"@skin: skin: 0 errors, 0 warnings, 0 notes"_qs;
        QTest::newRow("warnings only") << QStringList{u"@warning"_qs} << 0
                                       << u"@warning: language file: 0 errors, 1 warning"_qs;
        QTest::newRow("an error in one file")
            << QStringList{u"@skin"_qs, u"@error"_qs} << 1
            << u"@error:23: error: [MATRIX] S1: Type mismatch (\"x\")"_qs;
        QTest::newRow("skin read as language")
            << QStringList{u"--as"_qs, u"language"_qs, u"@skin"_qs} << 0 << u"@skin: language"_qs;
        QTest::newRow("missing file")
            << QStringList{u"@absent"_qs} << 1 << u"@absent: error: no such file"_qs;
        QTest::newRow("directory")
            << QStringList{u"@."_qs} << 1 << u"@.: error: is a directory"_qs;
        QTest::newRow("pipe")
            << QStringList{u"@pipe"_qs} << 1 << u"@pipe: error: is no regular file"_qs;
        QTest::newRow("control characters in a path")
            << QStringList{u"@esc\x1b[2J"_qs} << 0 << u"@esc\\x1b[2J: language file: 0 errors"_qs;
        QTest::newRow("fairness report escapes names")
            << QStringList{u"--fairness"_qs, u"@named"_qs} << 0
            << u"   Al\\x1b]0;t\\x07pha\n"_qs;
        QTest::newRow("findings beyond the 200 shown")
            << QStringList{u"@many"_qs} << 0 << u"@many: 10 more findings not shown"_qs;
        QTest::newRow("file beyond the size the program reads")
            << QStringList{u"@huge"_qs} << 1 << u"@huge: error: is larger than 64 MiB"_qs;
        // Beta leads alone after Yes-No and No-No; Alpha and Gamma share their row and the top
        // after Yes-Yes and No-Yes, where file order puts Alpha first.
        QTest::newRow("fairness report")
            << QStringList{u"--fairness"_qs, u"@language"_qs} << 0
            << u"Fairness over all 4 sets of answers to 2 questions:\n"
               "  leads alone      by tie-break     engine\n"
               "       0 (  0.0%)        2 ( 50.0%)   Alpha\n"
               "       2 ( 50.0%)        0 (  0.0%)   Beta\n"
               "       0 (  0.0%)        0 (  0.0%)   Gamma\n"
               "Shared top, file order decides: 2 (50.0%) of the sets; 2 of them between "
               "identical rows only.\nNever lead alone: Alpha, Gamma.\n"
               "Identical rows (the questions cannot tell them apart): Alpha, Gamma.\n"_qs;
        // Over the 8 sets with skips: Beta leads alone after SN, YN and NN; all three
        // share the top after YS and NS, Alpha and Gamma after SY, YY and NY.
        QTest::newRow("fairness report with skips")
            << QStringList{u"--fairness"_qs, u"@skips"_qs} << 0
            << u"apart): Alpha, Gamma.\n"
               "Fairness over all 8 sets of answers to 2 questions where any question may be "
               "skipped (\"No preference\"), though not all; no answer counted twice:\n"
               "  leads alone      by tie-break     engine\n"
               "       0 (  0.0%)        5 ( 62.5%)   Alpha\n"
               "       3 ( 37.5%)        0 (  0.0%)   Beta\n"
               "       0 (  0.0%)        0 (  0.0%)   Gamma\n"
               "Shared top, file order decides: 5 (62.5%) of the sets; 3 of them between "
               "identical rows only.\n"_qs;
        QTest::newRow("no file") << QStringList{} << 2 << QString();
        QTest::newRow("unknown kind")
            << QStringList{u"--as"_qs, u"menu"_qs, u"@skin"_qs} << 2 << QString();
        QTest::newRow("unknown option")
            << QStringList{u"--strict"_qs, u"@skin"_qs} << 2 << QString();
    }

    void exitStatus()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, outputLine);
        const auto inDir = [&](const QString &text) {
            return text.startsWith(u'@') ? m_dir.filePath(text.sliced(1)) : text;
        };
        for (QString &argument : arguments)
            argument = inDir(argument);
        QString output, errors;
        QTextStream out(&output), err(&errors);
        QCOMPARE(runCheckCommand(QStringList{u"zorvane"_qs, u"--check"_qs} + arguments, out, err,
                                 fakeStandIn),
                 status);
        QCOMPARE(errors.isEmpty(), status != 2);
        QVERIFY2(output.contains(inDir(outputLine)), qPrintable(output));
    }

    void fontconfigKnowsMetricCompatibleFonts()
    {
        const FontStandIn standIn = fontconfigStandIn();
        QCOMPARE(standIn(u"Liberation Sans"_qs), QString());  // installed
        QCOMPARE(standIn(u"Arial"_qs), QString());  // a metric-compatible font stands in
        QVERIFY(!standIn(u"No Such Font Zorvane"_qs).isEmpty());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(CheckTest)
#include "test_check.moc"
