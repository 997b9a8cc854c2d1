// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu bar and its commands, the explanation window and the About window,
// as the main window shows them.

#include "config/programtexts.h"
#include "shell/aboutwindow.h"
#include "shell/colorschemewatch.h"
#include "shell/messagebox.h"
#include "shell/programfiles.h"
#include "shell/qtcatalogue.h"
#include "testprogram.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QToolTip>

using namespace zv;

namespace {

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
    void menus()
    {
        Program p;
        p.modal = [&p](QDialog &window) { p.messages << window.objectName(); };
        p.write(QStringLiteral("zv.cfg"), "[GENERAL]\nLANGUAGE=No menu\n");
        p.start();
        p.trigger("fmnuExit");
        QVERIFY(p.quitCalled);
        // The help page in use, wherever the program was started from; Online
        // help opens it too while the language file names no address of its own.
        const QString before = QDir::currentPath();
        QTemporaryDir elsewhere;
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        p.trigger("fmnuContents");
        p.trigger("fmnuOnline");
        QVERIFY(QDir::setCurrent(before));
        const QUrl page = QUrl::fromLocalFile(p.dir.filePath(QStringLiteral("zvs.html")));
        QCOMPARE(p.launcher.urls, (QList<QUrl>{page, page}));
        p.write(QStringLiteral("zv.cfg"), "[URL]\nHELP=https://help.example/zorvane\n");
        p.trigger("fmnuOnline");
        QCOMPARE(p.launcher.urls.last(), QUrl(u"https://help.example/zorvane"_qs));
        QCOMPARE(p.messages, QStringList());

        // With a MENU section each entry its own caption.
        const QStringList entries =
            u"File New Exit Truth Truth1 Money Money1 Help Contents Online About"_qs.split(u' ');
        QByteArray menu = "[MENU]\n";
        for (const QString &entry : entries)
            menu += entry.toUpper().toUtf8() + "=&Ü " + entry.toUtf8() + "\n";
        p.write(QStringLiteral("zv.cfg"), menu);
        p.start();
        for (const QString &entry : entries)
            QCOMPARE(p.find<QAction>(u"fmnu"_qs + entry)->text(), u"&Ü "_qs + entry);
    }

