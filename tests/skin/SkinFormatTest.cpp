#include "skin/SkinFormat.h"
#include "Contrast.h"
#include "app/SkinSchemes.h"
#include "assets/Assets.h"
#include "skin/SkinChecksum.h"
#include "skin/SkinPalette.h"

#include <QColor>
#include <QPalette>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

std::span<const unsigned char> bytesOf(const std::string& blob) {
    return {reinterpret_cast<const unsigned char*>(blob.data()), blob.size()};
}

void put16(std::string& out, std::uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void put32(std::string& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out += static_cast<char>((value >> shift) & 0xFF);
    }
}

// Writes blobs record by record, sealed with a correct header unless a case spoils it.
struct BlobBuilder {
    std::vector<std::pair<std::uint16_t, std::string>> records;
    int version = kSkinFormatVersion;
    int extraCount = 0;

    BlobBuilder& add(SkinRecord tag, std::string payload) {
        records.emplace_back(static_cast<std::uint16_t>(tag), std::move(payload));
        return *this;
    }
    std::string body() const {
        std::string out;
        for (const auto& [tag, payload] : records) {
            put16(out, tag);
            put32(out, static_cast<std::uint32_t>(payload.size()));
            out += payload;
        }
        return out;
    }
    std::string sealed() const {
        return seal(body(), static_cast<int>(records.size()) + extraCount);
    }
    std::string seal(const std::string& body, int count) const {
        std::string out(reinterpret_cast<const char*>(kSkinMagic), 4);
        put16(out, static_cast<std::uint16_t>(version));
        put16(out, static_cast<std::uint16_t>(count));
        put32(out, static_cast<std::uint32_t>(kSkinHeaderSize + body.size()));
        put32(out, skinChecksum(bytesOf(body)));
        return out + body;
    }
};

std::string paletteEntry(int group, int role, int red, int green, int blue) {
    return {static_cast<char>(group), static_cast<char>(role), static_cast<char>(red),
            static_cast<char>(green), static_cast<char>(blue), static_cast<char>(0xFF)};
}

BlobBuilder wellFormed() {
    BlobBuilder builder;
    builder.add(SkinRecord::Name, "试验")
        .add(SkinRecord::Palette, paletteEntry(3, 10, 1, 2, 3) + paletteEntry(1, 0, 4, 5, 6))
        .add(SkinRecord::Style, "QPushButton { color: #010203; }")
        .add(SkinRecord::Padding, std::string(7, '\0'));
    return builder;
}

TEST(SkinFormat, ReadsEveryRecordOfAWellFormedBlob) {
    const SkinParseResult parsed = parseSkin(bytesOf(wellFormed().sealed()));
    ASSERT_EQ(parsed.error, SkinFormatError::None);
    EXPECT_EQ(parsed.scheme.name, "试验");
    ASSERT_EQ(parsed.scheme.palette.size(), 2u);
    EXPECT_EQ(parsed.scheme.palette[0].group, 3);
    EXPECT_EQ(parsed.scheme.palette[0].role, 10);
    EXPECT_EQ(parsed.scheme.palette[0].blue, 3);
    EXPECT_EQ(parsed.scheme.palette[1].group, 1);
    EXPECT_EQ(parsed.scheme.palette[1].red, 4);
    EXPECT_EQ(parsed.scheme.styleSheet, "QPushButton { color: #010203; }");
}

struct MalformedCase {
    const char* name;
    std::function<std::string()> blob;
    SkinFormatError expected;
};

std::ostream& operator<<(std::ostream& out, const MalformedCase& row) {
    return out << row.name;
}

class MalformedBlob : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedBlob, IsRefusedForItsFault) {
    const std::string blob = GetParam().blob();
    const SkinParseResult parsed = parseSkin(bytesOf(blob));
    EXPECT_EQ(parsed.error, GetParam().expected);
    EXPECT_TRUE(parsed.scheme.palette.empty());
    EXPECT_TRUE(parsed.scheme.styleSheet.empty());
}

std::string withByte(std::string blob, std::size_t at, char value) {
    blob[at] = value;
    return blob;
}

