#include "testprogram.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>

using namespace zv;

namespace {

QStringList listTexts(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

const QByteArray ThreeEngines =
    "[GENERAL]\nLANGUAGE=Testish\n"
    "[SEARCHENGINES]\nCOUNT=3\n"
    "[ENGINES]\nENGINE0=Alpha\nENGINE1=Beta\nENGINE2=Gamma\n"
    "[LINKS]\nLINK0=alpha.example\nLINK1=beta.example\nLINK2=gamma.example\n"
    "[QUESTIONS]\nCOUNT=2\nQ0=First?\nY0=Y-one\nN0=N-one\n"
    "Q1=Second?\nY1=Y-two\nN1=N-two\n"
    "[MATRIX]\nS0=-2,0\nS1=0,2\nS2=2,-2\n"
    "[STARTEND]\nWELCOME=Hello\nFINISHED=All done\n";

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
const QByteArray Explained =
    "[SEARCHENGINES]\nCOUNT=3\n[ENGINES]\nENGINE0=Alpha\nENGINE1=Beta\nENGINE2=Gamma\n"
    "[QUESTIONS]\nCOUNT=3\nY0=Private\nN0=Tracked\nY1=Own index\nN1=Borrowed\n"
    "Y2=AI\nN2=Links\n"
    "[MATRIX]\nS0=2,-1,0\nS1=-2,2,0\nS2=2,0,1\n"
    "[ENGINEINFO]\nINFO0=Alpha runs its own index.\nINFO2=<b>Gamma</b>  &amp; co\n"
    "FITS=Pro:\nAGAINST=Contra:\nTIED=Level with:\n";

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_program = std::make_unique<Program>(); }
    void cleanup() { m_program.reset(); }

    void startsOnDefaultsWithoutFiles()
    {
        frmZVS &w = start();
        QCOMPARE(w.windowTitle(), u"Zorvane 1.0.7 English No Skin found"_qs);
        QCOMPARE(listTexts(control<QListWidget>("lstEngines")), QStringList(14, u" 100% ???"_qs));
        QCOMPARE(control<QLabel>("lblQuestion")->text(), u"???"_qs);
        QCOMPARE(w.layoutState(), 0);
        QVERIFY(m_program->messages.isEmpty());
    }

    void wizardRunsThroughTheWindow()
    {
        write("zv.cfg", ThreeEngines);
        write("skin.cfg", "[GENERAL]\nNAME=Night Owl\n");
        frmZVS &w = start();
        auto *list = control<QListWidget>("lstEngines");
        auto *question = control<QLabel>("lblQuestion");
        const QStringList fresh = {u" 100% Alpha"_qs, u" 100% Beta"_qs, u" 100% Gamma"_qs};
        QCOMPARE(w.windowTitle(), u"Zorvane 1.0.7 Testish Night Owl"_qs);
        QCOMPARE(listTexts(list), fresh);
        QCOMPARE(question->text(), u"First?"_qs);
        QCOMPARE(control<QRadioButton>("optYEs")->text(), u"Y-one"_qs);

        clickNext();  // leaves the start
        QCOMPARE(w.layoutState(), 1);
        QVERIFY(question->isVisibleTo(&w));

        clickNext();  // Yes to the first question
        QCOMPARE(question->text(), u"Second?"_qs);
        QCOMPARE(control<QRadioButton>("optNo")->text(), u"N-two"_qs);
        QCOMPARE(listTexts(list),
                 (QStringList{u" 100% Gamma"_qs, u" 50% Beta"_qs, u" 0% Alpha"_qs}));

        QTest::mouseClick(control<QRadioButton>("optNo"), Qt::LeftButton);
        clickNext();  // No to the second: finished
        QCOMPARE(w.layoutState(), 2);
        QVERIFY(!question->isVisibleTo(&w));
        QCOMPARE(control<QLabel>("lblStartText")->text(), u"All done"_qs);
        QCOMPARE(listTexts(list),
                 (QStringList{u" 100% Gamma"_qs, u" 25% Beta"_qs, u" 25% Alpha"_qs}));
        QVERIFY(m_program->launcher.urls.isEmpty());

        clickNext();  // launches the leader
        QCOMPARE(m_program->launcher.urls, QList<QUrl>{QUrl(u"http://gamma.example"_qs)});

        // File > New restarts with Yes selected again, though No was the last answer.
        m_program->trigger("fmnuNew");
        QCOMPARE(w.layoutState(), 0);
        QVERIFY(control<QRadioButton>("optYEs")->isChecked());
        QCOMPARE(w.wizard().Answer(), Wizard::Yes);
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

    // Every row explains the engine it shows, whatever the order.
    void rowsExplainTheirEngine_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("actions");  // as in flowEdges
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("explanation");
        QTest::newRow("before any answer only name and paragraph")
            << Explained << u"n"_qs << 0 << u"Alpha\nAlpha runs its own index."_qs;
        QTest::newRow("answers that lift, none for a 0 value")
            << Explained << u"nYnNn"_qs << 0
            << u"Alpha\nAlpha runs its own index.\n\nPro:\nPrivate\nBorrowed"_qs;
        QTest::newRow("answers that lower, no paragraph")
            << Explained << u"nYnNn"_qs << 2 << u"Beta\n\nContra:\nPrivate\nBorrowed"_qs;
        QTest::newRow("markup shown as written")
            << Explained << u"nYnNnn"_qs << 1
            << u"Gamma\n<b>Gamma</b>  &amp; co\n\nPro:\nPrivate\n\nContra:\nLinks"_qs;
        QTest::newRow("re-sorted: first row")
            << Explained << u"nNn"_qs << 0 << u"Beta\n\nPro:\nTracked"_qs;
        QTest::newRow("tie at the top names the others")
            << Explained << u"nYn"_qs << 1
            << u"Gamma\n<b>Gamma</b>  &amp; co\n\nPro:\nPrivate\n\nLevel with:\nAlpha"_qs;
        QTest::newRow("no section: default headings")
            << QByteArray("[SEARCHENGINES]\nCOUNT=3\n[ENGINES]\nENGINE0=A\nENGINE1=B\nENGINE2=C\n"
                          "[QUESTIONS]\nCOUNT=2\nY0=Y-one\nY1=Y-two\n[MATRIX]\nS1=2,-2\nS2=-2,2\n")
            << u"nYnn"_qs << 1
            << u"B\n\nFits your answers:\nY-one\n\nAgainst your answers:\nY-two\n\n"
               u"Equal fit with:\nA, C"_qs;
    }