    // The desktop's usual keys reach their entries from anywhere in the
    // window, and each menu shows its key beside the caption.
    void shortcuts()
    {
        Program p;
        p.start();
        p.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(p.window.get()));
        QTest::mouseClick(p.find<QPushButton>(u"cmdNext"_qs), Qt::LeftButton);
        QCOMPARE(p.window->layoutState(), 1);
        QTest::keyClick(p.window.get(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(p.window->layoutState(), 0);
        QTest::keyClick(p.window.get(), Qt::Key_F1);
        QCOMPARE(p.launcher.urls,
                 QList<QUrl>{QUrl::fromLocalFile(p.dir.filePath(QStringLiteral("zvs.html")))});
        QVERIFY(!p.quitCalled);
        QTest::keyClick(p.window.get(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(p.quitCalled);
        const auto shown = [&p](const char *entry) {
            return p.find<QAction>(QLatin1String(entry))->shortcut().toString(
                QKeySequence::NativeText);
        };
        QCOMPARE((QStringList{shown("fmnuNew"), shown("fmnuExit"), shown("fmnuContents")}),
                 (QStringList{u"Ctrl+N"_qs, u"Ctrl+Q"_qs, u"F1"_qs}));
    }

    // What the skin names no colour for takes the form's and the list's.
    void skinPaletteThroughout()
    {
        Program p;
        // Red + 256 × green + 65536 × blue.
        p.write(QStringLiteral("skin.cfg"), "[COLOR]\nFORM_BACKCOLOR=2105376\n"
                                            "FORM_FORECOLOR=14737632\nLIST_BACKCOLOR=1052688\n"
                                            "LIST_FORECOLOR=15790320\n");
        p.start();
        const QColor formBack(0x20, 0x20, 0x20), formFore(0xe0, 0xe0, 0xe0),
            listBack(0x10, 0x10, 0x10), listFore(0xf0, 0xf0, 0xf0);
        const auto colors = [](const QWidget *widget) {
            const QPalette palette = widget->palette();
            return QList<QColor>{palette.color(QPalette::Window), palette.color(QPalette::WindowText),
                                 palette.color(QPalette::Base), palette.color(QPalette::Text)};
        };
        const QList<QColor> expected{formBack, formFore, listBack, listFore};
        QCOMPARE(colors(p.find<QMenu>(u"fmnuHelp"_qs)), expected);
        QCOMPARE(colors(p.window->menuBar()), expected);
        QMessageBox box(QMessageBox::NoIcon, u"Zorvane"_qs, u"text"_qs, QMessageBox::Ok,
                        p.window.get());
        QCOMPARE(colors(&box), expected);
        QCOMPARE(QToolTip::palette().color(QPalette::ToolTipBase), listBack);
        QCOMPARE(QToolTip::palette().color(QPalette::ToolTipText), listFore);
        // Bevels come from the dark form, not from a light palette.
        QVERIFY(p.find<QMenu>(u"fmnuHelp"_qs)->palette().color(QPalette::Light).lightness() < 128);
    }

    // A stand-in portal on a private session bus changes the colour scheme:
    // the shipped pair's other skin is applied where the wizard stands.
    void followsDesktopScheme()
    {
        QProcess daemon;
        daemon.start(u"dbus-daemon"_qs, {u"--session"_qs, u"--nofork"_qs, u"--print-address"_qs});
        QVERIFY2(daemon.waitForReadyRead(10000), "dbus-daemon did not start");
        const QString address = QString::fromUtf8(daemon.readLine()).trimmed();
        QDBusConnection program = QDBusConnection::connectToBus(address, u"zv-program"_qs);
        QDBusConnection portal = QDBusConnection::connectToBus(address, u"zv-portal"_qs);
        QVERIFY(program.isConnected() && portal.isConnected());
        QVERIFY(portal.registerService(u"org.freedesktop.portal.Desktop"_qs));

        Program p;
        QVERIFY(QDir(p.dir.path()).mkpath(u"skins/dark"_qs));
        QVERIFY(QDir(p.dir.path()).mkpath(u"skins/light"_qs));
        p.write(QStringLiteral("skins/dark/skin.cfg"),
                "[GENERAL]\nNAME=Dark\n[COLOR]\nFORM_BACKCOLOR=2105376\n");
        p.write(QStringLiteral("skins/light/skin.cfg"),
                "[GENERAL]\nNAME=Light\n[COLOR]\nFORM_BACKCOLOR=15790320\n");
        p.start();
        ColorSchemeWatch watch(program);
        connect(&watch, &ColorSchemeWatch::schemeChanged, p.window.get(), [&p](bool dark) {
            p.window->changeSkin(shippedSkinFile(p.dir.path(), dark));
        });
        // A call answered on the watch's connection comes after its match rule,
        // which the bus takes without an answer.
        QVERIFY(program.interface()->isServiceRegistered(u"org.freedesktop.portal.Desktop"_qs));
        QTest::mouseClick(p.find<QPushButton>(u"cmdNext"_qs), Qt::LeftButton);
        const auto send = [&portal](const QString &group, const QString &key, uint value) {
            QDBusMessage signal = QDBusMessage::createSignal(
                u"/org/freedesktop/portal/desktop"_qs, u"org.freedesktop.portal.Settings"_qs,
                u"SettingChanged"_qs);
            signal << group << key << QVariant::fromValue(QDBusVariant(value));
            QVERIFY(portal.send(signal));
        };
        const auto menuBack = [&p] {
            return p.find<QMenu>(u"fmnuHelp"_qs)->palette().color(QPalette::Window);
        };
        send(u"org.freedesktop.appearance"_qs, u"color-scheme"_qs, 1);
        QTRY_VERIFY(p.window->windowTitle().endsWith(u" Dark"_qs));
        QCOMPARE(menuBack(), QColor(0x20, 0x20, 0x20));
        QCOMPARE(p.window->layoutState(), 1);
        QCOMPARE(p.window->wizard().CurrentQuestion(), 0);
        // Other settings and "no preference" change nothing.
        send(u"org.freedesktop.appearance"_qs, u"accent-color"_qs, 2);
        send(u"org.freedesktop.appearance"_qs, u"color-scheme"_qs, 0);
        send(u"org.freedesktop.appearance"_qs, u"color-scheme"_qs, 2);
        QTRY_VERIFY(p.window->windowTitle().endsWith(u" Light"_qs));
        QCOMPARE(menuBack(), QColor(0xf0, 0xf0, 0xf0));
        QCOMPARE(p.window->layoutState(), 1);
        QDBusConnection::disconnectFromBus(u"zv-program"_qs);
        QDBusConnection::disconnectFromBus(u"zv-portal"_qs);
        daemon.kill();
        daemon.waitForFinished();
    }

    void explanationWindow()
    {
        Program p;
        p.write(QStringLiteral("zv.cfg"), "[EXPLANATION]\nTEXT=Why paid surfing does not pay.\n");
        QStringList seen;
        p.modal = [&seen](QDialog &window) {
            QCOMPARE(window.windowTitle(), QStringLiteral("Earn money while surfing..."));
            QCOMPARE(window.findChild<QPushButton *>(u"Command1"_qs)->text(), u"Click Here"_qs);
            auto *box = window.findChild<QPlainTextEdit *>(QStringLiteral("txtExp"));
            QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
            QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
            execWith(window, [&] {
                const bool active = QTest::qWaitFor([&window] { return window.isActiveWindow(); });
                QWidget *focus = active ? QApplication::focusWidget() : &window;
                seen << focus->objectName();  // first in tab order
                QTest::keyClick(focus, Qt::Key_Return);  // presses the focused button
                QTest::keyClicks(box, QStringLiteral("typed\b"));
                seen << box->toPlainText();
                window.close();
            });
        };
        p.start();
        p.trigger("fmnuTruth1");
        QCOMPARE(seen, QStringList({"Command1", "Why paid surfing does not pay."}));
        QCOMPARE(p.launcher.urls.size(), 1);
    }

    void aboutWindow()
    {
        Program p;
        QStringList seen;
        p.modal = [&seen](QDialog &window) {
            auto *ok = window.findChild<QPushButton *>(QStringLiteral("cmdOK"));
            QVERIFY(ok->isDefault());
            QCOMPARE(ok->text(), u"OK"_qs);
            QCOMPARE(window.findChild<QLabel *>(u"lblDisclaimer"_qs)->text(),
                     languageKey("ABOUT", "NOTICE").defaultText());
            QCOMPARE(window.windowTitle(), QStringLiteral("About Zorvane"));
            for (const char *name : {"lblVersion", "lblDescription", "lblLanguage", "lblSkin"})
                seen << window.findChild<QLabel *>(QLatin1String(name))->text();
            const int key = seen.size() == 4 ? Qt::Key_Return : Qt::Key_Escape;
            seen << QString::number(
                execWith(window, [&window, key] { QTest::keyClick(&window, Qt::Key(key)); }));
        };
        p.start();
        p.trigger("fmnuAbout");
        // The credit lines come anew from the files at every showing.
        p.write(QStringLiteral("zv.cfg"), "[ABOUT]\nLANGUAGE=Testish by the tests\n");
        p.write(QStringLiteral("skin.cfg"), "[ABOUT]\nCOPYRIGHT=Skin by the tests\n");
        p.trigger("fmnuAbout");
        const QString credits = seen.value(1);
        QVERIFY2(credits.indexOf(u"\n\r\n\r") > 0,
                 qPrintable(credits)); // LF CR twice between its parts
        QCOMPARE(seen, QStringList({"Version 1.0.7", credits, "?", "?", "1", "Version 1.0.7",
                                    credits, "Testish by the tests", "Skin by the tests", "0"}));
    }

    // Each program text the language file gives shows in place of the English
    // one: here every value names its key, and "%1" shows what is put in.
    void programTextsFromTheLanguageFile()
    {
        Program p;
        QMap<QByteArray, QByteArray> sections;
        for (const ProgramTextKey &entry : ProgramTextKeys)
            sections[entry.key.section] += entry.key.key + QByteArray("=") + entry.key.section + "."
                                           + entry.key.key + " %1\n";
        QByteArray file = "[SEARCHENGINES]\nCOUNT=1\n[MATRIX]\nS0=x\n"
                          "[URL]\nURL1=nowhere\nURL2=nowhere\n";
        for (auto s = sections.cbegin(); s != sections.cend(); ++s)
            file += "[" + s.key() + "]\n" + s.value();
        p.write(u"zv.cfg"_qs, file);
        p.write(u"skin.cfg"_qs, "[FONT]\nQUESTION_FONTSZ=huge\n");
        QStringList seen;
        p.modal = [&seen](QDialog &window) {
            seen << window.windowTitle();
            const auto children =
                window.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
            for (QWidget *w : children) {
                if (auto *label = qobject_cast<QLabel *>(w); label && !label->text().isEmpty())
                    seen << label->objectName() + u": "_qs + label->text();
                else if (auto *button = qobject_cast<QPushButton *>(w))
                    seen << button->objectName() + u": "_qs + button->text();
            }
        };
        p.start();
        seen << p.find<QLabel>(u"lblStartText"_qs)->text();
        p.trigger("fmnuTruth1");
        p.trigger("fmnuAbout");
        p.trigger("fmnuMoney1");
        p.launcher.succeeds = false;
        p.trigger("fmnuContents");
        const QString page = p.dir.filePath(u"zvs.html"_qs);
        const QString credits = u"ABOUT.CREDITS %1"_qs + NewLine() + NewLine()
                                + u"ABOUT.COPYRIGHTLINE %1"_qs;
        QCOMPARE(seen, (QStringList{u"STARTEND.START %1"_qs, u"EXPLANATION.CAPTION %1"_qs,
                                    u"Command1: EXPLANATION.BUTTON %1"_qs,
                                    u"ABOUT.CAPTION %1"_qs, u"cmdOK: ABOUT.BUTTON %1"_qs,
                                    u"lblVersion: ABOUT.VERSION 1.0.7"_qs, u"lblTitle: Zorvane"_qs,
                                    u"lblDescription: "_qs + credits,
                                    u"lblDisclaimer: ABOUT.NOTICE %1"_qs, u"lblSkin: ?"_qs,
                                    u"lblLanguage: ?"_qs}));
        // The skin's failure too: the language file's texts are read before the skin.
        const QString skin = p.dir.filePath(u"skin.cfg"_qs),
                      language = p.dir.filePath(u"zv.cfg"_qs);
        const QString failure = u"FAILURE.TYPEMISMATCH %1\nFAILURE.WHERE "_qs;
        QCOMPARE(p.messages, (QStringList{failure + skin + u":2: [FONT] QUESTION_FONTSZ (\"huge\")"
                                                         "\nFAILURE.CHECKFILE "_qs + skin,
                                          failure + language + u":4: [MATRIX] S0 (\"x\")"
                                                               "\nFAILURE.CHECKFILE "_qs + language,
                                          u"FAILURE.NOTADDRESS nowhere"_qs,
                                          u"FAILURE.NOBROWSER "_qs + page}));
    }

    // Text from a file shows in a failure box as it stands, never as markup.
    void failureBoxShowsPlainText()
    {
        const QString text = u"<b>x</b> <img src=\"y.png\">"_qs;
        QString shown;
        QTimer::singleShot(0, [&shown] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                shown = box->textFormat() == Qt::PlainText ? box->text() : u"markup"_qs;
                box->done(0);
            }
        });
        QTimer guard;  // ends a box the first timer missed
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, [] {
            if (QWidget *open = QApplication::activeModalWidget())
                open->close();
        });
        guard.start(5000);
        showFailureBox(nullptr, text);
        QCOMPARE(shown, text);
    }

