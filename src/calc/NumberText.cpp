#include "calc/NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
    }
    return pos;
}

// For an unsigned decimal number the reader could not hold: true when it lies above the range of
// a double, false when below. The decimal exponent of its first significant digit decides.
bool isAboveRange(std::string_view mantissa, std::string_view exponent) {
    long long lead = 0;
    const std::size_t point = mantissa.find('.');
    const std::size_t integerDigits = point == std::string_view::npos ? mantissa.size() : point;
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) {
        return false;
    }
    if (first < integerDigits) {
        lead = static_cast<long long>(integerDigits - first) - 1;
    } else {
        lead = -static_cast<long long>(first - integerDigits);
    }
    // The exponent saturates far beyond any text length, so the sum cannot overflow.
    constexpr long long saturation = 1'000'000'000'000'000LL;
    long long power = 0;
    bool negativePower = false;
    for (char c : exponent) {
        if (c == '-') {
            negativePower = true;
        } else if (isDigit(c) && power < saturation) {
            power = power * 10 + (c - '0');
        }
    }
    return lead + (negativePower ? -power : power) > 0;
}

} // namespace

double parseNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }

    const std::size_t mantissaStart = pos;
    pos = skipDigits(text, pos);
    bool hasDigits = pos > mantissaStart;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fractionEnd = skipDigits(text, pos + 1);
        if (hasDigits || fractionEnd > pos + 1) {
            hasDigits = true;
            pos = fractionEnd;
        }
    }
    if (!hasDigits) {
        return 0.0;
    }
    const std::size_t mantissaEnd = pos;

    // An exponent counts only with at least one digit: "5e+" is the number 5.
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t digits = pos + 1;
        if (digits < text.size() && (text[digits] == '+' || text[digits] == '-')) {
            ++digits;
        }
        const std::size_t exponentEnd = skipDigits(text, digits);
        if (exponentEnd > digits) {
            pos = exponentEnd;
        }
    }

    // The scan above has already fixed the grammar; from_chars only rounds the unsigned
    // number to the nearest double, whatever the locale.
    const std::string_view number = text.substr(mantissaStart, pos - mantissaStart);
    double magnitude = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), magnitude,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        const std::string_view mantissa = text.substr(mantissaStart, mantissaEnd - mantissaStart);
        const std::string_view exponent = text.substr(mantissaEnd, pos - mantissaEnd);
        magnitude =
            isAboveRange(mantissa, exponent) ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -magnitude : magnitude;
}

Text formatNumber(double value) {
    if (std::isnan(value)) {
        return "nan";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-inf" : "inf";
    }
    // to_chars with a precision is "%.13g" of the "C" locale, rounded from the exact value.
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 13);
    Text text(buffer, result.ptr);
    const std::size_t e = text.find('e');
    if (e != Text::npos) {
        // After "e" comes the sign, then the digits.
        const std::size_t digits = text.size() - (e + 2);
        if (digits < 3) {
            text.insert(e + 2, 3 - digits, '0');
        }
    }
    return text;
}
