// The menu bar and its commands, the explanation window and the About window,
// through the main window where the behaviour is the window's.

#include "testprogram.h"
#include "shell/aboutwindow.h"
#include "shell/explanationwindow.h"
#include "skin/skinfile.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

using namespace zv;

namespace {

const QByteArray Language = "[EXPLANATION]\nTEXT=Why paid surfing does not pay.\n"
                            "[ABOUT]\nLANGUAGE=  \"  Testish   by the tests  \"\n";

const QByteArray Skin = "[COLOR]\nFORM_FORECOLOR=255\nFORM_BACKCOLOR=65280\nTEXT_FORECOLOR=16711680\n"
                        "TEXT_BACKCOLOR=&H404040\nEXPL_FORECOLOR=33023\nEXPL_BACKCOLOR=8421504\n"
                        "[FONT]\nEXPL_FONTNM=Liberation Serif\nEXPL_FONTSZ=15\nEXPL_FONTBOLD=FALSE\nEXPL_FONTITALIC=TRUE\n"
                        "[ABOUT]\nCOPYRIGHT=<b>Skin</b>  (c) by the tests \n";

SkinSettings loadSkin(const QString &file)
{
    struct : FailureReporter
    {
        void report(const QString &description) override { qFatal("%s", qPrintable(description)); }
    } noFailure;
    SkinSettings skin;
    LoadSkin(skin, file, noFailure);
    return skin;
}

QStringList names(const QList<QAction *> &actions)
{
    QStringList list;
    for (const QAction *action : actions)
        list << action->objectName();
    return list;
}

// Runs a modal window the way the program does, with `whileOpen` called from
// inside its event loop; a second timer ends a loop the test failed to end.
int execWith(QDialog &window, std::function<void()> whileOpen)
{
    QTimer::singleShot(0, &window, std::move(whileOpen));
    QTimer::singleShot(5000, &window, [&window] { window.done(99); });
    return window.exec();
}

} // namespace

class ShellWindowsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStringLiteral("Fusion")); }
    void init() { m_p = std::make_unique<Program>(); }
    void cleanup() { m_p.reset(); }
    void menuTree();
    void menuCaptions_data();
    void menuCaptions();
    void exitEndsAndOnlineDoesNothing();
    void contentsOpensTheHelpPageBesideTheProgram();
    void explanationWindowAsDesigned();
    void explanationTextIsReadOnlyAndWraps();
    void truthEntryShowsTheExplanationModally();
    void aboutTexts();
    void aboutGeometryAndColours_data();
    void aboutGeometryAndColours();
    void aboutKeysClose_data();
    void aboutKeysClose();
    void aboutIcon();
    void aboutReadsCreditLinesAtEveryShowing();

private:
    std::unique_ptr<Program> m_p;
};

void ShellWindowsTest::menuTree()
{
    frmZVS &w = m_p->start();
    QCOMPARE(names(w.menuBar()->actions()), QStringList({"fmnuFile", "fmnuTruth", "fmnuMoney", "fmnuHelp"}));
    const std::pair<const char *, QStringList> menus[] = {
        {"fmnuFile", {"fmnuNew", "fmnuExit"}},
        {"fmnuTruth", {"fmnuTruth1"}},
        {"fmnuMoney", {"fmnuMoney1"}},
        {"fmnuHelp", {"fmnuContents", "fmnuOnline", "fmnuAbout"}},
    };
    for (const auto &[menu, entries] : menus) {
        const QList<QAction *> actions = m_p->find<QMenu>(QLatin1String(menu))->actions();
        QCOMPARE(names(actions), entries);
        for (const QAction *entry : actions)
            QVERIFY(entry->isEnabled() && entry->isVisible() && entry->shortcut().isEmpty());
    }
}