// Every spoiled blob but the checksum case carries a correct checksum, so each check is met
// on its own and not hidden behind the checksum.
const MalformedCase kMalformed[] = {
    {"Empty", [] { return std::string(); }, SkinFormatError::TooShort},
    {"HeaderCutShort", [] { return wellFormed().sealed().substr(0, 15); },
     SkinFormatError::TooShort},
    {"WrongMagic", [] { return withByte(wellFormed().sealed(), 3, 'F'); },
     SkinFormatError::BadMagic},
    {"NewerVersion",
     [] {
         BlobBuilder b = wellFormed();
         b.version = 2;
         return b.sealed();
     },
     SkinFormatError::UnsupportedVersion},
    {"LastByteMissing",
     [] {
         const std::string blob = wellFormed().sealed();
         return blob.substr(0, blob.size() - 1);
     },
     SkinFormatError::LengthMismatch},
    {"ByteAppended", [] { return wellFormed().sealed() + '\0'; }, SkinFormatError::LengthMismatch},
    {"StyleSheetByteChanged",
     [] {
         std::string blob = wellFormed().sealed();
         blob[blob.find("#010203") + 1] = '9';
         return blob;
     },
     SkinFormatError::ChecksumMismatch},
    {"RecordRunsPastTheEnd",
     [] {
         const BlobBuilder b = wellFormed();
         std::string body = b.body();
         body[2] = static_cast<char>(0xF0); // the name's length
         return b.seal(body, static_cast<int>(b.records.size()));
     },
     SkinFormatError::BrokenRecord},
    {"CountTooHigh",
     [] {
         BlobBuilder b = wellFormed();
         b.extraCount = 1;
         return b.sealed();
     },
     SkinFormatError::BrokenRecord},
    {"CountTooLowLeavesBytesOver",
     [] {
         BlobBuilder b = wellFormed();
         b.extraCount = -1;
         return b.sealed();
     },
     SkinFormatError::BrokenRecord},
    {"UnknownTag", [] { return wellFormed().add(static_cast<SkinRecord>(9), "x").sealed(); },
     SkinFormatError::UnknownRecord},
    {"SecondName", [] { return wellFormed().add(SkinRecord::Name, "又").sealed(); },
     SkinFormatError::RecordRepeated},
    {"SecondStyleSheet", [] { return wellFormed().add(SkinRecord::Style, "").sealed(); },
     SkinFormatError::RecordRepeated},
    {"NoPalette",
     [] {
         BlobBuilder b;
         b.add(SkinRecord::Name, "n").add(SkinRecord::Style, "QLabel {}");
         return b.sealed();
     },
     SkinFormatError::RecordMissing},
    {"NoName",
     [] {
         BlobBuilder b;
         b.add(SkinRecord::Palette, paletteEntry(3, 10, 1, 2, 3));
         return b.sealed();
     },
     SkinFormatError::RecordMissing},
    {"PaletteEntryCutShort",
     [] {
         BlobBuilder b;
         b.add(SkinRecord::Name, "n").add(SkinRecord::Palette, paletteEntry(3, 10, 1, 2, 3) + "x");
         return b.sealed();
     },
     SkinFormatError::BadPalette},
    {"PaletteWithoutEntries",
     [] {
         BlobBuilder b;
         b.add(SkinRecord::Name, "n").add(SkinRecord::Palette, "");
         return b.sealed();
     },
     SkinFormatError::BadPalette},
    {"ColourGroupBeyondAll",
     [] {
         BlobBuilder b;
         b.add(SkinRecord::Name, "n").add(SkinRecord::Palette, paletteEntry(4, 10, 1, 2, 3));
         return b.sealed();
     },
     SkinFormatError::BadPalette},
    {"NoRole",
     [] {
         BlobBuilder b;
         b.add(SkinRecord::Name, "n").add(SkinRecord::Palette, paletteEntry(3, 17, 1, 2, 3));
         return b.sealed();
     },
     SkinFormatError::BadPalette},
    {"RoleBeyondTheLast",
     [] {
         BlobBuilder b;
         b.add(SkinRecord::Name, "n").add(SkinRecord::Palette, paletteEntry(3, 21, 1, 2, 3));
         return b.sealed();
     },
     SkinFormatError::BadPalette},
    {"EmptyName",
     [] {
         BlobBuilder b;
         b.add(SkinRecord::Name, "").add(SkinRecord::Palette, paletteEntry(3, 10, 1, 2, 3));
         return b.sealed();
     },
     SkinFormatError::BadText},
    {"StyleSheetNotUtf8",
     [] {
         BlobBuilder b;
         b.add(SkinRecord::Name, "n")
             .add(SkinRecord::Palette, paletteEntry(3, 10, 1, 2, 3))
             .add(SkinRecord::Style, "QLabel { color: \xC3; }");
         return b.sealed();
     },
     SkinFormatError::BadText},
};

