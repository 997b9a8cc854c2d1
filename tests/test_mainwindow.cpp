// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "config/languagefile.h"
#include "recordingreporter.h"
#include "testprogram.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextDocument>

#include <algorithm>

using namespace zv;

namespace {

QStringList listTexts(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

const QByteArray ThreeEngines = testData("three-engines.cfg");

// Engines a, b and c; n questions; engine c suits a Yes to the first one.
QByteArray engines(int questions, int count = 3)
{
    return QStringLiteral("[SEARCHENGINES]\nCOUNT=%1\n[ENGINES]\nENGINE0=A\nENGINE1=B\nENGINE2=C\n"
                          "[LINKS]\nLINK0=a.example\nLINK1=b.example\nLINK2=c.example\n"
                          "[QUESTIONS]\nCOUNT=%2\n[MATRIX]\nS2=2\n")
        .arg(count)
        .arg(questions)
        .toUtf8();
}

// Alpha suits a Yes to Q0 and, weakly, a No to Q1; Beta the opposite; Gamma
// a Yes to Q0 and to Q2. Beta has no paragraph; Gamma's looks like markup.
const QByteArray Explained = testData("explained.cfg");

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_program = std::make_unique<Program>(); }
    void cleanup() { m_program.reset(); }

    // Every key of the language file takes its default when the file has none of them.
    void startsOnDefaults()
    {
        write("zv.cfg", "[OTHER]\nKEY=x\n");
        frmZVS &w = start();
        const LanguageTables &t = w.tables();
        QStringList menus;
        for (const MenuEntryKey &entry : MenuEntryKeys)
            menus << m_program->find<QAction>(QLatin1String(entry.objectName))->text();
        const auto named = [this](const char *n) { return control<QWidget>(n)->accessibleName(); };
        auto *next = control<QPushButton>("cmdNext");
        QStringList tips = {control<QWidget>("lstEngines")->toolTip(), next->toolTip()};
        for (const std::int16_t layout : {1, 2}) {
            w.SetLayout(layout);
            tips << next->toolTip();
        }
        RecordingReporter failures;
        const std::pair<QString, const char *> keys[] = {
            {t.LanguageName, "English"},
            {QString::number(t.EngineCount), "14"}, {QString::number(t.QuestionCount), "9"},
            {t.EngineName[13], "???"},
            {t.EngineLink[13], "en.wikipedia.org/wiki/Search_engine"},
            {t.QuestionText[8], "???"}, {t.YesText[8], "yes"}, {t.NoText[8], "no"},
            {QString::number(std::count(t.Matrix.begin(), t.Matrix.end(), 0.0)), "601"},
            {t.Url1, "https://duckduckgo.com/"}, {t.Url2, "https://duckduckgo.com/"},
            {t.ExplanationText, "nothing here.."}, {t.FinishedText, "Ready"},
            {menus.join(u'|'), "&File|&New|&Exit|&Truth|The truth about payed surfing programs|"
                               "&Money|&Earn monye while surfing on the web|&Help|Contents|"
                               "Online Help|&About"},
            {LoadLanguage(w.LanguageFile(), failures).welcomeText, "Welcome"},
            {tips[0], "Double Click on Search Engine to Launch it"},
            {tips[1], "Start"}, {tips[2], "Next question"}, {tips[3], "Launch champion"},
            {t.FitsText, "Fits your answers:"}, {t.AgainstText, "Against your answers:"},
            {t.TiedText, "Equal fit with:"}, {t.EngineInfo[13], ""},
            {named("lstEngines"), "Search engines, best match first"},
            {named("Frame1"), "Question"}, {named("imgQuestion"), "Question 1"},
            {named("imgHelp"),
             "How it works: answer the questions, watch the ranking, open the winner"},
            {w.windowTitle(), "Zorvane 1.0.7 English No Skin found"},
        };
        for (const auto &[value, expected] : keys)
            QCOMPARE(value, QString::fromUtf8(expected));
        QCOMPARE(listTexts(control<QListWidget>("lstEngines")), QStringList(14, u" 100% ???"_qs));
        QVERIFY(m_program->messages.isEmpty() && failures.failures.isEmpty());
    }

