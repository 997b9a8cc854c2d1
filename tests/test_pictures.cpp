// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The generated pictures must lie beside the program, be readable by Qt's own
// image plugins in the format their name says and have the size the widgets
// reserve for them. Pictures are decoded once, yet a changed file shows.

#include "skin/pictures.h"

#include <QBuffer>
#include <QImageReader>
#include <QPushButton>
#include <QtTest>

const QString ProgramDir = QStringLiteral(ZV_PROGRAM_DIR "/");

namespace {

// An icon file of one-colour square images, each stored as PNG.
QByteArray iconFile(const QList<std::pair<int, QColor>> &images)
{
    QByteArray directory;
    QByteArray data;
    QDataStream out(&directory, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());
    for (const auto &[side, color] : images) {
        QImage image(side, side, QImage::Format_ARGB32);
        image.fill(color);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        out << quint8(side % 256) << quint8(side % 256) << quint8(0) << quint8(0) << quint16(1)
            << quint16(32) << quint32(png.size())
            << quint32(6 + 16 * images.size() + data.size());
        data += png;
    }
    return directory + data;
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

QColor colorOf(const QPixmap &pixmap)
{
    return pixmap.toImage().pixelColor(pixmap.width() / 2, pixmap.height() / 2);
}

} // namespace

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

    // Showing a picture again decodes nothing; a file rewritten in place with
    // the same size shows anew, a removed one gives nothing.
    void decodedOnceWhileTheFileStays()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"quest1.ico"_qs);
        writeFile(path, iconFile({{32, Qt::red}}));
        const QPixmap first = zv::loadPicture(path);
        QCOMPARE(colorOf(first), QColor(Qt::red));
        QCOMPARE(zv::loadPicture(path).cacheKey(), first.cacheKey());
        writeFile(path, iconFile({{32, Qt::blue}}));
        QCOMPARE(colorOf(zv::loadPicture(path)), QColor(Qt::blue));
        QVERIFY(QFile::remove(path));
        QVERIFY(zv::loadPicture(path).isNull());
    }

    // A button shows the image an icon of every size would show at its icon
    // size: the exact one, else the smallest larger, else the largest.
    void buttonShowsTheImageOfItsSize_data()
    {
        QTest::addColumn<int>("iconSize");
        QTest::addColumn<QColor>("shown");
        QTest::newRow("exact") << 32 << QColor(Qt::green);
        QTest::newRow("between: the larger") << 40 << QColor(Qt::blue);
        QTest::newRow("smallest: the smallest") << 8 << QColor(Qt::red);
        QTest::newRow("beyond: the largest") << 100 << QColor(Qt::blue);
    }

    void buttonShowsTheImageOfItsSize()
    {
        QFETCH(int, iconSize);
        QFETCH(QColor, shown);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"zvnext.ico"_qs);
        writeFile(path, iconFile({{16, Qt::red}, {64, Qt::blue}, {32, Qt::green}}));
        QPushButton button;
        button.setIconSize(QSize(iconSize, iconSize));
        zv::showButtonPicture(&button, path);
        QCOMPARE(colorOf(button.icon().pixmap(QSize(iconSize, iconSize))), shown);
        const qint64 shownIcon = button.icon().cacheKey();
        zv::showButtonPicture(&button, path);
        QCOMPARE(button.icon().cacheKey(), shownIcon);
        QVERIFY(QFile::remove(path));
        zv::showButtonPicture(&button, path);
        QCOMPARE(button.icon().cacheKey(), shownIcon);
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
