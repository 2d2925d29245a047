#include "chat/CookieMerging.h"

#include <algorithm>

namespace {

constexpr std::string_view kDeletedMark = "=deleted";
constexpr std::string_view kItemSeparator = "; ";

bool endsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

} // namespace

Text cookieName(std::string_view item) {
    const int equals = findText(item, "=");
    return trimSpaces(equals < 0 ? item : item.substr(0, static_cast<std::size_t>(equals - 1)));
}

bool hasCookieNamed(const std::vector<Text>& items, std::string_view name) {
    return std::any_of(items.begin(), items.end(),
                       [name](const Text& item) { return cookieName(item) == name; });
}

int indexOfText(const std::vector<Text>& items, std::string_view text) {
    const auto found = std::find(items.begin(), items.end(), text);
    return found == items.end() ? -1 : static_cast<int>(found - items.begin()) + 1;
}

Text removeDuplicates(std::string_view text, std::string_view separator) {
    std::vector<Text> kept;
    for (Text& piece : splitText(text, separator)) {
        if (indexOfText(kept, piece) < 0) {
            kept.push_back(std::move(piece));
        }
    }
    Text joined;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (i > 0) {
            joined += separator;
        }
        joined += kept[i];
    }
    return joined;
}

Text mergeCookies(Text& sent, Text& received) {
    sent = removeAllSpaces(sent);
    received = removeAllSpaces(received);

    // The new list grows while the old one is walked, so of two sent items with one name only
    // the first is taken over, and a received value always wins over a sent one.
    std::vector<Text> merged = splitText(received, ";");
    for (const Text& item : splitText(sent, ";")) {
        if (!hasCookieNamed(merged, cookieName(item))) {
            merged.push_back(item);
        }
    }

    Text result;
    for (const Text& item : merged) {
        if (!endsWith(item, kDeletedMark)) {
            result += item;
            result += kItemSeparator;
        }
    }
    if (!result.empty()) {
        result.resize(result.size() - kItemSeparator.size());
    }
    result = removeDuplicates(result, kItemSeparator);
    sent = result;
    return result;
}
