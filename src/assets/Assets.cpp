#include "assets/Assets.h"

#include "assets/PngImage.h"

#include <QFile>

QByteArray assetBytes(const QString& name) {
    QFile file(":/assets/" + name);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

QPixmap assetPicture(const QString& name) {
    const QImage image = decodePng(assetBytes(name));
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

QIcon programIcon() {
    QIcon icon;
    for (const IconImage& image : decodeIconFile(assetBytes("quorvell.ico"))) {
        // The true-colour image of each size is the one a desktop shows.
        if (image.bitsPerPixel == 32) {
            icon.addPixmap(QPixmap::fromImage(image.image));
        }
    }
    return icon;
}