void ShellWindowsTest::menuCaptions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QString>("fromFile");
    QTest::addColumn<QString>("byDefault");
    const char *rows[][4] = {
        {"fmnuFile", "FILE", "&Datei", "&File"},
        {"fmnuNew", "NEW", "&Neu", "&New"},
        {"fmnuExit", "EXIT", "&Beenden", "&Exit"},
        {"fmnuTruth", "TRUTH", "&Wahrheit", "&Truth"},
        {"fmnuTruth1", "TRUTH1", "Die Wahrheit über bezahltes Surfen", "The truth about payed surfing programs"},
        {"fmnuMoney", "MONEY", "&Geld", "&Money"},
        {"fmnuMoney1", "MONEY1", "&Geld verdienen", "&Earn monye while surfing on the web"},
        {"fmnuHelp", "HELP", "&Hilfe", "&Help"},
        {"fmnuContents", "CONTENTS", "&Inhalt", "Contents"},
        {"fmnuOnline", "ONLINE", "Online-Hilfe", "Online Help"},
        {"fmnuAbout", "ABOUT", "Ü&ber", "&About"},
    };
    for (const auto &row : rows)
        QTest::newRow(row[0]) << QString::fromUtf8(row[0]) << QByteArray(row[1]) << QString::fromUtf8(row[2])
                              << QString::fromUtf8(row[3]);
}

void ShellWindowsTest::menuCaptions()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, key);
    QFETCH(QString, fromFile);
    QFETCH(QString, byDefault);
    m_p->write(QStringLiteral("zv.cfg"), "[GENERAL]\nLANGUAGE=No menu\n");
    m_p->start();
    QCOMPARE(m_p->find<QAction>(name)->text(), byDefault);

    // A MENU section naming only this entry: it alone takes the caption.
    m_p->window.reset();
    m_p->write(QStringLiteral("zv.cfg"), "[MENU]\n" + key + "=" + fromFile.toUtf8() + "\n");
    frmZVS &w = m_p->start();
    for (const QAction *action : w.findChildren<QAction *>())
        QVERIFY2((action->text() == fromFile) == (action->objectName() == name), qPrintable(action->objectName()));
}

void ShellWindowsTest::exitEndsAndOnlineDoesNothing()
{
    int shown = 0;
    m_p->modal = [&shown](QDialog &) { ++shown; };
    frmZVS &w = m_p->start();
    m_p->find<QPushButton>(QStringLiteral("cmdNext"))->click();
    m_p->trigger("fmnuOnline");
    QVERIFY(!m_p->quitCalled);
    m_p->trigger("fmnuExit");
    QVERIFY(m_p->quitCalled);
    QCOMPARE(shown, 0);
    QCOMPARE(int(w.layoutState()), 1);
    QCOMPARE(m_p->launcher.urls, QList<QUrl>());
    QCOMPARE(m_p->messages, QStringList());
}

void ShellWindowsTest::contentsOpensTheHelpPageBesideTheProgram()
{
    m_p->start();
    const QString page = m_p->dir.filePath(QStringLiteral("zvs.html"));
    const QString before = QDir::currentPath();
    QTemporaryDir elsewhere;
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    m_p->trigger("fmnuContents");
    QVERIFY(QDir::setCurrent(before));
    // The page need not exist: the browser reports a missing one itself.
    QVERIFY(!QFile::exists(page));
    QCOMPARE(m_p->launcher.urls, QList<QUrl>{QUrl::fromLocalFile(page)});
    QCOMPARE(m_p->messages, QStringList());

    m_p->launcher.succeeds = false;
    m_p->trigger("fmnuContents");
    QCOMPARE(m_p->launcher.urls.size(), 2);
    QCOMPARE(m_p->messages.size(), 1);
    QVERIFY2(m_p->messages.first().contains(page), qPrintable(m_p->messages.first()));
}