    void wizardRunsThroughTheWindow()
    {
        write("zv.cfg", ThreeEngines);
        frmZVS &w = start();
        auto *list = control<QListWidget>("lstEngines");
        auto *question = control<QLabel>("lblQuestion");
        const QStringList fresh = {u" 100% Alpha"_qs, u" 100% Beta"_qs, u" 100% Gamma"_qs};
        QCOMPARE(w.windowTitle(), u"Zorvane 1.0.7 Testish No Skin found"_qs);
        QCOMPARE(listTexts(list), fresh);
        QCOMPARE(question->text(), u"First?"_qs);
        QCOMPARE(control<QRadioButton>("optYEs")->text(), u"Y-one"_qs);

        clickNext();  // leaves the start
        clickNext();  // Yes to the first question
        QCOMPARE(question->text(), u"Second?"_qs);
        QCOMPARE(control<QRadioButton>("optNo")->text(), u"N-two"_qs);
        QCOMPARE(listTexts(list),
                 (QStringList{u" 100% Gamma"_qs, u" 50% Beta"_qs, u" 0% Alpha"_qs}));

        QTest::mouseClick(control<QRadioButton>("optNo"), Qt::LeftButton);
        // Tab stops at the chosen answer only: back from Next lands on No.
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        control<QPushButton>("cmdNext")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), control<QRadioButton>("optNo"));
        clickNext();  // No to the second: finished
        QCOMPARE(listTexts(list),
                 (QStringList{u" 100% Gamma"_qs, u" 25% Beta"_qs, u" 25% Alpha"_qs}));

        // File > New restarts with Yes selected again, though No was the last answer.
        m_program->trigger("fmnuNew");
        QCOMPARE(w.layoutState(), 0);
        QVERIFY(control<QRadioButton>("optYEs")->isChecked());
        QCOMPARE(question->text(), u"First?"_qs);
        QCOMPARE(listTexts(list), fresh);
    }

    void flowEdges_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("actions");  // n: Next; Y, N: choose an option
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("top");  // the first list entry afterwards
        QTest::addColumn<QStringList>("launches");
        const QStringList none;
        const QString c = u"http://c.example"_qs;
        QTest::newRow("first Next only starts")
            << engines(9) << u"n"_qs << 1 << u" 100% A"_qs << none;
        QTest::newRow("nine answers finish")
            << engines(9) << u"n"_qs.repeated(10) << 2 << u" 55% C"_qs << none;
        QTest::newRow("every later Next launches")
            << engines(9) << u"n"_qs.repeated(12) << 2 << u" 55% C"_qs << QStringList{c, c};
        QTest::newRow("no questions: second Next launches")
            << engines(0) << u"nn"_qs << 1 << u" 100% A"_qs << QStringList{u"http://a.example"_qs};
        QTest::newRow("no engines launch nothing") << engines(1, 0) << u"nnnn"_qs << 2 << QString()
                                                   << none;
        QTest::newRow("answer kept until changed")
            << engines(3) << u"nNnnn"_qs << 2 << u" 50% A"_qs << none;
        QTest::newRow("seventeen questions stop at sixteen")
            << engines(17) << u"n"_qs.repeated(17) << 2 << u" 53% C"_qs << none;
    }

    void flowEdges()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, actions);
        QFETCH(int, layout);
        QFETCH(QString, top);
        QFETCH(QStringList, launches);
        write("zv.cfg", file);
        frmZVS &w = start();
        play(actions);
        QCOMPARE(w.layoutState(), layout);
        const QStringList list = listTexts(control<QListWidget>("lstEngines"));
        QCOMPARE(list.value(0), top);
        QStringList launched;
        for (const QUrl &url : m_program->launcher.urls)
            launched.append(url.toString());
        QCOMPARE(launched, launches);
        QVERIFY(!m_program->messages.join(u'\n').contains(u"not a web address"_qs));
    }

    // Every row explains the engine it shows, whatever the order: the reasons
    // first, worded by the question's topic where it has one, then the facts;
    // the date of the facts is spoken for the first row and shown for every one.
    void rowsExplainTheirEngine_data()
    {
        QTest::addColumn<QString>("actions");  // as in flowEdges
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("explanation");
        QTest::newRow("answers that lift, none for a 0 value; the date at the top")
            << u"nYnNn"_qs << 0 << u"Alpha"_qs
            << u"Pro:\nPrivate\nIndex: Borrowed\n\nAlpha runs its own index.\n\n"
               "Facts of <2026>"_qs;
        QTest::newRow("topic with the file's word for the answer, against")
            << u"nYnYn"_qs << 1 << u"Alpha"_qs
            << u"Pro:\nPrivate\n\nContra:\nIndex: yes\n\nAlpha runs its own index."_qs;
        QTest::newRow("markup shown as written")
            << u"nYnNnn"_qs << 1 << u"Gamma"_qs
            << u"Pro:\nPrivate\n\nContra:\nLinks\n\n<b>Gamma</b>  &amp; co"_qs;
        QTest::newRow("re-sorted: first row, without facts")
            << u"nNn"_qs << 0 << u"Beta"_qs << u"Pro:\nTracked\n\nFacts of <2026>"_qs;
        QTest::newRow("tie at the top names the others")
            << u"nYn"_qs << 1 << u"Gamma"_qs
            << u"Pro:\nPrivate\n\nLevel with:\nAlpha\n\n<b>Gamma</b>  &amp; co"_qs;
        QTest::newRow("before any answer: date only") << u"n"_qs << 1 << u"Beta"_qs << QString();
        QTest::newRow("File > New forgets all") << u"nYnNnR"_qs << 1 << u"Beta"_qs << QString();
        const QString alphaFacts = u"\n\nAlpha runs its own index.\n\nFacts of <2026>"_qs;
        // Alpha 2 x 1 + 0.5 over 3, Gamma 2 over 3, Beta -3 over 3.
        QTest::newRow("weighted answer marked")
            << u"nYWnNn"_qs << 0 << u"Alpha"_qs
            << u"Pro:\nPrivate (a lot)\nIndex: Borrowed"_qs + alphaFacts;
        QTest::newRow("skipped answer gives no line")
            << u"nSnNn"_qs << 0 << u"Alpha"_qs << u"Pro:\nIndex: Borrowed"_qs + alphaFacts;
        const QString afterYes = u"Pro:\nPrivate\n\nLevel with:\nGamma"_qs + alphaFacts;
        QTest::newRow("back forgets the later answer")
            << u"nYnNnB"_qs << 0 << u"Alpha"_qs << afterYes;
        QTest::newRow("Alt+Left goes back") << u"nYnNnL"_qs << 0 << u"Alpha"_qs << afterYes;
        QTest::newRow("back, then a weighted answer")
            << u"nYnNnBWn"_qs << 0 << u"Alpha"_qs
            << u"Pro:\nPrivate\nIndex: Borrowed (a lot)"_qs + alphaFacts;
    }

    void rowsExplainTheirEngine()
    {
        QFETCH(QString, actions);
        QFETCH(int, row);
        QFETCH(QString, engine);
        QFETCH(QString, explanation);
        write("zv.cfg", Explained);
        start();
        play(actions);
        const QListWidgetItem *item = control<QListWidget>("lstEngines")->item(row);
        QVERIFY(item->text().endsWith(u"% "_qs + engine));
        QCOMPARE(item->data(Qt::AccessibleDescriptionRole).toString(), explanation);
        const QString toolTip = item->data(Qt::ToolTipRole).toString();
        QVERIFY(Qt::mightBeRichText(toolTip));  // only rich-text tooltips wrap
        QTextDocument shown;
        shown.setHtml(toolTip);
        const QString date = u"Facts of <2026>"_qs;
        const QString dated = row == 0 ? explanation
            : explanation.isEmpty()    ? date
                                       : explanation + u"\n\n"_qs + date;
        QCOMPARE(shown.toPlainText(), QString(dated).replace(u"\n\n"_qs, u"\n"_qs));
        QVERIFY(m_program->messages.isEmpty());
    }

    // Space or Enter alone takes a keyboard user from the start to the launch.
    // The control the step was taken from keeps the focus and tells a screen
    // reader where the user is; once the answers hide, Next does.
    void oneKeyPerStep_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<QString>("position");  // the file's POSITION
        const QString none;
        QTest::newRow("Space on Next") << u"cmdNext"_qs << int(Qt::Key_Space) << false << none;
        QTest::newRow("Return on Next, position worded")
            << u"cmdNext"_qs << int(Qt::Key_Return) << false << u"Q %1 of %2"_qs;
        QTest::newRow("keypad Enter on Next") << u"cmdNext"_qs << int(Qt::Key_Enter) << true
                                              << none;
        QTest::newRow("Return on the answer")
            << u"optNo"_qs << int(Qt::Key_Return) << false << none;
    }

    void oneKeyPerStep()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(bool, keypad);
        QFETCH(QString, position);
        write("zv.cfg", ThreeEngines + "[ACCESSIBLE]\nBESTMATCH=Best: %1 at %2\nPOSITION="
                            + position.toUtf8());
        frmZVS &w = start();
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const auto press = [&] {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                            keypad ? Qt::KeypadModifier : Qt::NoModifier);
        };
        press();  // leaves the start
        control<QRadioButton>("optNo")->setChecked(true);
        control<QWidget>(qPrintable(focus))->setFocus();
        const QStringList questions = {u"First?"_qs, u"Second?"_qs};
        const QStringList chosen = {u"N-one"_qs, u"N-two"_qs};
        for (int q = 0; q < 2; ++q) {
            const QString where = position.isEmpty() ? u"%1/2"_qs.arg(q + 1)
                                                     : position.arg(q + 1).arg(2);
            const QString asked = where + u'\n' + questions[q];
            QWidget *focused = QApplication::focusWidget();
            QCOMPARE(focused->objectName(), focus);
            QCOMPARE(focused->accessibleDescription(),
                     focus == u"cmdNext"_qs ? asked + u'\n' + chosen[q] : asked);
            // Shown only where the file words it.
            QCOMPARE(control<QLabel>("lblQuestion")->text(), questions[q]);
            QCOMPARE(control<QLabel>("lblPosition")->isVisible(), !position.isEmpty());
            QCOMPARE(control<QLabel>("lblPosition")->text(), where);
            press();
        }
        auto *next = control<QPushButton>("cmdNext");
        QCOMPARE(QApplication::focusWidget(), next);
        QCOMPARE(next->accessibleDescription(), u"All done\nBest: Alpha at 75"_qs);
        press();
        QCOMPARE(m_program->launcher.urls, QList<QUrl>{QUrl(u"http://alpha.example"_qs)});

        QTest::keyClick(&w, Qt::Key_F10);
        QCOMPARE(w.menuBar()->activeAction(), w.menuBar()->actions().constFirst());
    }

    void failuresWhileLoadingAreShown()
    {
        write("zv.cfg", "[SEARCHENGINES]\nCOUNT=2\n[MATRIX]\nS0=1,x\n");
        write("skin.cfg", "[FONT]\nQUESTION_FONTSZ=" + QByteArray(200, 'x') + "\n");
        start();
        // Each box: the description, where it is as the checker says it (a
        // long offending text cut), and the checker's command for the file.
        const QString skin = m_program->dir.filePath(u"skin.cfg"_qs),
                      language = m_program->dir.filePath(u"zv.cfg"_qs);
        QCOMPARE(m_program->messages,
                 (QStringList{u"Type mismatch\nWhere: %1:2: [FONT] QUESTION_FONTSZ (\"%2…\")\n"
                              "zorvane --check %1 lists every failure of this file."_qs
                                  .arg(skin, QString(60, u'x')),
                              u"Type mismatch\nWhere: %1:4: [MATRIX] S0 (\"x\")\n"
                              "zorvane --check %1 lists every failure of this file."_qs
                                  .arg(language)}));
        QCOMPARE(control<QListWidget>("lstEngines")->count(), 2);
        // The settings the failed skin load never reached take their defaults.
        const QFont font = control<QLabel>("lblQuestion")->font();
        QCOMPARE(font.family(), u"Arial"_qs);
        QCOMPARE(font.pointSize(), 12);
        QCOMPARE(control<QListWidget>("lstEngines")->font().pointSize(), 12);
    }