INSTANTIATE_TEST_SUITE_P(SkinFormat, MalformedBlob, ::testing::ValuesIn(kMalformed),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- the nine blobs the program carries

std::string shippedBlob(const SkinSchemeSpec& scheme) {
    const QByteArray bytes = assetBytes(QString::fromUtf8(scheme.blobName));
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// On an all-grey palette, so every colour a check reads comes from the scheme.
QPalette paletteOf(const SkinScheme& scheme) {
    return skinPalette(QPalette(Qt::gray), scheme);
}

class ShippedScheme : public ::testing::TestWithParam<SkinSchemeSpec> {};

TEST_P(ShippedScheme, IsAWellFormedBlobOfItsFixedLength) {
    const std::string blob = shippedBlob(GetParam());
    ASSERT_EQ(blob.size(), static_cast<std::size_t>(GetParam().blobLength));
    EXPECT_EQ(blob.substr(0, 4), "\x2E\x53\x48\x45");
    const SkinParseResult parsed = parseSkin(bytesOf(blob));
    ASSERT_EQ(parsed.error, SkinFormatError::None);
    EXPECT_EQ(parsed.scheme.name, GetParam().caption);
    // The page buttons are restyled along with the program's own controls.
    EXPECT_NE(parsed.scheme.styleSheet.find("PageButton"), std::string::npos);
    EXPECT_NE(parsed.scheme.styleSheet.find("QPushButton"), std::string::npos);
}

TEST_P(ShippedScheme, KeepsEveryTextLegibleOnItsBackground) {
    const SkinParseResult parsed = parseSkin(bytesOf(shippedBlob(GetParam())));
    ASSERT_EQ(parsed.error, SkinFormatError::None);
    const QPalette palette = paletteOf(parsed.scheme);
    const std::pair<QPalette::ColorRole, QPalette::ColorRole> pairs[] = {
        {QPalette::WindowText, QPalette::Window},
        {QPalette::Text, QPalette::Base},
        {QPalette::Text, QPalette::AlternateBase},
        {QPalette::ButtonText, QPalette::Button},
        {QPalette::HighlightedText, QPalette::Highlight},
        {QPalette::ToolTipText, QPalette::ToolTipBase},
    };
    for (const auto& [text, background] : pairs) {
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            EXPECT_GE(contrastRatio(palette.color(group, text), palette.color(group, background)),
                      4.5)
                << "roles " << text << " on " << background << " in group " << group;
        }
    }
    // Disabled text is dimmer but still readable.
    EXPECT_GE(contrastRatio(palette.color(QPalette::Disabled, QPalette::WindowText),
                            palette.color(QPalette::Disabled, QPalette::Window)),
              2.5);
}

INSTANTIATE_TEST_SUITE_P(SkinFormat, ShippedScheme, ::testing::ValuesIn(kSkinSchemes),
                         [](const auto& info) { return std::to_string(info.param.radio); });

TEST(SkinFormat, TheNineSchemesLookClearlyDifferent) {
    std::set<QRgb> windows;
    std::set<QRgb> buttons;
    for (const SkinSchemeSpec& scheme : kSkinSchemes) {
        const SkinParseResult parsed = parseSkin(bytesOf(shippedBlob(scheme)));
        ASSERT_EQ(parsed.error, SkinFormatError::None) << scheme.caption;
        const QPalette palette = paletteOf(parsed.scheme);
        windows.insert(palette.color(QPalette::Window).rgb());
        buttons.insert(palette.color(QPalette::Button).rgb());
    }
    EXPECT_EQ(windows.size(), kSkinSchemes.size());
    EXPECT_EQ(buttons.size(), kSkinSchemes.size());
}

} // namespace
