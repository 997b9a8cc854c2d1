// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Build-time tool: renders the hand-written SVG sources into the pictures the
// program loads (ICO, BMP) and the desktop theme icons (PNG, SVG).
//
// usage: makepictures SVG_DIR PROGRAM_DIR ICON_DIR

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QList>
#include <QPainter>
#include <QSaveFile>
#include <QString>
#include <QStringList>
#include <QSvgRenderer>
#include <QtEndian>

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const QString &message)
{
    std::fprintf(stderr, "makepictures: %s\n", qPrintable(message));
    std::exit(1);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path + QStringLiteral(": ") + file.errorString());
    return file.readAll();
}

// QSaveFile so that a failed run never leaves a truncated picture behind that
// the next build would consider up to date.
void writeFile(const QString &path, const QByteArray &data)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        fail(path + QStringLiteral(": cannot create its folder"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        fail(path + QStringLiteral(": ") + file.errorString());
}

QImage render(const QByteArray &svg, QSize size, const QString &what)
{
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        fail(what + QStringLiteral(": not a valid SVG"));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing
                           | QPainter::SmoothPixmapTransform);
    renderer.render(&painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

void put16(QByteArray &out, quint16 value)
{
    value = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&value), sizeof value);
}

void put32(QByteArray &out, quint32 value)
{
    value = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&value), sizeof value);
}

void putInfoHeader(QByteArray &out, int width, int height, int bits, quint32 imageBytes)
{
    put32(out, 40);
    put32(out, quint32(width));
    put32(out, quint32(height));
    put16(out, 1);
    put16(out, quint16(bits));
    put32(out, 0); // uncompressed
    put32(out, imageBytes);
    put32(out, 2835); // 72 dpi
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
}

// An icon entry as a 32-bit DIB: BGRA rows bottom-up, then the 1-bit AND mask
// that older readers use instead of the alpha channel.
QByteArray dibEntry(const QImage &image)
{
    const int w = image.width(), h = image.height();
    const int maskStride = (w + 31) / 32 * 4;
    QByteArray out;
    putInfoHeader(out, w, 2 * h, 32, quint32(w * h * 4 + maskStride * h));
    for (int y = h - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb p = line[x];
            const char bgra[4] = {char(qBlue(p)), char(qGreen(p)), char(qRed(p)), char(qAlpha(p))};
            out.append(bgra, 4);
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        QByteArray mask(maskStride, '\0');
        for (int x = 0; x < w; ++x)
            if (qAlpha(line[x]) == 0)
                mask[x / 8] = char(mask[x / 8] | (0x80 >> (x % 8)));
        out.append(mask);
    }
    return out;
}

QByteArray pngEntry(const QImage &image)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "png"))
        fail(QStringLiteral("cannot encode PNG"));
    return out;
}

// 256 px entries are PNG as everywhere else; smaller ones stay DIBs so every
// ICO reader can show them.
QByteArray icoFile(const QList<QImage> &images)
{
    QList<QByteArray> entries;
    for (const QImage &image : images)
        entries.append(image.width() >= 256 ? pngEntry(image) : dibEntry(image));

    QByteArray out;
    put16(out, 0);
    put16(out, 1); // icon, not cursor
    put16(out, quint16(images.size()));
    quint32 offset = quint32(6 + 16 * images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        out.append(char(images[i].width() & 0xff)); // 256 is stored as 0
        out.append(char(images[i].height() & 0xff));
        out.append('\0'); // no palette
        out.append('\0');
        put16(out, 1);
        put16(out, 32);
        put32(out, quint32(entries[i].size()));
        put32(out, offset);
        offset += quint32(entries[i].size());
    }
    for (const QByteArray &entry : entries)
        out.append(entry);
    return out;
}

// The program reads these files with Qt's own ICO plugin; refuse to ship one it
// would read differently from what was drawn.
void checkReadsBack(const QString &path, const QList<QImage> &images)
{
    QImageReader reader(path, "ico");
    if (reader.imageCount() != images.size())
        fail(path + QStringLiteral(": Qt reads %1 images, %2 written")
                        .arg(reader.imageCount()).arg(images.size()));
    for (qsizetype i = 0; i < images.size(); ++i) {
        if (!reader.jumpToImage(int(i)))
            fail(path + QStringLiteral(": cannot reach image %1").arg(i));
        const QImage read = reader.read().convertToFormat(QImage::Format_ARGB32);
        if (read != images[i])
            fail(path + QStringLiteral(": image %1 reads back differently (%2)")
                            .arg(i).arg(reader.errorString()));
    }
}