void ShellWindowsTest::explanationWindowAsDesigned()
{
    QTemporaryDir dir;
    frmExplanation window(loadSkin(writeTestFile(dir, QStringLiteral("skin.cfg"), Skin)), QStringLiteral("Text"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Earn money while surfing..."));
    QCOMPARE(window.size(), QSize(537, 315));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QCOMPARE(window.windowFlags() & (Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
             Qt::WindowFlags(Qt::WindowCloseButtonHint));
    QCOMPARE(window.palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(window.palette().color(QPalette::Window), QColor(0, 255, 0));

    auto *text = window.findChild<QPlainTextEdit *>(QStringLiteral("txtExp"));
    QCOMPARE(text->geometry(), QRect(4, 4, 529, 273));
    QCOMPARE(text->toPlainText(), QStringLiteral("Text"));
    QCOMPARE(text->palette().color(QPalette::Text), QColor(255, 128, 0));
    QCOMPARE(text->palette().color(QPalette::Base), QColor(128, 128, 128));
    const QFont font = text->font();
    QCOMPARE(font.family(), QStringLiteral("Liberation Serif"));
    QCOMPARE(font.pointSize(), 15);
    QVERIFY(!font.bold() && font.italic());

    auto *button = window.findChild<QPushButton *>(QStringLiteral("Command1"));
    QCOMPARE(button->text(), QStringLiteral("Click Here"));
    QCOMPARE(button->geometry(), QRect(188, 280, 117, 25));
    QSignalSpy clicked(&window, &frmExplanation::clickHere);
    button->click();
    button->click();
    QCOMPARE(clicked.size(), 2);

    // The button is first in the tab order, so it has the focus on opening.
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(QApplication::focusWidget(), button);
    QTest::keyClick(button, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), text);
}

void ShellWindowsTest::explanationTextIsReadOnlyAndWraps()
{
    const QString longText = QStringLiteral("Paid surfing programs pay for looking at advertising. ").repeated(40);
    frmExplanation window(withDefaultsForUnread(SkinSettings()), longText);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *text = window.findChild<QPlainTextEdit *>(QStringLiteral("txtExp"));
    text->setFocus();
    QTest::keyClicks(text, QStringLiteral("typed"));
    QTest::keyClick(text, Qt::Key_Backspace);
    QTest::keyClick(text, Qt::Key_Delete);
    QCOMPARE(text->toPlainText(), longText);
    QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(text->textCursor().selectedText(), longText);  // selectable though

    QVERIFY(text->document()->firstBlock().layout()->lineCount() > 10);
    QVERIFY(!text->verticalScrollBar()->isVisible());
    QVERIFY(!text->horizontalScrollBar()->isVisible());
}

void ShellWindowsTest::truthEntryShowsTheExplanationModally()
{
    for (bool withFiles : {false, true}) {
        m_p = std::make_unique<Program>();
        if (withFiles) {
            m_p->write(QStringLiteral("zv.cfg"), Language);
            m_p->write(QStringLiteral("skin.cfg"), Skin);
        }
        QStringList seen;
        m_p->modal = [&](QDialog &window) {
            QPushButton *button = window.findChild<QPushButton *>(QStringLiteral("Command1"));
            auto *box = window.findChild<QPlainTextEdit *>(QStringLiteral("txtExp"));
            const int result = execWith(window, [&] {
                button->click();
                seen << window.objectName() << box->toPlainText() << box->palette().color(QPalette::Base).name()
                     << QString::number(QApplication::activeModalWidget() == &window)
                     << QString::number(window.isVisible());
                window.close();
            });
            QCOMPARE(result, int(QDialog::Rejected));
            QCOMPARE(window.parentWidget(), m_p->window.get());
        };
        m_p->start();
        m_p->trigger("fmnuTruth1");
        m_p->trigger("fmnuTruth1");
        const QStringList once = withFiles
            ? QStringList{"frmExplanation", "Why paid surfing does not pay.", "#808080", "1", "1"}
            : QStringList{"frmExplanation", "nothing here..", "#000000", "1", "1"};
        QCOMPARE(seen, once + once);
        QCOMPARE(m_p->launcher.urls.size(), 2);  // one per press, the window staying open
        QVERIFY(!QApplication::activeModalWidget());
    }
}

void ShellWindowsTest::aboutTexts()
{
    QTemporaryDir dir;
    auto about = [&dir] {
        return std::make_unique<frmAbout>(withDefaultsForUnread(SkinSettings()), dir.path(),
                                          dir.filePath(QStringLiteral("zv.cfg")),
                                          dir.filePath(QStringLiteral("skin.cfg")));
    };
    auto text = [](const frmAbout &window, const char *name) {
        return window.findChild<QLabel *>(QLatin1String(name))->text();
    };
    auto bare = about();
    QCOMPARE(bare->windowTitle(), QStringLiteral("About Zorvane"));
    QCOMPARE(text(*bare, "lblTitle"), QStringLiteral("Zorvane"));
    QCOMPARE(text(*bare, "lblVersion"), QStringLiteral("Version 1.0.23"));
    QCOMPARE(NewLine(), QStringLiteral("\n\r"));
    const QString credits = text(*bare, "lblDescription");
    const qsizetype breaks = credits.indexOf(QStringLiteral("\n\r\n\r"));
    QVERIFY2(breaks > 0 && credits.at(breaks + 4) == u' ', qPrintable(credits));
    QVERIFY(!text(*bare, "lblDisclaimer").isEmpty());
    QCOMPARE(text(*bare, "lblLanguage"), QStringLiteral("?"));
    QCOMPARE(text(*bare, "lblSkin"), QStringLiteral("?"));

    // The credit lines exactly as read, never taken as markup.
    writeTestFile(dir, QStringLiteral("zv.cfg"), Language);
    writeTestFile(dir, QStringLiteral("skin.cfg"), Skin);
    auto withFiles = about();
    QCOMPARE(text(*withFiles, "lblLanguage"), QStringLiteral("  Testish   by the tests  "));
    QCOMPARE(text(*withFiles, "lblSkin"), QStringLiteral("<b>Skin</b>  (c) by the tests"));
    for (const char *name : {"lblTitle", "lblVersion", "lblDescription", "lblLanguage", "lblSkin", "lblDisclaimer"})
        QCOMPARE(withFiles->findChild<QLabel *>(QLatin1String(name))->textFormat(), Qt::PlainText);

    writeTestFile(dir, QStringLiteral("skin.cfg"), "[ABOUT]\nOTHER=x\n");
    QCOMPARE(text(*about(), "lblSkin"), QStringLiteral("?"));
}

void ShellWindowsTest::aboutGeometryAndColours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("picIcon") << QStringLiteral("picIcon") << QRect(16, 16, 36, 36);
    QTest::newRow("lblTitle") << QStringLiteral("lblTitle") << QRect(70, 16, 311, 20);
    QTest::newRow("lblVersion") << QStringLiteral("lblVersion") << QRect(70, 40, 311, 20);
    QTest::newRow("lblDescription") << QStringLiteral("lblDescription") << QRect(16, 64, 451, 66);
    QTest::newRow("lblLanguage") << QStringLiteral("lblLanguage") << QRect(16, 130, 451, 66);
    QTest::newRow("lblSkin") << QStringLiteral("lblSkin") << QRect(16, 196, 451, 66);
    QTest::newRow("lblDisclaimer") << QStringLiteral("lblDisclaimer") << QRect(16, 262, 451, 66);
    QTest::newRow("cmdOK") << QStringLiteral("cmdOK") << QRect(407, 8, 60, 23);
}

void ShellWindowsTest::aboutGeometryAndColours()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QTemporaryDir dir;
    const QString skinFile = writeTestFile(dir, QStringLiteral("skin.cfg"), Skin);
    frmAbout about(loadSkin(skinFile), dir.path(), dir.filePath(QStringLiteral("zv.cfg")), skinFile);
    QCOMPARE(about.size(), QSize(476, 337));
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QCOMPARE(about.palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(about.palette().color(QPalette::Window), QColor(0, 255, 0));

    QWidget *control = about.findChild<QWidget *>(name);
    QCOMPARE(control->geometry(), geometry);
    if (name.startsWith(QLatin1String("lbl"))) {
        QCOMPARE(control->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(control->palette().color(QPalette::Window), QColor(64, 64, 64));
        QVERIFY(control->autoFillBackground());
    }
    if (auto *button = qobject_cast<QPushButton *>(control)) {
        QCOMPARE(button->text(), QStringLiteral("OK"));
        QVERIFY(button->isDefault());
    }
}

void ShellWindowsTest::aboutKeysClose_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(QDialog::Accepted);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(QDialog::Accepted);
    QTest::newRow("Esc") << int(Qt::Key_Escape) << int(QDialog::Rejected);
}

void ShellWindowsTest::aboutKeysClose()
{
    QFETCH(int, key);
    QFETCH(int, result);
    bool focusOnOK = false;
    bool atItsPlace = false;
    int shownResult = -1;
    m_p->modal = [&](QDialog &window) {
        shownResult = execWith(window, [&] {
            const bool active = QTest::qWaitFor([&window] { return window.isActiveWindow(); });
            focusOnOK = active && QApplication::focusWidget() == window.findChild<QPushButton *>(QStringLiteral("cmdOK"));
            // Its designed place on the screen, not centred over the main window.
            atItsPlace = window.geometry().topLeft() == window.screen()->geometry().topLeft() + QPoint(156, 129);
            QTest::keyClick(focusOnOK ? QApplication::focusWidget() : &window, Qt::Key(key));
        });
    };
    frmZVS &w = m_p->start();
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    m_p->trigger("fmnuAbout");
    QVERIFY(focusOnOK);
    QVERIFY(atItsPlace);
    QCOMPARE(shownResult, result);
    QVERIFY(!QApplication::activeModalWidget());
}

void ShellWindowsTest::aboutIcon()
{
    // The icon file, or else the program's own icon.
    QImage red(32, 32, QImage::Format_ARGB32);
    red.fill(QColor(220, 0, 0));
    QVERIFY(red.save(m_p->dir.filePath(QStringLiteral("zvabout.ico")), "ICO"));
    QImage blue(16, 16, QImage::Format_ARGB32);
    blue.fill(QColor(0, 0, 220));
    QVERIFY(blue.save(m_p->dir.filePath(QStringLiteral("zv.ico")), "ICO"));
    QList<QColor> seen;
    m_p->modal = [&seen](QDialog &window) {
        const QImage picture = window.findChild<QLabel *>(QStringLiteral("picIcon"))->pixmap().toImage();
        seen << (picture.isNull() ? QColor() : picture.pixelColor(picture.width() / 2, picture.height() / 2));
    };
    m_p->start();
    m_p->trigger("fmnuAbout");
    QVERIFY(QFile::remove(m_p->dir.filePath(QStringLiteral("zvabout.ico"))));
    m_p->trigger("fmnuAbout");
    QCOMPARE(seen, (QList<QColor>{QColor(220, 0, 0), QColor(0, 0, 220)}));
}

void ShellWindowsTest::aboutReadsCreditLinesAtEveryShowing()
{
    m_p->write(QStringLiteral("zv.cfg"), Language);
    m_p->write(QStringLiteral("skin.cfg"), Skin);
    QStringList seen;
    m_p->modal = [&](QDialog &window) {
        QCOMPARE(window.objectName(), QStringLiteral("frmAbout"));
        QCOMPARE(window.parentWidget(), m_p->window.get());
        for (const char *name : {"lblSkin", "lblLanguage"})
            seen << window.findChild<QLabel *>(QLatin1String(name))->text();
        seen << window.findChild<QLabel *>(QStringLiteral("lblVersion"))->palette().color(QPalette::Window).name();
    };
    m_p->start();
    m_p->trigger("fmnuAbout");
    // The credit lines come anew from the files; the skin's colours do not.
    QByteArray skin = Skin;
    m_p->write(QStringLiteral("skin.cfg"), skin.replace("<b>Skin</b>  (c) by the tests ", "New skin line")
                                               .replace("TEXT_BACKCOLOR=&H404040", "TEXT_BACKCOLOR=255"));
    QByteArray language = Language;
    m_p->write(QStringLiteral("zv.cfg"), language.replace("\"  Testish   by the tests  \"", "New language line"));
    m_p->trigger("fmnuAbout");
    QCOMPARE(seen, QStringList({"<b>Skin</b>  (c) by the tests", "  Testish   by the tests  ", "#404040",
                                "New skin line", "New language line", "#404040"}));
}

QTEST_MAIN(ShellWindowsTest)
#include "test_shellwindows.moc"
