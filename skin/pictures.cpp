// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "skin/pictures.h"

#include "config/filestamp.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QHash>
#include <QImageReader>
#include <QLabel>

namespace zv {

namespace {

// One decoded form of one file: which form, and for which screen or size.
struct PictureKey
{
    QString path;
    int form;
    qreal scale;

    friend bool operator==(const PictureKey &, const PictureKey &) = default;
    friend size_t qHash(const PictureKey &key, size_t seed)
    {
        return qHashMulti(seed, key.path, key.form, key.scale);
    }
};

enum Form { Picture, EveryIconSize, ButtonIcon };

struct Decoded
{
    FileStamp stamp;
    QPixmap picture;
    QIcon icon;
};

// Emptied before the application goes, as pixmaps must not outlive it.
QHash<PictureKey, Decoded> &cache()
{
    static QHash<PictureKey, Decoded> decoded;
    static const bool emptiedAtExit = [] {
        qAddPostRoutine([] { decoded.clear(); });
        return true;
    }();
    Q_UNUSED(emptiedAtExit);
    return decoded;
}

// The cached form of the file, decoded by `decode` where the file is new or
// changed; nullptr when the file is missing.
template <typename Decode>
const Decoded *lookUp(const PictureKey &key, Decode decode)
{
    const std::optional<FileStamp> stamp = stampOf(key.path);
    if (!stamp) {
        cache().remove(key);
        return nullptr;
    }
    auto found = cache().find(key);
    if (found == cache().end() || !(found->stamp == *stamp)) {
        Decoded fresh{*stamp, {}, {}};
        decode(fresh);
        found = cache().insert(key, fresh);
    }
    return &*found;
}

QPixmap decodePicture(const QString &path, qreal devicePixelRatio)
{
    QImageReader reader(path);
    QImage picture = reader.read();
    if (picture.isNull() || devicePixelRatio <= 1.0)
        return QPixmap::fromImage(picture);
    const int wanted = qRound(picture.width() * devicePixelRatio);
    for (int i = 1; i < reader.imageCount() && reader.jumpToImage(i); ++i) {
        const QImage larger = reader.read();
        if (!larger.isNull() && larger.width() == wanted) {
            QPixmap sharp = QPixmap::fromImage(larger);
            sharp.setDevicePixelRatio(qreal(larger.width()) / picture.width());
            return sharp;
        }
    }
    return QPixmap::fromImage(picture);
}

QIcon decodeEveryIconSize(const QString &path)
{
    QImageReader reader(path);
    QIcon icon;
    for (int i = 0, n = std::max(1, reader.imageCount()); i < n; ++i) {
        if (i > 0 && !reader.jumpToImage(i))
            break;
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

// The image an icon holding every image of the file would show at `shown`
// device pixels (the smallest that covers it, else the largest), found from
// the file's directory and decoded alone.
QIcon decodeIconAt(const QString &path, int shown)
{
    QImageReader reader(path);
    const qint64 wanted = qint64(shown) * shown;
    int chosen = 0;
    qint64 chosenArea = -1;
    for (int i = 0, n = reader.imageCount(); i < n && (i == 0 || reader.jumpToImage(i)); ++i) {
        const QSize size = reader.size();
        const qint64 area = size.isValid() ? qint64(size.width()) * size.height() : -1;
        const bool covers = area >= wanted;
        const bool chosenCovers = chosenArea >= wanted;
        if ((covers && (!chosenCovers || area < chosenArea))
            || (!covers && !chosenCovers && area > chosenArea)) {
            chosen = i;
            chosenArea = area;
        }
    }
    if (reader.imageCount() > 1 && !reader.jumpToImage(chosen))
        return {};
    const QImage image = reader.read();
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

} // namespace

QPixmap loadPicture(const QString &path, qreal devicePixelRatio)
{
    const Decoded *d = lookUp({path, Picture, devicePixelRatio}, [&](Decoded &fresh) {
        fresh.picture = decodePicture(path, devicePixelRatio);
    });
    return d ? d->picture : QPixmap();
}

void showPicture(QLabel *box, const QString &path)
{
    const QPixmap picture = loadPicture(path, box->devicePixelRatioF());
    if (picture.isNull())
        return;
    if (box->pixmap().cacheKey() != picture.cacheKey())
        box->setPixmap(picture);
    box->resize(picture.deviceIndependentSize().toSize());
}

void showButtonPicture(QAbstractButton *button, const QString &path)
{
    const int shown = qRound(button->iconSize().width() * button->devicePixelRatioF());
    const Decoded *d = lookUp({path, ButtonIcon, qreal(shown)},
                              [&](Decoded &fresh) { fresh.icon = decodeIconAt(path, shown); });
    if (d && !d->icon.isNull() && d->icon.cacheKey() != button->icon().cacheKey())
        button->setIcon(d->icon);
}

void showWindowIcon(QWidget *window, const QString &path)
{
    const Decoded *d = lookUp({path, EveryIconSize, 1.0},
                              [&](Decoded &fresh) { fresh.icon = decodeEveryIconSize(path); });
    if (d && !d->icon.isNull() && d->icon.cacheKey() != window->windowIcon().cacheKey())
        window->setWindowIcon(d->icon);
}

} // namespace zv
