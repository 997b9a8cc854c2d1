// Opening addresses: which texts may reach the browser, what the user is told
// when they may not or the launch fails, which engine a list row opens, and
// the random choice between the two alternative addresses.

#include "testprogram.h"

#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace zv;

namespace {

// Yes to the one question orders the engines 2, 1, 0; No leaves 0, 1, 2.
const QByteArray Language = "[SEARCHENGINES]\nCOUNT=3\n[ENGINES]\nENGINE0=Alpha\nENGINE1=Beta\nENGINE2=Gamma\n"
                            "[LINKS]\nLINK0=alpha.example.org\nLINK1=HTTPS://beta.example.org/x\n"
                            "LINK2=gamma.example.org\n[QUESTIONS]\nCOUNT=1\n[MATRIX]\nS0=-2\nS1=0\nS2=2\n"
                            "[URL]\nURL1=https://one.example.org/\nURL2=http://two.example.org/path\n";
const QString Url1 = QStringLiteral("https://one.example.org/");
const QString Url2 = QStringLiteral("http://two.example.org/path");

QList<QUrl> choices(RandomSource &source, int count)
{
    QList<QUrl> picked;
    for (int i = 0; i < count; ++i)
        picked << QUrl(chooseAddress(source.next(), Url1, Url2));
    return picked;
}

QStringList lines(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

} // namespace

class BrowserTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_p = std::make_unique<Program>(); }
    void cleanup() { m_p.reset(); }
    void engineAddress_data();
    void engineAddress();
    void webAddress_data();
    void webAddress();
    void openInBrowser_data();
    void openInBrowser();
    void listRowOpensTheEngineItShows_data();
    void listRowOpensTheEngineItShows();
    void noSelectedRowOpensNothing();
    void endOfWizardOpensTheLeaderEachTime();
    void refusedEngineLinkIsReported();
    void freshGeneratorsRepeat();
    void chooseAddress_data();
    void chooseAddress();
    void reseedStartsAnotherStream();
    void moneyEntryRepeatsOnEveryRun();
    void explanationButtonReseeds();

private:
    QListWidget *showList()
    {
        m_p->window->show();
        if (!QTest::qWaitForWindowExposed(m_p->window.get()))
            qFatal("main window not shown");
        return m_p->find<QListWidget>(QStringLiteral("lstEngines"));
    }
    void answer(bool yes)
    {
        m_p->find<QPushButton>(QStringLiteral("cmdNext"))->click();
        if (!yes)
            m_p->find<QRadioButton>(QStringLiteral("optNo"))->click();
        m_p->find<QPushButton>(QStringLiteral("cmdNext"))->click();
    }

    std::unique_ptr<Program> m_p;
};

void BrowserTest::engineAddress_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("address");
    for (const char *kept : {"http://x", "HTTP://x", "https://x", "hTTpS://x"})
        QTest::newRow(kept) << QString::fromUtf8(kept) << QString::fromUtf8(kept);
    for (const char *prefixed : {"www.x.org", "x.org/p?q=1", "http:/x", "httpx://x", "ftp://x", ""})
        QTest::newRow(prefixed) << QString::fromUtf8(prefixed) << QStringLiteral("http://") + QString::fromUtf8(prefixed);
}

void BrowserTest::engineAddress()
{
    QFETCH(QString, link);
    QFETCH(QString, address);
    QCOMPARE(zv::engineAddress(link), address);
}

void BrowserTest::webAddress_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("accepted");
    for (const char *web : {"http://www.example.org", "https://example.org/s?q=a+b#top", "HtTp://ok.example.org",
                            "http://192.0.2.1:8080/", "https://münchen.example/straße"})
        QTest::newRow(web) << QString::fromUtf8(web) << true;
    for (const char *other : {"file:///etc/passwd", "FILE:///etc/passwd", "/etc/passwd", "javascript:alert(1)",
                              "-x", "--help", "-http://example.org", "ftp://x", "http://", "https://",
                              "http:example.org", "mailto:a@b", "http:// file:///x", "http://exa mple.org",
                              "data:text/html,x", "smb://h/s", "view-source:http://x.example",
                              "www.example.org", ""})
        QTest::newRow(other) << QString::fromUtf8(other) << false;
}

void BrowserTest::webAddress()
{
    QFETCH(QString, address);
    QFETCH(bool, accepted);
    const std::optional<QUrl> url = zv::webAddress(address);
    QCOMPARE(url.has_value(), accepted);
    if (accepted)
        QCOMPARE(*url, QUrl(address));
}

