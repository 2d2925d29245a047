#include "common/Text.h"

namespace {

constexpr std::string_view kFullWidthSpace = "\xA1\xA1";

// Length of the space that starts at `pos`, or 0 when no space starts there.
std::size_t spaceAt(std::string_view text, std::size_t pos) {
    if (text[pos] == ' ') {
        return 1;
    }
    return text.substr(pos, 2) == kFullWidthSpace ? 2 : 0;
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool matchesAt(std::string_view text, std::size_t pos, std::string_view needle, bool ignoreCase) {
    if (pos + needle.size() > text.size()) {
        return false;
    }
    if (!ignoreCase) {
        return text.compare(pos, needle.size(), needle) == 0;
    }
    for (std::size_t i = 0; i < needle.size(); ++i) {
        if (asciiLower(text[pos + i]) != asciiLower(needle[i])) {
            return false;
        }
    }
    return true;
}

// Byte index of the first match at or after `from` that starts on a character boundary.
std::size_t findFrom(std::string_view text, std::string_view needle, std::size_t from,
                     bool ignoreCase) {
    for (std::size_t pos = 0; pos < text.size(); pos += characterLength(text, pos)) {
        if (pos >= from && matchesAt(text, pos, needle, ignoreCase)) {
            return pos;
        }
    }
    return std::string_view::npos;
}

} // namespace

Text trimSpaces(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t length = spaceAt(text, begin);
        if (length == 0) {
            break;
        }
        begin += length;
    }
    // The end can only be found walking forwards: a byte A1 A1 pair at the end may be the
    // second half of one character and the first half of the next.
    std::size_t end = begin;
    for (std::size_t pos = begin; pos < text.size();) {
        const std::size_t length = characterLength(text, pos);
        if (spaceAt(text, pos) == 0) {
            end = pos + length;
        }
        pos += length;
    }
    return Text(text.substr(begin, end - begin));
}

Text removeAllSpaces(std::string_view text) {
    Text result;
    result.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = characterLength(text, pos);
        if (spaceAt(text, pos) == 0) {
            result.append(text.substr(pos, length));
        }
        pos += length;
    }
    return result;
}

std::vector<Text> splitText(std::string_view text, std::string_view delimiter) {
    std::vector<Text> parts;
    if (text.empty()) {
        return parts;
    }
    if (delimiter.empty()) {
        parts.emplace_back(text);
        return parts;
    }
    std::size_t partStart = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (matchesAt(text, pos, delimiter, false)) {
            parts.emplace_back(text.substr(partStart, pos - partStart));
            pos += delimiter.size();
            partStart = pos;
        } else {
            pos += characterLength(text, pos);
        }
    }
    if (partStart < text.size()) {
        parts.emplace_back(text.substr(partStart));
    }
    return parts;
}

int findText(std::string_view text, std::string_view needle, int start, bool ignoreCase) {
    if (needle.empty()) {
        return -1;
    }
    const std::size_t from = start <= 1 ? 0 : static_cast<std::size_t>(start) - 1;
    const std::size_t found = findFrom(text, needle, from, ignoreCase);
    return found == std::string_view::npos ? -1 : static_cast<int>(found) + 1;
}

Text replaceAll(std::string_view text, std::string_view from, std::string_view to,
                bool ignoreCase) {
    if (from.empty()) {
        return Text(text);
    }
    Text result;
    result.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (matchesAt(text, pos, from, ignoreCase)) {
            result.append(to);
            pos += from.size();
        } else {
            const std::size_t length = characterLength(text, pos);
            result.append(text.substr(pos, length));
            pos += length;
        }
    }
    return result;
}

Text decimal(long long value) {
    return std::to_string(value);
}
