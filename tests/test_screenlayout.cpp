// The three layouts of the main window, through the real window: which
// controls show, the skin's colours and fonts on each control, the tooltips
// read from the language file, and the pictures.

#include "testprogram.h"

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>

using namespace zv;

namespace {

// Yes to the single question finishes the wizard.
const QByteArray Language = "[SEARCHENGINES]\nCOUNT=3\n[ENGINES]\nENGINE0=Alpha\nENGINE1=Beta\nENGINE2=Gamma\n"
                            "[QUESTIONS]\nCOUNT=1\nQ0=Only question?\nY0=Sure\nN0=Never\n"
                            "[TOOLTIP]\nSELIST=List tip\nTIPSTART=Go\nTIPNEXT=Onwards\nTIPLAUNCH=Fly\n"
                            "[STARTEND]\nWELCOME=Hello there\nFINISHED=All done\n";

// Every colour differs from the others and from the defaults.
const QByteArray Skin =
    "[GENERAL]\nNAME=Patchwork\n[COLOR]\nFORM_FORECOLOR=65280\nFORM_BACKCOLOR=&H800000\n"
    "QUESTION_FORECOLOR=255\nQUESTION_BACKCOLOR=&H102030\nLIST_FORECOLOR=16776960\nLIST_BACKCOLOR=&H404040\n"
    "ANSWER_FORECOLOR=&HFF00FF\nANSWER_BACKCOLOR=8421504\nTEXT_FORECOLOR=32768\nTEXT_BACKCOLOR=192\n"
    "FRAME1_FORECOLOR=16744448\nFRAME1_BACKCOLOR=4210816\n"
    "[FONT]\nQUESTION_FONTNM=Liberation Serif\nQUESTION_FONTSZ=13.5\nQUESTION_FONTBOLD=true\n"
    "QUESTION_FONTITALIC=0\nTEXT_FONTNM=Liberation Mono\nTEXT_FONTSZ=9\nTEXT_FONTBOLD=1\nTEXT_FONTITALIC=TRUE\n"
    "ENGINES_FONTNM=Arial\nENGINES_FONTSZ=12.5\nENGINES_FONTBOLD=FALSE\nENGINES_FONTITALIC=-1\n";

// One-colour pictures, so a test can tell which file a control shows.
void writePicture(Program &p, const QString &name, const QColor &color, QSize size = {32, 32})
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    if (!image.save(p.dir.filePath(name), name.endsWith(QLatin1String(".bmp")) ? "BMP" : "ICO"))
        qFatal("cannot write %s", qPrintable(name));
}

QColor colorOf(const QIcon &icon)
{
    const QImage image = icon.pixmap(QSize(16, 16)).toImage();
    return image.isNull() ? QColor() : image.pixelColor(8, 8);
}

const QColor StartColor(200, 0, 0), NextColor(0, 200, 0), LaunchColor(0, 0, 200), IconColor(200, 200, 0);

void writePictures(Program &p)
{
    writePicture(p, QStringLiteral("zvstart.ico"), StartColor);
    writePicture(p, QStringLiteral("zvnext.ico"), NextColor);
    writePicture(p, QStringLiteral("zvlaunch.ico"), LaunchColor);
    writePicture(p, QStringLiteral("zv.ico"), IconColor, {16, 16});
    if (!QFile::copy(QStringLiteral(ZV_PROGRAM_DIR "/zvhelp.bmp"), p.dir.filePath(QStringLiteral("zvhelp.bmp"))))
        qFatal("no zvhelp.bmp in " ZV_PROGRAM_DIR);
}

const QStringList QuestionControls = {QStringLiteral("lblQuestion"), QStringLiteral("imgQuestion"),
                                      QStringLiteral("optYEs"), QStringLiteral("optNo")};
const QStringList AlwaysShown = {QStringLiteral("Frame1"), QStringLiteral("lstEngines"),
                                 QStringLiteral("imgHelp"), QStringLiteral("cmdNext")};

} // namespace

class ScreenLayoutTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStringLiteral("Fusion")); }
    void init() { m_p = std::make_unique<Program>(); }
    void cleanup() { m_p.reset(); }
    void controlsShownPerLayout_data();
    void controlsShownPerLayout();
    void otherNumbersApplyOnlyTheCommonSteps();
    void startAndFinishedTexts();
    void tooltips_data();
    void tooltips();
    void tooltipsAreReadAtEveryChange();
    void skinnedControls_data();
    void skinnedControls();
    void coloursShowOnScreen();
    void withoutSkinEverythingIsWhiteOnBlackArial12();
    void failedSkinLoadUsesDefaultsForUnreadSettings();
    void pictures();
    void missingOrUnreadablePicture_data();
    void missingOrUnreadablePicture();

