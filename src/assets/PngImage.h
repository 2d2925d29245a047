#pragma once
// PNG images read from memory with libpng, and the icon file that holds them.

#include <QByteArray>
#include <QImage>
#include <QList>

// Decodes a PNG image of any colour type and depth (palette images of 4 and 8 bits
// included) to 32-bit ARGB. A damaged or non-PNG buffer gives a null image.
QImage decodePng(QByteArrayView bytes);

struct IconImage {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0; // as the icon directory states it
    QImage image;
};

// Reads an icon file whose images are stored as PNG. Entries that are not PNG, or that
// point outside the file, are left out; a damaged directory gives no images.
QList<IconImage> decodeIconFile(QByteArrayView bytes);