    void rowsExplainTheirEngine()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, actions);
        QFETCH(int, row);
        QFETCH(QString, explanation);
        write("zv.cfg", file);
        start();
        play(actions);
        const QListWidgetItem *item = control<QListWidget>("lstEngines")->item(row);
        QVERIFY(item->text().endsWith(u"% "_qs + explanation.section(u'\n', 0, 0)));
        QCOMPARE(item->data(Qt::AccessibleDescriptionRole).toString(), explanation);
        const QString toolTip = item->data(Qt::ToolTipRole).toString();
        QVERIFY(Qt::mightBeRichText(toolTip));  // only rich-text tooltips wrap
        QTextDocument shown;
        shown.setHtml(toolTip);
        QCOMPARE(shown.toPlainText(), QString(explanation).replace(u"\n\n"_qs, u"\n"_qs));
        QVERIFY(m_program->messages.isEmpty());
    }

    void longExplanationsWrapAndTheListKeepsItsTip()
    {
        write("zv.cfg", engines(1) + "[ENGINEINFO]\nINFO0="
                            + QByteArray("Long words ").repeated(200)
                            + "\n[TOOLTIP]\nSELIST=Whole list\n");
        frmZVS &w = start();
        w.show();
        auto *list = control<QListWidget>("lstEngines");
        QWidget *viewport = list->viewport();
        const auto hover = [viewport](QPoint at) {
            QHelpEvent event(QEvent::ToolTip, at, viewport->mapToGlobal(at));
            QApplication::sendEvent(viewport, &event);
        };
        hover(list->visualItemRect(list->item(0)).center());
        QCOMPARE(QToolTip::text(), list->item(0)->toolTip());
        const QWidget *tip = nullptr;
        for (const QWidget *widget : QApplication::topLevelWidgets())
            tip = widget->objectName() == u"qtooltip_label"_qs ? widget : tip;
        QVERIFY(tip && tip->isVisible());
        QVERIFY(tip->width() < w.screen()->geometry().width());

        hover({viewport->width() / 2, viewport->height() - 2});  // below the rows
        QCOMPARE(QToolTip::text(), u"Whole list"_qs);
    }

    void windowHasItsDesignedShape()
    {
        frmZVS &w = start();
        QCOMPARE(w.centralWidget()->size(), QSize(620, 408));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        const struct
        {
            const char *name;
            QRect geometry;
        } controls[] = {
            {"Frame1", {4, 4, 417, 241}},         {"lstEngines", {428, 4, 189, 386}},
            {"cmdNext", {356, 124, 41, 41}},      {"optNo", {52, 160, 293, 65}},
            {"optYEs", {52, 92, 297, 65}},        {"lblQuestion", {48, 16, 349, 77}},
            {"lblStartText", {4, 16, 345, 157}},
        };
        for (const auto &c : controls)
            QCOMPARE(control<QWidget>(c.name)->geometry(), c.geometry);
        QCOMPARE(control<QWidget>("imgHelp")->pos(), QPoint(4, 240));
        // The icon-only button has a name a screen reader can speak.
        QCOMPARE(control<QPushButton>("cmdNext")->accessibleName(), u"Start"_qs);
    }

    void failuresWhileLoadingAreShown()
    {
        write("zv.cfg", "[SEARCHENGINES]\nCOUNT=2\n[MATRIX]\nS0=1,x\n");
        write("skin.cfg", "[FONT]\nQUESTION_FONTSZ=huge\n");
        start();
        QCOMPARE(m_program->messages, (QStringList{u"Type mismatch"_qs, u"Type mismatch"_qs}));
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

    void clickNext() { QTest::mouseClick(control<QPushButton>("cmdNext"), Qt::LeftButton); }

    // n: Next; Y, N: choose an option.
    void play(const QString &actions)
    {
        for (const QChar action : actions) {
            if (action == u'n')
                clickNext();
            else
                QTest::mouseClick(control<QRadioButton>(action == u'Y' ? "optYEs" : "optNo"),
                                  Qt::LeftButton);
        }
    }

    std::unique_ptr<Program> m_program;
};

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
