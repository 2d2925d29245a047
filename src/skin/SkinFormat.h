#pragma once
// The skin blob, our own format, read by the skin library. All numbers little-endian.
//
//   offset  size  field
//   0       4     magic 2E 53 48 45 (".SHE")
//   4       2     format version, 1
//   6       2     number of records
//   8       4     length of the whole blob in bytes
//   12      4     skinChecksum of every byte from offset 16 to the end
//   16            the records, filling the blob exactly; each is a tag (2 bytes), the length
//                 of its payload (4 bytes) and the payload
//
// Records of version 1:
//   1 name     the scheme's name, UTF-8, not empty; exactly one
//   2 palette  entries of 6 bytes: colour group, colour role, red, green, blue, alpha;
//              exactly one record with at least one entry; entries apply in order
//   3 style    the style sheet, UTF-8; at most one
//   0 padding  ignored; lets a blob keep a fixed length
// Colour groups: 0 active, 1 disabled, 2 inactive, 3 all three. Colour roles: 0 window text,
// 1 button, 2 light, 3 midlight, 4 dark, 5 mid, 6 text, 7 bright text, 8 button text, 9 base,
// 10 window, 11 shadow, 12 highlight, 13 highlighted text, 14 link, 15 visited link,
// 16 alternate base, 18 tool-tip base, 19 tool-tip text, 20 placeholder text (17 is refused).

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

inline constexpr unsigned char kSkinMagic[4] = {0x2E, 0x53, 0x48, 0x45};
inline constexpr int kSkinFormatVersion = 1;
inline constexpr std::size_t kSkinHeaderSize = 16;
inline constexpr std::size_t kSkinRecordHeaderSize = 6;
inline constexpr std::size_t kSkinPaletteEntrySize = 6;

enum class SkinRecord : std::uint16_t { Padding = 0, Name = 1, Palette = 2, Style = 3 };

enum class SkinColourGroup : std::uint8_t { Active = 0, Disabled = 1, Inactive = 2, All = 3 };

enum class SkinFormatError {
    None,
    TooShort,
    BadMagic,
    UnsupportedVersion,
    LengthMismatch,
    ChecksumMismatch,
    BrokenRecord,   // a record runs past the end, or the count does not match
    UnknownRecord,  // a tag this version does not define
    RecordRepeated, // a second name, palette or style record
    RecordMissing,  // no name or no palette
    BadPalette,     // a palette payload that is not whole entries, or a bad group or role
    BadText,        // an empty name, or a name or style sheet that is not UTF-8
};

struct SkinColour {
    std::uint8_t group = 0;
    std::uint8_t role = 0;
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t alpha = 255;
};

struct SkinScheme {
    std::string name; // UTF-8
    std::vector<SkinColour> palette;
    std::string styleSheet; // UTF-8
};

struct SkinParseResult {
    SkinFormatError error = SkinFormatError::None;
    SkinScheme scheme; // filled only when error is None
};

// Reads a whole blob. Anything that is not exactly a version 1 blob is refused.
SkinParseResult parseSkin(std::span<const unsigned char> blob);