private:
    frmZVS &start() { return m_program->start(); }

    template <typename T>
    T *control(const char *name)
    {
        return m_program->find<T>(QLatin1String(name));
    }

    void write(const char *name, const QByteArray &content)
    {
        m_program->write(QLatin1String(name), content);
    }

    // On the box itself: only it and its caption take a click.
    static void clickBox(QCheckBox *box)
    {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    }

    // Shortcuts reach only the active window.
    void pressInActiveWindow(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QWidget *w = m_program->window.get();
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w, key,
                        modifiers);
    }

    void clickNext() { QTest::mouseClick(control<QPushButton>("cmdNext"), Qt::LeftButton); }

    // n: Next; Y, N, S: choose an option; W: tick the weight box; B: Back;
    // L: Alt+Left; R: File > New.
    void play(const QString &actions)
    {
        for (const QChar action : actions) {
            switch (action.unicode()) {
            case u'n': clickNext(); break;
            case u'Y': QTest::mouseClick(control<QRadioButton>("optYEs"), Qt::LeftButton); break;
            case u'N': QTest::mouseClick(control<QRadioButton>("optNo"), Qt::LeftButton); break;
            case u'S': QTest::mouseClick(control<QRadioButton>("optSkip"), Qt::LeftButton); break;
            case u'W': clickBox(control<QCheckBox>("chkImportant")); break;
            case u'B': QTest::mouseClick(control<QPushButton>("cmdBack"), Qt::LeftButton); break;
            case u'L': pressInActiveWindow(Qt::Key_Left, Qt::AltModifier); break;
            case u'R': m_program->trigger("fmnuNew"); break;
            }
        }
    }

    std::unique_ptr<Program> m_program;
};

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
