#include "batch/CountReading.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::size_t skipWhiteSpace(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && isWhiteSpace(text[pos])) {
        ++pos;
    }
    return pos;
}

std::size_t skipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
    }
    return pos;
}

} // namespace

Text asciiFromFullWidth(std::string_view text) {
    Text result;
    result.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = characterLength(text, pos);
        const auto lead = static_cast<unsigned char>(text[pos]);
        const auto trail = length == 2 ? static_cast<unsigned char>(text[pos + 1]) : 0;
        if (length == 2 && lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
            result.push_back(static_cast<char>(trail - 0x80));
        } else if (length == 2 && lead == 0xA1 && trail == 0xA1) {
            result.push_back(' ');
        } else {
            result.append(text.substr(pos, length));
        }
        pos += length;
    }
    return result;
}

double readRealNumber(std::string_view text) {
    const std::size_t start = skipWhiteSpace(text);
    std::size_t pos = start;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t numberStart = pos;
    pos = skipDigits(text, pos);
    std::size_t digits = pos - numberStart;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fractionEnd = skipDigits(text, pos + 1);
        digits += fractionEnd - pos - 1;
        pos = fractionEnd;
    }
    if (digits == 0) {
        return 0.0;
    }
    // An exponent counts only when at least one digit follows its letter and sign.
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exponent = pos + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
            ++exponent;
        }
        const std::size_t exponentEnd = skipDigits(text, exponent);
        if (exponentEnd > exponent) {
            pos = exponentEnd;
        }
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data() + numberStart, text.data() + pos, value,
                                              std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        // Too large gives infinity, too small gives 0: tell them by the exponent's sign.
        const std::string_view number = text.substr(numberStart, pos - numberStart);
        value = number.find("e-") != std::string_view::npos ||
                        number.find("E-") != std::string_view::npos
                    ? 0.0
                    : std::numeric_limits<double>::infinity();
    } else if (error != std::errc() || end != text.data() + pos) {
        return 0.0;
    }
    return negative ? -value : value;
}

long long readInteger(std::string_view text) {
    std::size_t pos = skipWhiteSpace(text);
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    long long value = 0;
    constexpr long long limit = std::numeric_limits<long long>::max();
    for (; pos < text.size() && isDigit(text[pos]); ++pos) {
        const int digit = text[pos] - '0';
        value = value > (limit - digit) / 10 ? limit : value * 10 + digit;
    }
    return negative ? -value : value;
}

long long fileCountOf(std::string_view countText) {
    const double count = std::trunc(readRealNumber(asciiFromFullWidth(countText)));
    if (!(count > 0.0)) {
        return 0;
    }
    return count >= static_cast<double>(kLargestFileCount) ? kLargestFileCount
                                                           : static_cast<long long>(count);
}

long long progressDivisorOf(std::string_view countText) {
    const long long divisor = readInteger(asciiFromFullWidth(countText));
    return divisor > 0 ? divisor : fileCountOf(countText);
}