void BrowserTest::openInBrowser_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("local");
    QTest::addColumn<bool>("launcherSucceeds");
    QTest::addColumn<bool>("launched");
    QTest::addColumn<bool>("told");

    const QString web = QStringLiteral("https://one.example.org/");
    QTest::newRow("web address") << web << false << true << true << false;
    QTest::newRow("launch fails") << web << false << false << true << true;
    QTest::newRow("refused") << QStringLiteral("file:///etc/passwd") << false << true << false << true;
    QTest::newRow("refused, launcher broken") << QStringLiteral("-x") << false << false << false << true;
    QTest::newRow("local page") << QStringLiteral("/opt/a program#1/zvs.html") << true << true << true << false;
    QTest::newRow("local page fails") << QStringLiteral("/opt/zvs.html") << true << false << true << true;
}

void BrowserTest::openInBrowser()
{
    QFETCH(QString, address);
    QFETCH(bool, local);
    QFETCH(bool, launcherSucceeds);
    QFETCH(bool, launched);
    QFETCH(bool, told);
    FakeLauncher launcher;
    launcher.succeeds = launcherSucceeds;
    QStringList shown;
    Browser browser(launcher, [&shown](const QString &text) { shown.append(text); });

    // Each call is one launch: twice opens two windows and tells twice.
    for (int i = 0; i < 2; ++i)
        local ? browser.openLocalPage(address) : browser.OpenInBrowser(address);
    const QUrl url = local ? QUrl::fromLocalFile(address) : QUrl(address);
    QCOMPARE(launcher.urls, (launched ? QList<QUrl>{url, url} : QList<QUrl>()));
    QCOMPARE(shown.size(), told ? 2 : 0);
    if (told)
        QVERIFY2(shown.first().contains(address), qPrintable(shown.first()));
}

void BrowserTest::listRowOpensTheEngineItShows_data()
{
    QTest::addColumn<bool>("answerYes");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("byMouse");
    QTest::addColumn<QUrl>("opened");

    const QUrl alpha(QStringLiteral("http://alpha.example.org"));
    const QUrl beta(QStringLiteral("HTTPS://beta.example.org/x"));  // a scheme of its own stays single
    const QUrl gamma(QStringLiteral("http://gamma.example.org"));
    for (bool byMouse : {true, false}) {
        const char *how = byMouse ? "double-click" : "Enter";
        QTest::addRow("%s, re-sorted, row 0", how) << true << 0 << byMouse << gamma;
        QTest::addRow("%s, re-sorted, row 1", how) << true << 1 << byMouse << beta;
        QTest::addRow("%s, re-sorted, row 2", how) << true << 2 << byMouse << alpha;
        QTest::addRow("%s, file order, row 2", how) << false << 2 << byMouse << gamma;
    }
}

void BrowserTest::listRowOpensTheEngineItShows()
{
    QFETCH(bool, answerYes);
    QFETCH(int, row);
    QFETCH(bool, byMouse);
    QFETCH(QUrl, opened);
    m_p->write(QStringLiteral("zv.cfg"), Language);
    frmZVS &w = m_p->start();
    QListWidget *list = showList();
    answer(answerYes);
    const QStringList before = lines(list);
    if (byMouse) {
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    } else {
        list->setCurrentRow(row);
        QTest::keyClick(list, Qt::Key_Return);
    }
    QCOMPARE(m_p->launcher.urls, QList<QUrl>{opened});
    QCOMPARE(m_p->messages, QStringList());
    // The window stays as it was.
    QCOMPARE(list->selectedItems(), QList<QListWidgetItem *>{list->item(row)});
    QCOMPARE(lines(list), before);
    QCOMPARE(int(w.layoutState()), 2);
}

void BrowserTest::noSelectedRowOpensNothing()
{
    m_p->write(QStringLiteral("zv.cfg"), Language);
    m_p->start();
    QListWidget *list = showList();
    QTest::keyClick(list, Qt::Key_Return);
    QTest::keyClick(list, Qt::Key_Enter);
    const QPoint belowTheRows(list->viewport()->width() / 2, list->viewport()->height() - 5);
    QVERIFY(!list->itemAt(belowTheRows));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, belowTheRows);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, belowTheRows);
    list->setCurrentRow(1);
    list->clearSelection();
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(m_p->launcher.urls, QList<QUrl>());
    QCOMPARE(m_p->messages, QStringList());
}

void BrowserTest::endOfWizardOpensTheLeaderEachTime()
{
    m_p->write(QStringLiteral("zv.cfg"), Language);
    frmZVS &w = m_p->start();
    answer(false);
    QCOMPARE(m_p->launcher.urls, QList<QUrl>());
    m_p->find<QPushButton>(QStringLiteral("cmdNext"))->click();
    m_p->find<QPushButton>(QStringLiteral("cmdNext"))->click();
    const QUrl leader(QStringLiteral("http://alpha.example.org"));
    QCOMPARE(m_p->launcher.urls, (QList<QUrl>{leader, leader}));
    QCOMPARE(int(w.layoutState()), 2);
}

