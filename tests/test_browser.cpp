// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Opening addresses: which texts may reach the browser, what the user is told
// when they may not or the launch fails, which engine a list row opens, and
// the random choice between the two alternative addresses.

#include "testprogram.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace zv;

namespace {

// Yes to the one question orders the engines 2, 1, 0.
const QByteArray Language = testData("browser.cfg");
const QString Url1 = u"https://u.example/"_qs, Url2 = u"http://v.example/p"_qs;

// The addresses the next `count` draws pick; the copy leaves the caller's source as it was.
QList<QUrl> choices(RandomSource source, int count)
{
    QList<QUrl> picked;
    while (count-- > 0)
        picked << QUrl(chooseAddress(source.next(), Url1, Url2));
    return picked;
}

} // namespace

class BrowserTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void addresses_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isWebAddress");
        QTest::addColumn<bool>("prefixedAsLink"); // a link without http(s):// gets it in front
        const struct { const char *text; bool web, prefixed;
        } rows[] = {{"HtTp://www.example.org", true, false},
                    {"https://example.org/s?q=a+b#top", true, false},
                    {"file://localhost/etc/passwd", false, true},
                    {"-http://x.org", false, true},
                    {"httpx://x", false, true},
                    {"http://", false, false},
                    {"http://x.org/a b|c^d{e}?q=100%zz", true, false},
                    {"www.example.org", false, true}};
        for (const auto &row : rows)
            QTest::newRow(row.text) << QString::fromUtf8(row.text) << row.web << row.prefixed;
    }

    void addresses()
    {
        QFETCH(QString, text);
        QFETCH(bool, isWebAddress);
        QFETCH(bool, prefixedAsLink);
        QCOMPARE(engineAddress(text), prefixedAsLink ? QStringLiteral("http://") + text : text);
        // With a browser that fails to start, each call tells the user exactly once.
        FakeLauncher launcher;
        launcher.succeeds = false;
        QStringList shown;
        Browser(launcher, [&shown](const QString &shownText) { shown << shownText; })
            .OpenInBrowser(text);
        QCOMPARE(launcher.urls, isWebAddress ? QList<QUrl>{QUrl(text)} : QList<QUrl>());
        QVERIFY2(shown.size() == 1 && shown[0].contains(text), qPrintable(shown.join(u'|')));
    }

    void chooseAddress()
    {
        // n = r × 100 rounded half to even: 0.125 gives 12, 0.375 gives 38,
        // just below 1 gives 100.
        for (float r : {0.0f, 0.99999994f, 0.125f, 0.375f})
            QVERIFY2(zv::chooseAddress(r, Url1, Url2) == Url1, qPrintable(QString::number(r)));
        QCOMPARE(zv::chooseAddress(0.01f, Url1, Url2), Url2);
    }

    void throughTheWindow()
    {
        RandomSource reseeded;
        reseeded.reseed(Program().seed);
        // Both presses restart the stream at the same place; the Money entry then goes on from
        // there.
        const QList<QUrl> afterButton = choices(reseeded, 1) + choices(reseeded, 4);
        const QList<QUrl> unseeded = choices(RandomSource(), 8);
        QVERIFY(afterButton != unseeded.mid(3));  // else a missed reseed would pass
        const QUrl alpha(u"http://a.example"_qs), beta(u"HTTPS://b.example/x"_qs),
            gamma(u"http://c.example"_qs);
        for (int run = 0; run < 2; ++run) {
            Program p;
            p.write(QStringLiteral("zv.cfg"), Language);
            p.modal = [](QDialog &window) {
                for (int press = 0; press < 2; ++press)
                    window.findChild<QPushButton *>(QStringLiteral("Command1"))->click();
            };
            p.start().show();
            // Every fresh window starts the Money entry's choices alike; each press
            // of the explanation window's button reseeds from the clock.
            for (int i = 0; i < 7; ++i)
                p.trigger(i == 3 ? "fmnuTruth1" : "fmnuMoney1");

            // A list row opens the engine it shows, also once the list is re-sorted.
            auto *list = p.find<QListWidget>(QStringLiteral("lstEngines"));
            p.find<QPushButton>(QStringLiteral("cmdNext"))->click();
            p.find<QPushButton>(QStringLiteral("cmdNext"))->click();  // Yes re-sorts the list
            for (int row = 0; row < 3; ++row) {
                const QPoint at = list->visualItemRect(list->item(row)).center();
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
            }
            list->setCurrentRow(1);
            QTest::keyClick(list, Qt::Key_Enter);
            list->clearSelection();
            QTest::keyClick(list, Qt::Key_Return);  // the current row, though none is selected
            QCOMPARE(p.launcher.urls, unseeded.mid(0, 3) + afterButton
                                          + (QList<QUrl>{gamma, beta, alpha, beta, beta}));
            QCOMPARE(p.messages, QStringList());
        }
    }
};

QTEST_MAIN(BrowserTest)
#include "test_browser.moc"
