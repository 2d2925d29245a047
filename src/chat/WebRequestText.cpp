#include "chat/WebRequestText.h"

#include "common/Codec.h"

#include <algorithm>

namespace {

Text quoteMarker(std::string_view marker) {
    return replaceAll(marker, "#引号"_gbk, "\"");
}

} // namespace

Text headerName(std::string_view line) {
    const int colon = findText(line, ":");
    return colon < 0 ? Text() : trimSpaces(line.substr(0, static_cast<std::size_t>(colon - 1)));
}

Text headerValue(std::string_view line) {
    const int colon = findText(line, ":");
    return colon < 0 ? Text() : trimSpaces(line.substr(static_cast<std::size_t>(colon)));
}

Text textBefore(std::string_view text, std::string_view separator, int start, bool ignoreCase) {
    const int found = findText(text, separator, start, ignoreCase);
    return found < 0 ? Text() : Text(text.substr(0, static_cast<std::size_t>(found - 1)));
}

Text textBetween(std::string_view text, std::string_view left, std::string_view right, int start,
                 bool ignoreCase) {
    const Text leftMarker = quoteMarker(left);
    const Text rightMarker = quoteMarker(right);
    const int leftAt = findText(text, leftMarker, start, ignoreCase);
    if (leftAt < 0) {
        return {};
    }
    const int inside = leftAt + static_cast<int>(leftMarker.size());
    const int rightAt = findText(text, rightMarker, inside, ignoreCase);
    if (rightAt < 0) {
        return {};
    }
    return Text(text.substr(static_cast<std::size_t>(inside - 1),
                            static_cast<std::size_t>(rightAt - inside)));
}

Text base64Encode(std::string_view bytes) {
    static constexpr char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    Text encoded;
    encoded.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t count = std::min<std::size_t>(3, bytes.size() - i);
        unsigned group = 0;
        for (std::size_t k = 0; k < 3; ++k) {
            group <<= 8;
            if (k < count) {
                group |= static_cast<unsigned char>(bytes[i + k]);
            }
        }
        for (std::size_t k = 0; k < 4; ++k) {
            encoded += k <= count ? kAlphabet[(group >> (18 - 6 * k)) & 0x3F] : '=';
        }
    }
    return encoded;
}