void BrowserTest::refusedEngineLinkIsReported()
{
    QByteArray language = Language;
    m_p->write(QStringLiteral("zv.cfg"), language.replace("LINK0=alpha.example.org", "LINK0=javascript:alert(1)")
                                             .replace("LINK2=gamma.example.org", "LINK2="));
    m_p->start();
    QListWidget *list = showList();
    for (int row : {0, 2}) {
        list->setCurrentRow(row);
        QTest::keyClick(list, Qt::Key_Return);
    }
    QCOMPARE(m_p->launcher.urls, QList<QUrl>());
    QCOMPARE(m_p->messages.size(), 2);
    QVERIFY2(m_p->messages[0].contains(QLatin1String("javascript:alert(1)")), qPrintable(m_p->messages[0]));
    QVERIFY2(m_p->messages[1].contains(QLatin1String("\"http://\"")), qPrintable(m_p->messages[1]));
}

void BrowserTest::freshGeneratorsRepeat()
{
    RandomSource first;
    RandomSource second;
    QList<QUrl> picked;
    double sum = 0;
    for (int i = 0; i < 10000; ++i) {
        const float r = first.next();
        QCOMPARE(second.next(), r);
        QVERIFY2(r >= 0.0f && r < 1.0f, qPrintable(QString::number(r)));
        sum += r;
        picked << QUrl(zv::chooseAddress(r, Url1, Url2));
    }
    QVERIFY2(qAbs(sum / 10000 - 0.5) < 0.02, qPrintable(QString::number(sum / 10000)));
    QVERIFY(qAbs(picked.count(QUrl(Url1)) - 5000) < 300);
}

void BrowserTest::chooseAddress_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<bool>("first");
    const struct
    {
        const char *name;
        float r;
        bool first;
    } rows[] = {
        {"0", 0.0f, true},        {"just below 1: 100", 0.99999994f, true}, {"0.01: 1", 0.01f, false},
        {"0.0149: 1", 0.0149f, false}, {"0.0151: 2", 0.0151f, true},        {"12.5 to 12", 0.125f, true},
        {"62.5 to 62", 0.625f, true},  {"37.5 to 38", 0.375f, true},        {"0.51: 51", 0.51f, false},
        {"0.99: 99", 0.99f, false},
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << row.r << row.first;
}

void BrowserTest::chooseAddress()
{
    QFETCH(float, r);
    QFETCH(bool, first);
    QCOMPARE(&zv::chooseAddress(r, Url1, Url2), first ? &Url1 : &Url2);
}

void BrowserTest::reseedStartsAnotherStream()
{
    auto values = [](RandomSource &&source) {
        QList<float> list;
        for (int i = 0; i < 20; ++i)
            list << source.next();
        return list;
    };
    auto seeded = [](std::uint32_t seed, int drawnBefore = 0) {
        RandomSource source;
        while (drawnBefore-- > 0)
            source.next();
        source.reseed(seed);
        return source;
    };
    const QList<float> stream = values(seeded(12345));
    QVERIFY(values(RandomSource()) != stream);
    QCOMPARE(values(seeded(12345, 3)), stream);  // a reseed forgets where the stream stood
    QVERIFY(values(seeded(12346)) != stream);
    QVERIFY(values(seeded(12345u | 0x80000000u)) != stream);
}

void BrowserTest::moneyEntryRepeatsOnEveryRun()
{
    RandomSource reference;
    const QList<QUrl> expected = choices(reference, 5);
    for (int run = 0; run < 2; ++run) {
        m_p = std::make_unique<Program>();
        m_p->write(QStringLiteral("zv.cfg"), Language);
        m_p->start();
        for (int i = 0; i < 5; ++i)
            m_p->trigger("fmnuMoney1");
        QCOMPARE(m_p->launcher.urls, expected);
        QCOMPARE(m_p->seedsTaken, 0);
    }
}

void BrowserTest::explanationButtonReseeds()
{
    m_p->write(QStringLiteral("zv.cfg"), Language);
    RandomSource unseeded;
    RandomSource reseeded;
    reseeded.reseed(m_p->seed);
    const QList<QUrl> expected = choices(reseeded, 6);
    QVERIFY(choices(unseeded, 6) != expected);  // else the test could not tell the streams apart

    m_p->modal = [](QDialog &window) {
        auto *button = window.findChild<QPushButton *>(QStringLiteral("Command1"));
        button->click();
        button->click();
    };
    m_p->start();
    m_p->trigger("fmnuMoney1");  // the stream has moved on before the button
    m_p->trigger("fmnuTruth1");
    QCOMPARE(m_p->seedsTaken, 2);
    QCOMPARE(m_p->launcher.urls.mid(1), (QList<QUrl>{expected[0], expected[0]}));
    // The Money entry goes on from the reseeded generator.
    m_p->trigger("fmnuMoney1");
    m_p->trigger("fmnuMoney1");
    QCOMPARE(m_p->launcher.urls.mid(3), (QList<QUrl>{expected[1], expected[2]}));
    QCOMPARE(m_p->seedsTaken, 2);
}

QTEST_MAIN(BrowserTest)
#include "test_browser.moc"
