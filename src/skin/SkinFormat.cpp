#include "skin/SkinFormat.h"

#include "skin/SkinChecksum.h"

#include <QStringDecoder>
#include <algorithm>
#include <utility>

namespace {

std::uint16_t read16(std::span<const unsigned char> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t read32(std::span<const unsigned char> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

bool isUtf8(std::span<const unsigned char> bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded =
        decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return !decoder.hasError();
}

bool isKnownRole(std::uint8_t role) {
    constexpr std::uint8_t kNoRole = 17;
    constexpr std::uint8_t kLastRole = 20;
    return role <= kLastRole && role != kNoRole;
}

SkinFormatError readPalette(std::span<const unsigned char> payload, std::vector<SkinColour>& out) {
    if (payload.empty() || payload.size() % kSkinPaletteEntrySize != 0) {
        return SkinFormatError::BadPalette;
    }
    for (std::size_t at = 0; at < payload.size(); at += kSkinPaletteEntrySize) {
        const SkinColour colour{payload[at],     payload[at + 1], payload[at + 2],
                                payload[at + 3], payload[at + 4], payload[at + 5]};
        if (colour.group > static_cast<std::uint8_t>(SkinColourGroup::All) ||
            !isKnownRole(colour.role)) {
            return SkinFormatError::BadPalette;
        }
        out.push_back(colour);
    }
    return SkinFormatError::None;
}

SkinFormatError readRecords(std::span<const unsigned char> blob, std::size_t count,
                            SkinScheme& scheme) {
    bool seenName = false;
    bool seenPalette = false;
    bool seenStyle = false;
    std::size_t at = kSkinHeaderSize;
    for (std::size_t i = 0; i < count; ++i) {
        if (blob.size() - at < kSkinRecordHeaderSize) {
            return SkinFormatError::BrokenRecord;
        }
        const auto tag = static_cast<SkinRecord>(read16(blob, at));
        const std::size_t length = read32(blob, at + 2);
        at += kSkinRecordHeaderSize;
        if (length > blob.size() - at) {
            return SkinFormatError::BrokenRecord;
        }
        const std::span<const unsigned char> payload = blob.subspan(at, length);
        at += length;
        switch (tag) {
        case SkinRecord::Padding:
            break;
        case SkinRecord::Name:
            if (std::exchange(seenName, true)) {
                return SkinFormatError::RecordRepeated;
            }
            if (payload.empty() || !isUtf8(payload)) {
                return SkinFormatError::BadText;
            }
            scheme.name.assign(payload.begin(), payload.end());
            break;
        case SkinRecord::Palette:
            if (std::exchange(seenPalette, true)) {
                return SkinFormatError::RecordRepeated;
            }
            if (const SkinFormatError error = readPalette(payload, scheme.palette);
                error != SkinFormatError::None) {
                return error;
            }
            break;
        case SkinRecord::Style:
            if (std::exchange(seenStyle, true)) {
                return SkinFormatError::RecordRepeated;
            }
            if (!isUtf8(payload)) {
                return SkinFormatError::BadText;
            }
            scheme.styleSheet.assign(payload.begin(), payload.end());
            break;
        default:
            return SkinFormatError::UnknownRecord;
        }
    }
    if (at != blob.size()) {
        return SkinFormatError::BrokenRecord;
    }
    if (!seenName || !seenPalette) {
        return SkinFormatError::RecordMissing;
    }
    return SkinFormatError::None;
}

} // namespace

SkinParseResult parseSkin(std::span<const unsigned char> blob) {
    SkinParseResult result;
    if (blob.size() < kSkinHeaderSize) {
        result.error = SkinFormatError::TooShort;
        return result;
    }
    if (!std::equal(std::begin(kSkinMagic), std::end(kSkinMagic), blob.begin())) {
        result.error = SkinFormatError::BadMagic;
        return result;
    }
    if (read16(blob, 4) != kSkinFormatVersion) {
        result.error = SkinFormatError::UnsupportedVersion;
        return result;
    }
    if (read32(blob, 8) != blob.size()) {
        result.error = SkinFormatError::LengthMismatch;
        return result;
    }
    if (read32(blob, 12) != skinChecksum(blob.subspan(kSkinHeaderSize))) {
        result.error = SkinFormatError::ChecksumMismatch;
        return result;
    }
    result.error = readRecords(blob, read16(blob, 6), result.scheme);
    if (result.error != SkinFormatError::None) {
        result.scheme = {};
    }
    return result;
}
