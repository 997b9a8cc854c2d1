#include "skin/pictures.h"

#include <QImageReader>

namespace zv {

QPixmap loadPicture(const QString &path)
{
    QImageReader reader(path);
    return QPixmap::fromImage(reader.read());
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