void writeIco(const QString &path, const QByteArray &svg, const QList<int> &sizes)
{
    QList<QImage> images;
    for (int size : sizes)
        images.append(render(svg, QSize(size, size), path));
    writeFile(path, icoFile(images));
    checkReadsBack(path, images);
}

// 24-bit on purpose: the picture is opaque and every viewer reads this form.
void writeBmp24(const QString &path, const QByteArray &svg, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.drawImage(0, 0, render(svg, size, path));
    painter.end();

    const int stride = (size.width() * 3 + 3) / 4 * 4;
    const quint32 imageBytes = quint32(stride * size.height());
    QByteArray out("BM");
    put32(out, 14 + 40 + imageBytes);
    put32(out, 0);
    put32(out, 14 + 40);
    putInfoHeader(out, size.width(), size.height(), 24, imageBytes);
    for (int y = size.height() - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        QByteArray row(stride, '\0');
        for (int x = 0; x < size.width(); ++x) {
            row[3 * x] = char(qBlue(line[x]));
            row[3 * x + 1] = char(qGreen(line[x]));
            row[3 * x + 2] = char(qRed(line[x]));
        }
        out.append(row);
    }
    writeFile(path, out);
}

QByteArray questionBadge(const QByteArray &templ, int number)
{
    // Mid-tone colours so that white digits stay readable; neighbours differ.
    static const char *const palette[] = {"#2F6FE8", "#0E968D", "#6D4FE6",
                                          "#D93C56", "#1C935F", "#D0631A"};
    constexpr int paletteSize = sizeof palette / sizeof *palette;
    QByteArray svg = templ;
    svg.replace("{{NUMBER}}", QByteArray::number(number));
    svg.replace("{{COLOR}}", palette[(number - 1) % paletteSize]);
    return svg;
}

} // namespace

int main(int argc, char **argv)
{
    // A build step must never need a display; the platform is still wanted
    // because the question numbers are SVG text and need fonts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4)
        fail(QStringLiteral("usage: makepictures SVG_DIR PROGRAM_DIR ICON_DIR"));
    const QDir svgDir(args[1]), programDir(args[2]), iconDir(args[3]);
    const auto source = [&](const char *name) {
        return readFile(svgDir.filePath(QString::fromLatin1(name)));
    };
    const auto program = [&](const QString &name) { return programDir.filePath(name); };

    // Button and badge icons also carry a 64 px image for 2x screens.
    const QList<int> smallSizes{32, 64};
    const QByteArray appIcon = source("zv.svg");
    writeIco(program(QStringLiteral("zv.ico")), appIcon, {16, 24, 32, 48, 64, 256});
    writeIco(program(QStringLiteral("zvstart.ico")), source("start.svg"), smallSizes);
    writeIco(program(QStringLiteral("zvnext.ico")), source("next.svg"), smallSizes);
    writeIco(program(QStringLiteral("zvlaunch.ico")), source("launch.svg"), smallSizes);
    writeIco(program(QStringLiteral("zvabout.ico")), source("about.svg"), smallSizes);
    writeBmp24(program(QStringLiteral("zvhelp.bmp")), source("help.svg"), QSize(417, 161));

    const QByteArray badge = source("quest.svg");
    if (!badge.contains("{{NUMBER}}") || !badge.contains("{{COLOR}}"))
        fail(QStringLiteral("quest.svg: template lacks {{NUMBER}} or {{COLOR}}"));
    for (int n = 1; n <= 16; ++n)
        writeIco(program(QStringLiteral("quest%1.ico").arg(n)), questionBadge(badge, n),
                 smallSizes);

    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString path =
            iconDir.filePath(QStringLiteral("hicolor/%1x%1/apps/zorvane.png").arg(size));
        writeFile(path, pngEntry(render(appIcon, QSize(size, size), path)));
    }
    writeFile(iconDir.filePath(QStringLiteral("hicolor/scalable/apps/zorvane.svg")), appIcon);
    return 0;
}