    // Qt's own texts in the language file's language; the layout stays left
    // to right under a right-to-left catalogue. Last, since it changes the
    // whole process's texts.
    void qtCatalogueOfTheLanguage()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(u"languages/de"_qs));
        const QString german = writeTestFile(dir, u"languages/de/zv.cfg"_qs, "[GENERAL]\n");
        QVERIFY(installQtCatalogue(german));
        QCOMPARE(QLocale().language(), QLocale::German);
        QMessageBox box(QMessageBox::NoIcon, u"Zorvane"_qs, u"Text"_qs,
                        QMessageBox::Yes | QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), u"Abbrechen"_qs);
        QLineEdit edit(u"Text"_qs);
        std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
        QStringList entries;
        for (const QAction *action : menu->actions())
            entries << action->text().section(u'\t', 0, 0);  // without the shortcut
        QVERIFY2(entries.contains(u"&Kopieren"_qs), qPrintable(entries.join(u'|')));

        const QString arabic = writeTestFile(dir, u"ar.cfg"_qs, "[GENERAL]\nCODE=ar\n");
        QVERIFY(installQtCatalogue(arabic));
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
        QVERIFY(!installQtCatalogue(writeTestFile(dir, u"zv.cfg"_qs, "[GENERAL]\n")));
    }
};

QTEST_MAIN(ShellWindowsTest)
#include "test_shellwindows.moc"