private:
    bool shown(const QString &name) { return m_p->find(name)->isVisibleTo(m_p->window.get()); }
    QString state();

    std::unique_ptr<Program> m_p;
};

// What a layout change may touch, in one comparable text.
QString ScreenLayoutTest::state()
{
    QStringList parts;
    for (const QString &name : AlwaysShown + QuestionControls + QStringList{QStringLiteral("lblStartText")})
        parts << name + (shown(name) ? u'+' : u'-');
    auto *next = m_p->find<QPushButton>(QStringLiteral("cmdNext"));
    parts << m_p->find<QLabel>(QStringLiteral("lblStartText"))->text() << next->toolTip()
          << next->accessibleName() << colorOf(next->icon()).name()
          << m_p->find(QStringLiteral("lstEngines"))->toolTip() << QString::number(m_p->window->layoutState());
    return parts.join(u'|');
}

void ScreenLayoutTest::controlsShownPerLayout_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<bool>("byButton");
    for (int layout : {0, 1, 2}) {
        QTest::addRow("SetLayout(%d)", layout) << layout << false;
        QTest::addRow("%d presses of Next", layout) << layout << true;
    }
}

void ScreenLayoutTest::controlsShownPerLayout()
{
    QFETCH(int, layout);
    QFETCH(bool, byButton);
    m_p->write(QStringLiteral("zv.cfg"), Language);
    writePictures(*m_p);
    frmZVS &w = m_p->start();
    for (int i = 0; byButton && i < layout; ++i)
        m_p->find<QPushButton>(QStringLiteral("cmdNext"))->click();
    if (!byButton) {
        w.SetLayout(std::int16_t(layout == 1 ? 2 : 1));  // so that every control has to change
        w.SetLayout(std::int16_t(layout));
    }
    QCOMPARE(w.property("m_iState").toInt(), layout);
    for (const QString &name : AlwaysShown)
        QVERIFY2(shown(name), qPrintable(name));
    QCOMPARE(shown(QStringLiteral("lblStartText")), layout != 1);
    for (const QString &name : QuestionControls)
        QVERIFY2(shown(name) == (layout == 1), qPrintable(name));
    QCOMPARE(m_p->launcher.urls, QList<QUrl>());

    // The same layout once more changes nothing.
    const QString once = state();
    w.SetLayout(std::int16_t(layout));
    QCOMPARE(state(), once);
}

void ScreenLayoutTest::otherNumbersApplyOnlyTheCommonSteps()
{
    const std::pair<int, int> changes[] = {{1, 3}, {2, 3}, {0, -1}, {1, 16}};
    for (const auto &[from, number] : changes) {
        m_p = std::make_unique<Program>();
        m_p->write(QStringLiteral("zv.cfg"), Language);
        m_p->write(QStringLiteral("skin.cfg"), Skin);
        writePictures(*m_p);
        frmZVS &w = m_p->start();
        w.SetLayout(std::int16_t(from));
        QStringList expected = state().split(u'|');

        // Change on disk and on screen all that a full layout would apply.
        QByteArray changed = Language;
        m_p->write(QStringLiteral("zv.cfg"), changed.replace("=", "=New "));
        for (const char *name : {"zvstart.ico", "zvnext.ico", "zvlaunch.ico"})
            writePicture(*m_p, QLatin1String(name), Qt::white);
        writePicture(*m_p, QStringLiteral("zv.ico"), Qt::cyan, {16, 16});
        auto *list = m_p->find(QStringLiteral("lstEngines"));
        list->setPalette(QPalette(Qt::yellow));

        w.SetLayout(std::int16_t(number));
        QCOMPARE(list->toolTip(), QStringLiteral("New List tip"));
        QCOMPARE(list->accessibleDescription(), QStringLiteral("New List tip"));
        QCOMPARE(list->palette().color(QPalette::Base), QColor(64, 64, 64));
        QCOMPARE(colorOf(w.windowIcon()), QColor(Qt::cyan));
        // Shown controls, texts, the button's tooltip and picture stay.
        expected[expected.size() - 2] = QStringLiteral("New List tip");
        expected.last() = QString::number(number);
        QCOMPARE(state().split(u'|'), expected);
    }
}

