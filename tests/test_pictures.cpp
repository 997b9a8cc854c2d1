// The generated pictures must lie beside the program, be readable by Qt's own
// image plugins, have the size the widgets reserve for them and show a drawing.

#include "skin/pictures.h"

#include <QFile>
#include <QImageReader>
#include <QSet>
#include <QtEndian>
#include <QtTest>

namespace {

QString programFile(const QString &name)
{
    return QStringLiteral(ZV_PROGRAM_DIR "/") + name;
}

QList<QImage> readAll(const QString &path)
{
    QImageReader reader(path);
    QList<QImage> images;
    const int count = qMax(1, reader.imageCount());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !reader.jumpToImage(i))
            break;
        images.append(reader.read());
    }
    return images;
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sharpCopyForDenseScreens_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("pixels");
        QTest::newRow("ordinary screen") << 1.0 << QSize(32, 32);
        QTest::newRow("double density") << 2.0 << QSize(64, 64);
        QTest::newRow("no copy for 1.5") << 1.5 << QSize(32, 32);
    }

    void sharpCopyForDenseScreens()
    {
        QFETCH(qreal, ratio);
        QFETCH(QSize, pixels);
        const QPixmap picture = zv::loadPicture(programFile(QStringLiteral("quest3.ico")), ratio);
        QCOMPARE(picture.size(), pixels);
        QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(32, 32));
    }

    void picture_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QSize>("size");
        const QSize icon(32, 32);
        for (const char *name : {"zvstart.ico", "zvnext.ico", "zvlaunch.ico", "zvabout.ico"})
            QTest::newRow(name) << QString::fromLatin1(name) << QByteArray("ico") << icon;
        for (int n = 1; n <= 16; ++n) {
            const QString name = QStringLiteral("quest%1.ico").arg(n);
            QTest::newRow(qPrintable(name)) << name << QByteArray("ico") << icon;
        }
        QTest::newRow("zv.ico") << QStringLiteral("zv.ico") << QByteArray("ico") << QSize(16, 16);
        QTest::newRow("zvhelp.bmp") << QStringLiteral("zvhelp.bmp") << QByteArray("bmp")
                                    << QSize(417, 161);
        // The desktop theme icons are generated beside the program folder.
        for (int n : {16, 32, 48, 64, 128, 256}) {
            const QString name = QStringLiteral("../icons/hicolor/%1x%1/apps/zorvane.png").arg(n);
            QTest::newRow(qPrintable(name)) << name << QByteArray("png") << QSize(n, n);
        }
    }

    void picture()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        QFETCH(QSize, size);
        const QString path = programFile(name);
        QVERIFY2(QFile::exists(path), qPrintable(path));
        QImageReader reader(path);
        QCOMPARE(reader.format(), format);

        const QList<QImage> images = readAll(path);
        QCOMPARE(images.first().size(), size);
        for (const QImage &image : images) {
            QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
            const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
            QSet<QRgb> colours;
            int opaque = 0;
            for (int y = 0; y < argb.height(); ++y) {
                const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
                for (int x = 0; x < argb.width(); ++x) {
                    colours.insert(line[x]);
                    opaque += qAlpha(line[x]) > 127;
                }
            }
            // A real drawing fills much of its box and is more than a flat shape.
            QVERIFY2(colours.size() >= 8, qPrintable(name));
            QVERIFY2(opaque * 2 >= argb.width() * argb.height(), qPrintable(name));
        }
    }

    void appIconHasEverySize()
    {
        QSet<int> sizes;
        for (const QImage &image : readAll(programFile(QStringLiteral("zv.ico")))) {
            QCOMPARE(image.width(), image.height());
            sizes.insert(image.width());
        }
        for (int wanted : {16, 24, 32, 48, 64, 256})
            QVERIFY2(sizes.contains(wanted), qPrintable(QString::number(wanted)));
    }

    void helpIsTrueColourBitmap()
    {
        QFile file(programFile(QStringLiteral("zvhelp.bmp")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray head = file.read(30);
        QCOMPARE(head.size(), 30);
        QVERIFY(head.startsWith("BM"));
        QCOMPARE(qFromLittleEndian<quint16>(head.constData() + 28), quint16(24));
        QCOMPARE(qFromLittleEndian<quint32>(head.constData() + 2), quint32(file.size()));
    }

    void questionIconsDiffer()
    {
        QList<QImage> icons;
        for (int n = 1; n <= 16; ++n)
            icons.append(QImage(programFile(QStringLiteral("quest%1.ico").arg(n))));
        for (int i = 0; i < icons.size(); ++i)
            for (int j = i + 1; j < icons.size(); ++j)
                QVERIFY2(icons[i] != icons[j],
                         qPrintable(QStringLiteral("quest%1 == quest%2").arg(i + 1).arg(j + 1)));
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
