#include "assets/PngImage.h"

#include <png.h>

#include <cstdint>
#include <cstring>

QImage decodePng(QByteArrayView bytes) {
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.data(),
                                          static_cast<png_size_t>(bytes.size()))) {
        return {};
    }
    // BGRA in memory is what QImage's ARGB32 holds on a little-endian machine; asking
    // libpng for it per byte order keeps the result right on either.
    png.format = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
    if (png.width == 0 || png.height == 0 || png.width > 4096 || png.height > 4096) {
        png_image_free(&png);
        return {};
    }
    QImage image(static_cast<int>(png.width), static_cast<int>(png.height), QImage::Format_ARGB32);
    if (image.isNull() ||
        !png_image_finish_read(&png, nullptr, image.bits(),
                               static_cast<png_int_32>(image.bytesPerLine()), nullptr)) {
        png_image_free(&png);
        return {};
    }
    return image;
}

namespace {

std::uint16_t readU16(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

std::uint32_t readU32(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
           (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

constexpr char kPngSignature[] = "\x89PNG\r\n\x1a\n";

} // namespace

QList<IconImage> decodeIconFile(QByteArrayView bytes) {
    QList<IconImage> images;
    constexpr qsizetype headerSize = 6;
    constexpr qsizetype entrySize = 16;
    if (bytes.size() < headerSize || readU16(bytes.data()) != 0 || readU16(bytes.data() + 2) != 1) {
        return images;
    }
    const int count = readU16(bytes.data() + 4);
    if (bytes.size() < headerSize + count * entrySize) {
        return images;
    }
    for (int i = 0; i < count; ++i) {
        const char* entry = bytes.data() + headerSize + i * entrySize;
        const std::uint32_t size = readU32(entry + 8);
        const std::uint32_t offset = readU32(entry + 12);
        if (offset > static_cast<std::uint64_t>(bytes.size()) ||
            size > static_cast<std::uint64_t>(bytes.size()) - offset || size < 8) {
            continue;
        }
        const QByteArrayView data = bytes.sliced(offset, size);
        if (std::memcmp(data.data(), kPngSignature, 8) != 0) {
            continue;
        }
        IconImage icon;
        icon.width =
            static_cast<unsigned char>(entry[0]) == 0 ? 256 : static_cast<unsigned char>(entry[0]);
        icon.height =
            static_cast<unsigned char>(entry[1]) == 0 ? 256 : static_cast<unsigned char>(entry[1]);
        icon.bitsPerPixel = readU16(entry + 6);
        icon.image = decodePng(data);
        if (!icon.image.isNull()) {
            images.append(icon);
        }
    }
    return images;
}