void ScreenLayoutTest::startAndFinishedTexts()
{
    m_p->write(QStringLiteral("zv.cfg"), Language);
    frmZVS &w = m_p->start();
    auto *label = m_p->find<QLabel>(QStringLiteral("lblStartText"));
    QCOMPARE(label->text(), QStringLiteral("Launch the best search engine"));  // not the welcome text
    QCOMPARE(label->textFormat(), Qt::PlainText);
    w.SetLayout(2);
    QCOMPARE(label->text(), QStringLiteral("All done"));
    w.SetLayout(1);
    QCOMPARE(label->text(), QStringLiteral("All done"));
    w.SetLayout(0);
    QCOMPARE(label->text(), QStringLiteral("Launch the best search engine"));

    m_p = std::make_unique<Program>();
    m_p->start().SetLayout(2);
    QCOMPARE(m_p->find<QLabel>(QStringLiteral("lblStartText"))->text(), QStringLiteral("Ready"));
}

void ScreenLayoutTest::tooltips_data()
{
    QTest::addColumn<bool>("withFile");
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("nextTip");
    QTest::addColumn<QString>("listTip");

    const QString list = QStringLiteral("Double Click on Search Engine to Launch it");
    QTest::newRow("default 0") << false << 0 << QStringLiteral("Start") << list;
    QTest::newRow("default 1") << false << 1 << QStringLiteral("Next question") << list;
    QTest::newRow("default 2") << false << 2 << QStringLiteral("Launch champion") << list;
    QTest::newRow("file 0") << true << 0 << QStringLiteral("Go") << QStringLiteral("List tip");
    QTest::newRow("file 1") << true << 1 << QStringLiteral("Onwards") << QStringLiteral("List tip");
    QTest::newRow("file 2") << true << 2 << QStringLiteral("Fly") << QStringLiteral("List tip");
}

void ScreenLayoutTest::tooltips()
{
    QFETCH(bool, withFile);
    QFETCH(int, layout);
    QFETCH(QString, nextTip);
    QFETCH(QString, listTip);
    if (withFile)
        m_p->write(QStringLiteral("zv.cfg"), Language);
    m_p->start().SetLayout(std::int16_t(layout));
    auto *next = m_p->find(QStringLiteral("cmdNext"));
    QCOMPARE(next->toolTip(), nextTip);
    QCOMPARE(next->accessibleName(), nextTip);
    auto *list = m_p->find(QStringLiteral("lstEngines"));
    QCOMPARE(list->toolTip(), listTip);
    QCOMPARE(list->accessibleDescription(), listTip);
}

void ScreenLayoutTest::tooltipsAreReadAtEveryChange()
{
    m_p->write(QStringLiteral("zv.cfg"), Language);
    frmZVS &w = m_p->start();
    w.SetLayout(1);
    auto *next = m_p->find(QStringLiteral("cmdNext"));
    auto *list = m_p->find(QStringLiteral("lstEngines"));

    // Text that looks like markup is still shown as written.
    QByteArray edited = Language;
    const QString markup = QStringLiteral("<b>On</b> & <img src=x>");
    m_p->write(QStringLiteral("zv.cfg"), edited.replace("TIPNEXT=Onwards", "TIPNEXT=" + markup.toUtf8())
                                             .replace("SELIST=List tip", "SELIST=Pick one"));
    QCOMPARE(next->accessibleName(), QStringLiteral("Onwards"));  // not before the next change
    w.SetLayout(1);
    QCOMPARE(next->accessibleName(), markup);
    QTextDocument display;
    display.setHtml(next->toolTip());
    QCOMPARE(display.toPlainText(), markup);
    QCOMPARE(list->toolTip(), QStringLiteral("Pick one"));
    QCOMPARE(list->accessibleDescription(), QStringLiteral("Pick one"));

    QVERIFY(QFile::remove(m_p->dir.filePath(QStringLiteral("zv.cfg"))));
    w.SetLayout(2);
    QCOMPARE(next->toolTip(), QStringLiteral("Launch champion"));
    QCOMPARE(list->toolTip(), QStringLiteral("Double Click on Search Engine to Launch it"));
    QCOMPARE(m_p->messages, QStringList());
}

void ScreenLayoutTest::skinnedControls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("fore");
    QTest::addColumn<QColor>("back");
    QTest::addColumn<QString>("font");  // family|points|bold|italic, empty for no font

    const QString question = QStringLiteral("Liberation Serif|14|1|0");
    QTest::newRow("window") << QStringLiteral("form") << QColor(0, 255, 0) << QColor(0, 0, 128) << QString();
    QTest::newRow("list") << QStringLiteral("lstEngines") << QColor(0, 255, 255) << QColor(64, 64, 64)
                          << QStringLiteral("Arial|12|0|1");
    QTest::newRow("start text") << QStringLiteral("lblStartText") << QColor(0, 128, 0) << QColor(192, 0, 0)
                                << QStringLiteral("Liberation Mono|9|1|1");
    QTest::newRow("question") << QStringLiteral("lblQuestion") << QColor(255, 0, 0) << QColor(48, 32, 16) << question;
    QTest::newRow("yes") << QStringLiteral("optYEs") << QColor(255, 0, 255) << QColor(128, 128, 128) << question;
    QTest::newRow("no") << QStringLiteral("optNo") << QColor(255, 0, 255) << QColor(128, 128, 128) << question;
    QTest::newRow("frame") << QStringLiteral("Frame1") << QColor(0, 128, 255) << QColor(128, 64, 64) << QString();
}

