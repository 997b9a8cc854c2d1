// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "skin/pictures.h"

#include <QImageReader>
#include <QLabel>

namespace zv {

QPixmap loadPicture(const QString &path, qreal devicePixelRatio)
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

void showPicture(QLabel *box, const QString &path)
{
    const QPixmap picture = loadPicture(path, box->devicePixelRatioF());
    if (picture.isNull())
        return;
    box->setPixmap(picture);
    box->resize(picture.deviceIndependentSize().toSize());
}

QIcon loadIcon(const QString &path)
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

} // namespace zv
