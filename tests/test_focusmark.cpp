// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The focus mark as it reaches the screen, in both shipped skins: a ring at
// least 2 pixels wide that stands out by 3:1 from what the same pixels show
// without the focus and from every colour beside it.

#include "skin/focusmark.h"
#include "testprogram.h"

#include <QApplication>
#include <QImage>

namespace {

// Length of the run of mark pixels that starts at `from` and goes `step` on.
int runFrom(const QImage &mark, QPoint from, QPoint step)
{
    while (mark.rect().contains(from) && mark.pixelIndex(from) == 0)
        from += step;
    int length = 0;
    for (; mark.rect().contains(from) && mark.pixelIndex(from) == 1; from += step)
        ++length;
    return length;
}

} // namespace

class FocusMarkTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(zv::createProgramStyle()); }

    void markStandsOut_data()
    {
        QTest::addColumn<QString>("skin");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("layout");
        for (const QString &skin : {u"dark"_qs, u"light"_qs}) {
            // Next has the focus at start, without any key pressed.
            QTest::addRow("%s Next at start", qPrintable(skin)) << skin << u"cmdNext"_qs << 0;
            for (const QString &control : {u"optYEs"_qs, u"optNo"_qs, u"lstEngines"_qs})
                QTest::addRow("%s %s", qPrintable(skin), qPrintable(control))
                    << skin << control << 1;
        }
    }

    void markStandsOut()
    {
        QFETCH(QString, skin);
        QFETCH(QString, control);
        QFETCH(int, layout);
        Program p;
        const QString shipped = QStringLiteral(ZV_SOURCE_DIR "/shipped/skins/%1/skin.cfg");
        p.write(u"skin.cfg"_qs, readTestFile(shipped.arg(skin)));
        zv::frmZVS &w = p.start();
        w.SetLayout(std::int16_t(layout));
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));

        QWidget *c = p.find(control);
        QWidget *form = w.centralWidget();
        const QRect around =
            QRect(c->mapTo(form, QPoint(0, 0)), c->size()).adjusted(-3, -3, 3, 3);
        c->setFocus();
        QVERIFY(c->hasFocus());
        const QImage focused = form->grab(around).toImage();
        c->clearFocus();
        const QImage plain = form->grab(around).toImage();

        QImage mark(focused.size(), QImage::Format_Mono);
        mark.fill(0);
        for (int y = 0; y < mark.height(); ++y)
            for (int x = 0; x < mark.width(); ++x)
                if (zv::contrastRatio(focused.pixelColor(x, y), plain.pixelColor(x, y)) >= 3)
                    mark.setPixel(x, y, 1);

        // A ring: each side, seen from outside, at least 2 pixels deep.
        QRect ring;
        for (int y = 0; y < mark.height(); ++y)
            for (int x = 0; x < mark.width(); ++x)
                if (mark.pixelIndex(x, y) == 1)
                    ring |= QRect(x, y, 1, 1);
        const QPoint middle = ring.center();
        QVERIFY(runFrom(mark, {ring.left(), middle.y()}, {1, 0}) >= 2);
        QVERIFY(runFrom(mark, {ring.right(), middle.y()}, {-1, 0}) >= 2);
        QVERIFY(runFrom(mark, {middle.x(), ring.top()}, {0, 1}) >= 2);
        QVERIFY(runFrom(mark, {middle.x(), ring.bottom()}, {0, -1}) >= 2);

        double least = 21;
        for (int y = 0; y < mark.height(); ++y) {
            for (int x = 0; x < mark.width(); ++x) {
                if (mark.pixelIndex(x, y) == 0)
                    continue;
                for (const QPoint n : {QPoint(x - 1, y), QPoint(x + 1, y), QPoint(x, y - 1),
                                       QPoint(x, y + 1)}) {
                    if (mark.rect().contains(n) && mark.pixelIndex(n) == 0)
                        least = std::min(least, zv::contrastRatio(focused.pixelColor(x, y),
                                                                  focused.pixelColor(n)));
                }
            }
        }
        qInfo("least contrast beside the mark: %.2f", least);
        QVERIFY2(least >= zv::FocusMarkContrast, qPrintable(QString::number(least)));
    }
};

QTEST_MAIN(FocusMarkTest)
#include "test_focusmark.moc"