void ScreenLayoutTest::skinnedControls()
{
    QFETCH(QString, name);
    QFETCH(QColor, fore);
    QFETCH(QColor, back);
    QFETCH(QString, font);
    m_p->write(QStringLiteral("zv.cfg"), Language);
    m_p->write(QStringLiteral("skin.cfg"), Skin);
    frmZVS &w = m_p->start();
    QCOMPARE(w.centralWidget(), m_p->find(QStringLiteral("form")));
    const bool field = name == QLatin1String("lstEngines");  // a list draws on Base with Text
    for (int layout : {0, 1, 2}) {
        w.SetLayout(std::int16_t(layout));
        const QWidget *control = m_p->find(name);
        QCOMPARE(control->palette().color(field ? QPalette::Text : QPalette::WindowText), fore);
        QCOMPARE(control->palette().color(field ? QPalette::Base : QPalette::Window), back);
        const QFont f = control->font();
        if (!font.isEmpty())
            QCOMPARE(QStringList({f.family(), QString::number(f.pointSize()), QString::number(f.bold()),
                                  QString::number(f.italic())}).join(u'|'),
                     font);
    }
    QCOMPARE(m_p->messages, QStringList());
}

void ScreenLayoutTest::coloursShowOnScreen()
{
    m_p->write(QStringLiteral("zv.cfg"), Language);
    m_p->write(QStringLiteral("skin.cfg"), Skin);
    frmZVS &w = m_p->start();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // Points no child and no text covers; negative ones count from the bottom right.
    auto pixel = [this](const char *name, QPoint at) {
        QWidget *c = m_p->find(QLatin1String(name));
        return c->grab().toImage().pixelColor(at.x() < 0 ? at + QPoint(c->width(), c->height()) : at);
    };
    QCOMPARE(pixel("form", {424, 200}), QColor(0, 0, 128));
    QCOMPARE(pixel("Frame1", {380, 8}), QColor(128, 64, 64));
    QCOMPARE(pixel("lstEngines", {-60, -10}), QColor(64, 64, 64));
    QCOMPARE(pixel("lblStartText", {-3, -3}), QColor(192, 0, 0));
    w.SetLayout(1);
    QCOMPARE(pixel("optYEs", {-3, -3}), QColor(128, 128, 128));
    QCOMPARE(pixel("lblQuestion", {-3, -3}), QColor(48, 32, 16));
}

