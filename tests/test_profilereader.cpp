// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "config/filenames.h"
#include "config/printabletext.h"
#include "config/profilereader.h"
#include "config/textencoding.h"
#include "config/snapshotcache.h"
#include "testfiles.h"

#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using zv::ReadIniValue;

class ProfileReaderTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsAsWindowsDoes_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");  // the default is "DEF"

        const char *def = "DEF";
        auto row = [](const char *name, const QByteArray &content, const char *section,
                      const char *key, const char *expected) {
            QTest::newRow(name) << content << QString::fromUtf8(section) << QString::fromUtf8(key)
                                << QString::fromUtf8(expected);
        };
        row("plain line", "[GENERAL]\nLANGUAGE=Deutsch\n", "GENERAL", "LANGUAGE", "Deutsch");
        row("names ignore case", "[general]\nlanguage=x\n", "GENERAL", "LANGUAGE", "x");
        row("misspelt key", "[GENERAL]\nLANGUAGE=x\n", "GENERAL", "LANGUAG", def);
        row("number with a leading zero", "[S]\nK01=x\n", "S", "K1", def);
        row("misspelt section", "[GENERAL]\nLANGUAGE=x\n", "GENERALS", "LANGUAGE", def);
        row("blanks around section name", "[  GENERAL \t]\nK=v\n", "GENERAL", "K", "v");
        row("blanks around key and value", "[S]\n   K \t=  a  b \t\n", "S", "K", "a  b");
        row("value holds equals signs", "[S]\nURL=http://a/?b=c\n", "S", "URL", "http://a/?b=c");
        row("empty value is not missing", "[S]\nK=\n", "S", "K", "");
        row("line without equals sign", "[S]\nK\n", "S", "K", def);
        row("double quotes removed", "[S]\nK=\"a b\"\n", "S", "K", "a b");
        row("blanks inside quotes kept", "[S]\nK=\"  a \"\n", "S", "K", "  a ");
        row("mixed quotes kept", "[S]\nK=\"abc'\n", "S", "K", "\"abc'");
        row("inner quotes kept", "[S]\nK=a \"b\" c\n", "S", "K", "a \"b\" c");
        row("comment line", "[S]\n;K=1\nK=2\n", "S", "K", "2");
        row("semicolon inside value kept", "[S]\nK=a ; b\n", "S", "K", "a ; b");
        row("first of repeated keys", "[S]\nK=1\nK=2\n", "S", "K", "1");
        row("first of repeated sections", "[S]\nK=1\n[T]\n[S]\nK=2\n", "S", "K", "1");
        row("repeated section not searched", "[S]\nA=1\n[S]\nK=2\n", "S", "K", def);
        row("keys before any section", "K=0\n[S]\nX=1\n", "S", "K", def);
        row("mixed line ends", "[A]\r\nX=1\n[S]\rK=2", "S", "K", "2");
        row("no final line end", "[S]\nK=last", "S", "K", "last");
        row("text after section bracket", "[S] ; note\nK=v\n", "S", "K", "v");
        row("header without bracket opens a section", "[ S \nK=v\n", "S", "K", "v");
        row("header without bracket ends the one above", "[S]\nA=1\n[T\nK=2\n", "S", "K", def);
        row("NUL cuts the value", QByteArray("[S]\nK=ab\0cd\n", 12), "S", "K", "ab");
        row("UTF-8", "[S]\nK=Espa\xC3\xB1ol \xE2\x82\xAC\n", "S", "K", "Español €");
        row("UTF-8 with byte-order mark", "\xEF\xBB\xBF[S]\nK=\xC3\xA4\n", "S", "K", "ä");
        QTest::newRow("byte-order mark inside a value kept")
            << QByteArray("[S]\nK=\xEF\xBB\xBFx\n") << u"S"_qs << u"K"_qs << u"\uFEFFx"_qs;
        row("Windows-1252", "[S]\nK=Espa\xF1ol \x80\x96\n", "S", "K", "Español €–");
        row("one bad byte makes the file 1252", "[S]\nK=\xC3\xA4\nX=\xE4\n", "S", "K", "Ã¤");
        row("UTF-16LE with byte-order mark",
            QByteArray("\xFF\xFE[\0S\0]\0\n\0K\0=\0\xE4\0\n\0", 18), "S", "K", "ä");
        row("UTF-16BE with byte-order mark",
            QByteArray("\xFE\xFF\0[\0S\0]\0\n\0K\0=\0\xE4\0\n", 18), "S", "K", "ä");
        QTest::newRow("value of 999 characters whole")
            << "[S]\nK=" + QByteArray(998, 'v') + "w\n" << u"S"_qs << u"K"_qs
            << QString(998, u'v') + u'w';
        row("overlong NUL makes the file 1252", "[S]\nK=a\xC0\x80\n", "S", "K", "aÀ€");
        row("overlong three bytes make the file 1252", "[S]\nK=\xE0\x80\x80\n", "S", "K",
            "à€€");
        QTest::newRow("values cut to 999 characters") << "[S]\nK=" + QByteArray(1000, 'v')
                                                      << u"S"_qs << u"K"_qs << QString(999, u'v');
        row("non-ASCII names ignore case", "[\xC3\x9C" "BER]\nK=1\n", "über",
            "K", "1");
    }

    void readsAsWindowsDoes()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        const QString file = writeTestFile(m_dir, QStringLiteral("test.ini"), content);
        QCOMPARE(ReadIniValue(section, key, QStringLiteral("DEF"), file), expected);
    }

    void missingOrIrregularFileGivesDefault()
    {
        QCOMPARE(ReadIniValue(u"S"_qs, u"K"_qs, u"fallback"_qs, m_dir.filePath(u"none.ini"_qs)),
                 u"fallback"_qs);
        QCOMPARE(ReadIniValue(u"S"_qs, u"K"_qs, u"fallback"_qs, m_dir.path()), u"fallback"_qs);
        // A named pipe with no writer would block a plain open for ever.
        const QByteArray pipe = QFile::encodeName(m_dir.filePath(u"pipe.ini"_qs));
        QCOMPARE(mkfifo(pipe.constData(), 0600), 0);
        QCOMPARE(ReadIniValue(u"S"_qs, u"K"_qs, u"fallback"_qs, QFile::decodeName(pipe)),
                 u"fallback"_qs);
    }

    void fileBeyondTheSizeLimitGivesDefault()
    {
        // Sparse, so the test writes a few bytes only.
        const QString path = writeTestFile(m_dir, u"huge.ini"_qs, "[S]\nK=v\n");
        QFile file(path);
        QVERIFY(file.resize(zv::MaxProfileFileSize + 1));
        QCOMPARE(ReadIniValue(u"S"_qs, u"K"_qs, u"fallback"_qs, path), u"fallback"_qs);
        QVERIFY(file.resize(zv::MaxProfileFileSize));
        QCOMPARE(ReadIniValue(u"S"_qs, u"K"_qs, u"fallback"_qs, path), u"v"_qs);
    }

    // Read once while the file stays; an edit of the same size in place, a
    // file put in its place and a removal each show at the next call.
    void currentSnapshotSeesEveryEdit()
    {
        const QString path = writeTestFile(m_dir, u"shown.ini"_qs, "[S]\nK=a\n");
        const auto first = zv::currentSnapshot(path);
        QCOMPARE(first->value(u"S", u"K", {}), u"a"_qs);
        QCOMPARE(zv::currentSnapshot(path), first);
        writeTestFile(m_dir, u"shown.ini"_qs, "[S]\nK=b\n");
        QCOMPARE(zv::currentSnapshot(path)->value(u"S", u"K", {}), u"b"_qs);
        const QString other = writeTestFile(m_dir, u"other.ini"_qs, "[S]\nK=c\n");
        QVERIFY(QFile::remove(path) && QFile::rename(other, path));
        QCOMPARE(zv::currentSnapshot(path)->value(u"S", u"K", {}), u"c"_qs);
        QVERIFY(QFile::remove(path));
        QCOMPARE(zv::currentSnapshot(path)->value(u"S", u"K", u"gone"_qs), u"gone"_qs);
    }

    void utf8Validity_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        QTest::newRow("ASCII") << QByteArray("plain") << true;
        QTest::newRow("two, three and four bytes")
            << QByteArray("\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80") << true;
        QTest::newRow("overlong NUL") << QByteArray("\xC0\x80") << false;
        QTest::newRow("overlong three bytes") << QByteArray("\xE0\x80\x80") << false;
        QTest::newRow("overlong four bytes") << QByteArray("\xF0\x8F\xBF\xBF") << false;
        QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << false;
        QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << false;
        QTest::newRow("cut short after ASCII run") << QByteArray("abcdefgh\xC3") << false;
        QTest::newRow("stray continuation byte") << QByteArray("a\x80") << false;
    }

    void utf8Validity()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        QCOMPARE(zv::isValidUtf8(bytes), valid);
    }

    // A name that is not UTF-8 opens, and shows its odd byte escaped.
    void fileNameAsBytes()
    {
        const QByteArray name = QFile::encodeName(m_dir.path()) + "/caf\xE9.ini";
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        QVERIFY(fd >= 0);
        QVERIFY(::write(fd, "[S]\nK=v\n", 8) == 8);
        ::close(fd);
        const QString path = zv::fileNameFromBytes(name);
        QCOMPARE(zv::fileNameBytes(path), name);
        QCOMPARE(ReadIniValue(u"S"_qs, u"K"_qs, u"fallback"_qs, path), u"v"_qs);
        QVERIFY(zv::printable(path).endsWith(u"/caf\\xe9.ini"_qs));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(ProfileReaderTest)
#include "test_profilereader.moc"
