// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The three layouts of the main window, through the real window: which
// controls show, the tooltips read from the language file, the pictures, and
// the skin's colours and fonts on each control.

#include "testprogram.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTextDocumentFragment>

namespace {

const QByteArray Language =
    "[TOOLTIP]\nSELIST=List tip\nTIPSTART=Go\nTIPNEXT=Onwards\nTIPLAUNCH=Fly\n"
    "[STARTEND]\nWELCOME=Hello there\nFINISHED=All done\n";

// Every key away from its default; every colour differs from the others.
const QByteArray EveryKey = testData("every-key-skin.cfg");

// One-colour pictures, so a test can tell which file a control shows.
void writePicture(Program &p, const char *name, QColor color, QSize size = {32, 32})
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    QVERIFY(image.save(p.dir.filePath(QLatin1String(name)),
                       QByteArray(name).endsWith(".bmp") ? "BMP" : "ICO"));
}

QColor colorOf(const QIcon &icon) { return icon.pixmap(QSize(16, 16)).toImage().pixelColor(8, 8); }

} // namespace

class ScreenLayoutTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(u"Fusion"_qs); }
    void init() { m_p = std::make_unique<Program>(); m_p->write(u"zv.cfg"_qs, Language); }
    void cleanup() { m_p.reset(); }

    void layouts()
    {
        for (const auto &[name, color] :
             {std::pair{"zvstart.ico", Qt::red}, std::pair{"zvnext.ico", Qt::green},
              std::pair{"zvlaunch.ico", Qt::blue}, std::pair{"zv.ico", Qt::yellow},
              std::pair{"quest1.ico", Qt::cyan}, std::pair{"quest2.ico", Qt::gray}})
            writePicture(*m_p, name, color);
        zv::frmZVS &w = m_p->start();
        // Question index n shows the picture numbered n + 1.
        auto *questionPicture = m_p->find<QLabel>(u"imgQuestion"_qs);
        QCOMPARE(colorOf(questionPicture->pixmap()), QColor(Qt::cyan));
        w.Question(1);
        QCOMPARE(colorOf(questionPicture->pixmap()), QColor(Qt::gray));
        auto *next = m_p->find<QPushButton>(u"cmdNext"_qs);
        const QStringList controls = {u"Frame1"_qs,      u"lstEngines"_qs,   u"imgHelp"_qs,
                                      u"cmdNext"_qs,     u"lblStartText"_qs, u"lblQuestion"_qs,
                                      u"imgQuestion"_qs, u"optYEs"_qs,       u"optNo"_qs};
        // Layout 0 shows no welcome text; another number (3) changes none of these.
        struct Layout { int layout; const char *shown, *tip, *startText; QColor picture; };
        const Layout layouts[] = {
            {0, "111110000", "Go", "Launch the best search engine", Qt::red},
            {2, "111110000", "Fly", "All done", Qt::blue},
            {1, "111101111", "Onwards", "All done", Qt::green},
            {3, "111101111", "Onwards", "All done", Qt::green},
            {0, "111110000", "Go", "Launch the best search engine", Qt::red},
        };
        for (const auto &l : layouts) {
            w.SetLayout(std::int16_t(l.layout));
            QString visible;  // one digit per control above
            for (const QString &name : controls)
                visible += QLatin1Char(shown(name) ? '1' : '0');
            QCOMPARE(visible, QLatin1String(l.shown));
            QCOMPARE(m_p->find<QLabel>(u"lblStartText"_qs)->text(), QLatin1String(l.startText));
            QCOMPARE(next->accessibleName(), QLatin1String(l.tip));
            QCOMPARE(colorOf(next->icon()), l.picture);
        }

        // Every change reads the language file anew and does the common steps;
        // other numbers only those. Tooltips that look like markup show as written.
        auto *list = m_p->find(u"lstEngines"_qs);
        QByteArray edited = Language;
        m_p->write(u"zv.cfg"_qs, edited.replace("=", "=<b>New</b> "));
        list->setPalette(QPalette(Qt::yellow));
        w.SetLayout(3);
        QCOMPARE(list->accessibleDescription(), u"<b>New</b> List tip"_qs);
        QCOMPARE(list->palette().color(QPalette::Base), QColor(Qt::black));
        QCOMPARE(next->accessibleName(), u"Go"_qs);

        // A missing picture keeps the one shown and the change goes on; the help
        // box takes its picture's size.
        QVERIFY(QFile::remove(m_p->dir.filePath(u"zvnext.ico"_qs)));
        writePicture(*m_p, "zvhelp.bmp", Qt::magenta, {60, 30});
        writePicture(*m_p, "zv.ico", Qt::darkCyan);
        w.SetLayout(1);
        QCOMPARE(next->accessibleName(), u"<b>New</b> Onwards"_qs);
        QCOMPARE(QTextDocumentFragment::fromHtml(next->toolTip()).toPlainText(),
                 next->accessibleName());
        QCOMPARE(colorOf(next->icon()), QColor(Qt::red));
        QCOMPARE(colorOf(w.windowIcon()), QColor(Qt::darkCyan));
        w.SetLayout(0);
        QCOMPARE(m_p->find(u"imgHelp"_qs)->geometry(), QRect(4, 240, 60, 30));
        QCOMPARE(m_p->messages, QStringList());
    }

    void skinnedControls_data()
    {
        QTest::addColumn<QByteArray>("skin");
        QTest::addColumn<bool>("italic");
        QTest::newRow("every key") << EveryKey << true;
        QTest::newRow("italic off") << QByteArray(EveryKey).replace("ITALIC=1", "ITALIC=0")
                                    << false;
    }

    void skinnedControls()
    {
        QFETCH(QByteArray, skin);
        QFETCH(bool, italic);
        m_p->write(u"skin.cfg"_qs, skin);
        // font: family|points|bold, if any; bare: a point no child or text covers, if any.
        struct Skinned { const char *name; QColor fore, back; const char *font; QPoint bare; };
        int checked = 0;
        const auto check = [italic, &checked](QWidget *c, const Skinned &s) {
            ++checked;
            const bool field = qobject_cast<QAbstractScrollArea *>(c);  // draws on Base with Text
            QCOMPARE(c->palette().color(field ? QPalette::Text : QPalette::WindowText), s.fore);
            QCOMPARE(c->palette().color(field ? QPalette::Base : QPalette::Window), s.back);
            const QFont f = c->font();
            if (*s.font)
                QCOMPARE(u"%1|%2|%3|%4"_qs.arg(f.family()).arg(f.pointSize()).arg(f.bold())
                             .arg(f.italic()),
                         QString::fromLatin1(s.font) + (italic ? u"|1"_qs : u"|0"_qs));
            if (!s.bare.isNull())
                QVERIFY2(c->grab().toImage().pixelColor(s.bare) == s.back, s.name);
        };
        const QColor formFore(0, 255, 0), formBack(0, 0, 128);
        const QColor textFore(0, 128, 0), textBack(192, 0, 0);
        const char *serif = "Liberation Serif|14|1";
        const Skinned skinned[] = {
            {"form", formFore, formBack, "", {424, 200}},
            {"lstEngines", QColor(0, 255, 255), QColor(64, 64, 64), "Liberation Sans|10|1",
             {129, 376}},
            {"lblStartText", textFore, textBack, "Liberation Mono|9|1", {342, 154}},
            {"lblQuestion", QColor(255, 0, 0), QColor(48, 32, 16), serif, {346, 74}},
            {"optYEs", QColor(255, 0, 255), QColor(128, 128, 128), serif, {294, 62}},
            {"optNo", QColor(255, 0, 255), QColor(128, 128, 128), serif, {290, 62}},
            {"Frame1", QColor(0, 128, 255), QColor(128, 64, 64), "", {380, 8}},
        };
        zv::frmZVS &w = m_p->start();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(w.windowTitle().endsWith(u" Every key"_qs));
        for (const Skinned &s : skinned)
            check(m_p->find(QLatin1String(s.name)), s);
        // The two other windows take the form's colours, the About labels the
        // text colours, the explanation box its own colours and font.
        m_p->modal = [&](QDialog &window) {
            check(&window, {"window", formFore, formBack, "", {}});
            for (QLabel *label : window.findChildren<QLabel *>(QRegularExpression(u"^lbl"_qs)))
                check(label, {"label", textFore, textBack, "", {}});
            if (QWidget *box = window.findChild<QWidget *>(u"txtExp"_qs))
                check(box, {"txtExp", QColor(255, 255, 0), QColor(64, 0, 64),
                            "DejaVu Serif|11|1", {}});
        };
        m_p->trigger("fmnuTruth1");
        m_p->trigger("fmnuAbout");
        QCOMPARE(checked, 7 + 2 + 1 + 6);
    }

    // A file without the new keys keeps the answers' places and tab order.
    void tabOrder_data()
    {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QString>("actions");  // n: Next; S: choose the third answer
        QTest::addColumn<QStringList>("order"); // Tab by Tab from the chosen answer
        const QByteArray keys =
            Language + "[QUESTIONS]\nSKIP=Skip\nIMPORTANT=Matters\nBACK=Back\n";
        const QString list = u"lstEngines"_qs;
        QTest::newRow("without the keys")
            << Language << u"nn"_qs << QStringList{u"optYEs"_qs, u"cmdNext"_qs, list};
        QTest::newRow("first question: no Back")
            << keys << u"n"_qs
            << QStringList{u"optYEs"_qs, u"chkImportant"_qs, u"cmdNext"_qs, list};
        QTest::newRow("second question")
            << keys << u"nn"_qs
            << QStringList{u"optYEs"_qs, u"chkImportant"_qs, u"cmdBack"_qs, u"cmdNext"_qs, list};
        QTest::newRow("skipped: no box")
            << keys << u"nnS"_qs
            << QStringList{u"optSkip"_qs, u"cmdBack"_qs, u"cmdNext"_qs, list};
    }

    void tabOrder()
    {
        QFETCH(QByteArray, language);
        QFETCH(QString, actions);
        QFETCH(QStringList, order);
        m_p->write(u"zv.cfg"_qs, language);
        zv::frmZVS &w = m_p->start();
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        for (const QChar action : actions) {
            if (action == u'n')
                m_p->find<QPushButton>(u"cmdNext"_qs)->click();
            else
                m_p->find<QRadioButton>(u"optSkip"_qs)->click();
        }
        // Back from Next to the answer, then forward again.
        m_p->find(u"cmdNext"_qs)->setFocus();
        for (qsizetype i = order.indexOf(u"cmdNext"_qs); i > 0; --i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QStringList tabbed{QApplication::focusWidget()->objectName()};
        while (tabbed.size() < order.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            tabbed.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(tabbed, order);
        if (language == Language) {
            QCOMPARE(m_p->find(u"optYEs"_qs)->geometry(), QRect(52, 92, 297, 65));
            QCOMPARE(m_p->find(u"optNo"_qs)->geometry(), QRect(52, 160, 293, 65));
        }
    }

private:
    bool shown(const QString &name) { return m_p->find(name)->isVisibleTo(m_p->window.get()); }

    std::unique_ptr<Program> m_p;
};

QTEST_MAIN(ScreenLayoutTest)
#include "test_screenlayout.moc"
