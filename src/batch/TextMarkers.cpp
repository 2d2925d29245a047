#include "batch/TextMarkers.h"

#include "common/Codec.h"

Text expandTextMarkers(std::string_view text) {
    const Text& openingQuote = "“"_gbk;
    const Text& closingQuote = "”"_gbk;
    const Text& emptyValue = "(空)"_gbk;
    Text result;
    result.reserve(text.size() + text.size() / 8);
    bool valueMarkerSeen = false;
    bool nextTildeOpens = true;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t length = characterLength(text, pos);
        if (length == 2) {
            result.append(text, pos, 2);
            pos += 2;
            continue;
        }
        const char c = text[pos];
        const char next = pos + 1 < text.size() ? text[pos + 1] : '\0';
        if (c == '`') {
            result.push_back('"');
        } else if (c == '~') {
            result.append(nextTildeOpens ? openingQuote : closingQuote);
            nextTildeOpens = !nextTildeOpens;
        } else if (c == '%' && next == 'n') {
            result.append("\r\n");
            ++pos;
        } else if (c == '%' && next == 'N') {
            result.append("\r\n\r\n");
            ++pos;
        } else if (c == '%' && !valueMarkerSeen &&
                   (next == 's' || next == 'd' || next == 'f' || next == 't' || next == 'T')) {
            valueMarkerSeen = true;
            if (next == 't') {
                result.append("\"" + emptyValue + "\"");
            } else if (next == 'T') {
                result.append(openingQuote + emptyValue + closingQuote);
            } else {
                result.append(emptyValue);
            }
            ++pos;
        } else {
            result.push_back(c);
        }
        ++pos;
    }
    return result;
}
