// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The generated pictures must lie beside the program, be readable by Qt's own
// image plugins in the format their name says and have the size the widgets
// reserve for them.

#include "skin/pictures.h"

#include <QImageReader>
#include <QtTest>

const QString ProgramDir = QStringLiteral(ZV_PROGRAM_DIR "/");

class TestPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sharpCopyForDenseScreens()
    {
        const QString quest = ProgramDir + u"quest3.ico"_qs;
        QCOMPARE(zv::loadPicture(quest, 1.0).size(), QSize(32, 32));
        const QPixmap sharp = zv::loadPicture(quest, 2.0);
        QCOMPARE(sharp.size(), QSize(64, 64));
        QCOMPARE(sharp.deviceIndependentSize().toSize(), QSize(32, 32));
    }

    void picture_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QStringList icons = {u"zvstart.ico"_qs, u"zvnext.ico"_qs, u"zvlaunch.ico"_qs,
                             u"zvabout.ico"_qs};
        for (int n = 1; n <= 16; ++n)
            icons << u"quest%1.ico"_qs.arg(n);
        for (const QString &name : icons)
            QTest::newRow(qPrintable(name)) << name << QSize(32, 32);
        QTest::newRow("zv.ico") << u"zv.ico"_qs << QSize(16, 16);
        QTest::newRow("zvhelp.bmp") << u"zvhelp.bmp"_qs << QSize(417, 161);
        // The desktop theme icons are generated beside the program folder.
        for (int n : {16, 32, 48, 64, 128, 256})
            QTest::addRow("%dpx png", n)
                << u"../icons/hicolor/%1x%1/apps/zorvane.png"_qs.arg(n) << QSize(n, n);
    }

    void picture()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QImageReader reader(ProgramDir + name);
        QCOMPARE(reader.format(), name.section(u'.', -1).toLatin1());
        QCOMPARE(reader.read().size(), size);
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