void ScreenLayoutTest::withoutSkinEverythingIsWhiteOnBlackArial12()
{
    frmZVS &w = m_p->start();
    w.SetLayout(1);
    QVERIFY2(w.windowTitle().endsWith(QLatin1String(" No Skin found")), qPrintable(w.windowTitle()));
    for (const char *name : {"form", "lblStartText", "lblQuestion", "optYEs", "optNo", "Frame1", "lstEngines"}) {
        const bool field = name == QLatin1String("lstEngines");
        const QPalette palette = m_p->find(QLatin1String(name))->palette();
        QCOMPARE(palette.color(field ? QPalette::Text : QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(palette.color(field ? QPalette::Base : QPalette::Window), QColor(Qt::black));
        if (name == QLatin1String("form") || name == QLatin1String("Frame1"))
            continue;
        const QFont font = m_p->find(QLatin1String(name))->font();
        QCOMPARE(font.family(), QStringLiteral("Arial"));
        QCOMPARE(font.pointSize(), 12);
        QVERIFY(!font.bold() && !font.italic());
        // Drawn with Arial or a font made to its metrics, not some fallback.
        const QString drawn = QFontInfo(font).family();
        QVERIFY2(drawn == QLatin1String("Arial") || drawn == QLatin1String("Liberation Sans")
                     || drawn == QLatin1String("Arimo"),
                 qPrintable(drawn));
    }
    QCOMPARE(m_p->messages, QStringList());
}

void ScreenLayoutTest::failedSkinLoadUsesDefaultsForUnreadSettings()
{
    QByteArray skin = Skin;
    m_p->write(QStringLiteral("skin.cfg"), skin.replace("QUESTION_FONTSZ=13.5", "QUESTION_FONTSZ=abc"));
    frmZVS &w = m_p->start();
    QCOMPARE(m_p->messages, QStringList{QStringLiteral("Type mismatch")});
    QCOMPARE(w.skin().KeysRead, 16);
    QCOMPARE(int(w.skin().QuestionFontSize), 0);
    QVERIFY2(w.windowTitle().endsWith(QLatin1String(" Patchwork")), qPrintable(w.windowTitle()));

    // Read before the failure: from the file; after it: the defaults.
    QCOMPARE(m_p->find(QStringLiteral("lstEngines"))->palette().color(QPalette::Base), QColor(64, 64, 64));
    const QFont question = m_p->find(QStringLiteral("lblQuestion"))->font();
    QCOMPARE(question.family(), QStringLiteral("Liberation Serif"));
    QCOMPARE(question.pointSize(), 12);
    QVERIFY(!question.bold());
    for (const char *name : {"lblStartText", "lstEngines"}) {
        const QFont font = m_p->find(QLatin1String(name))->font();
        QCOMPARE(font.family(), QStringLiteral("Arial"));
        QCOMPARE(font.pointSize(), 12);
        QVERIFY(!font.bold() && !font.italic());
    }
}

void ScreenLayoutTest::pictures()
{
    m_p->write(QStringLiteral("zv.cfg"), Language);
    writePictures(*m_p);
    frmZVS &w = m_p->start();
    auto *next = m_p->find<QPushButton>(QStringLiteral("cmdNext"));
    auto *help = m_p->find<QLabel>(QStringLiteral("imgHelp"));
    QCOMPARE(next->text(), QString());
    QCOMPARE(colorOf(next->icon()), StartColor);
    QCOMPARE(colorOf(w.windowIcon()), IconColor);
    QCOMPARE(help->geometry(), QRect(4, 240, 417, 161));

    // The help picture is loaded by the start layout only.
    QVERIFY(QFile::remove(m_p->dir.filePath(QStringLiteral("zvhelp.bmp"))));
    writePicture(*m_p, QStringLiteral("zvhelp.bmp"), Qt::magenta, {120, 50});
    next->click();
    QCOMPARE(colorOf(next->icon()), NextColor);
    next->click();
    QCOMPARE(colorOf(next->icon()), LaunchColor);
    QCOMPARE(help->geometry(), QRect(4, 240, 417, 161));
    w.SetLayout(0);
    QCOMPARE(colorOf(next->icon()), StartColor);
    QCOMPARE(help->geometry(), QRect(4, 240, 120, 50));
    QCOMPARE(help->pixmap().toImage().pixelColor(60, 25), QColor(Qt::magenta));
}

void ScreenLayoutTest::missingOrUnreadablePicture_data()
{
    QTest::addColumn<QByteArray>("content");  // empty: the file is missing
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("unreadable") << QByteArray("BM but not a picture");
}

void ScreenLayoutTest::missingOrUnreadablePicture()
{
    QFETCH(QByteArray, content);
    m_p->write(QStringLiteral("zv.cfg"), Language);
    writePictures(*m_p);
    frmZVS &w = m_p->start();
    auto *next = m_p->find<QPushButton>(QStringLiteral("cmdNext"));
    auto *help = m_p->find<QLabel>(QStringLiteral("imgHelp"));
    for (const char *name : {"zvnext.ico", "zvhelp.bmp"}) {
        QVERIFY(QFile::remove(m_p->dir.filePath(QLatin1String(name))));
        if (!content.isEmpty())
            m_p->write(QLatin1String(name), content);
    }
    writePicture(*m_p, QStringLiteral("zv.ico"), Qt::cyan, {16, 16});

    // The control keeps its picture; the steps around it still run.
    next->click();
    QCOMPARE(colorOf(next->icon()), StartColor);
    QCOMPARE(next->toolTip(), QStringLiteral("Onwards"));
    for (const QString &name : QuestionControls)
        QVERIFY2(shown(name), qPrintable(name));
    QCOMPARE(colorOf(w.windowIcon()), QColor(Qt::cyan));
    w.SetLayout(0);
    QCOMPARE(help->geometry(), QRect(4, 240, 417, 161));
    QVERIFY(!help->pixmap().isNull());
    QCOMPARE(next->toolTip(), QStringLiteral("Go"));
    QVERIFY(shown(QStringLiteral("lblStartText")));
    QCOMPARE(m_p->messages, QStringList());
}

QTEST_MAIN(ScreenLayoutTest)
#include "test_screenlayout.moc"
