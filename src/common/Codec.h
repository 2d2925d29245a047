#pragma once
// Where GBK text meets Qt (a widget's text) or the operating system (a file name) it is
// converted with GB18030: byte-identical to GBK for every GBK character, and able to carry
// every other Unicode character, so nothing the user types or a file name holds becomes "?".

#include "common/Text.h"

#include <QString>
#include <algorithm>
#include <cstddef>

QString toQt(std::string_view gbk);
Text fromQt(const QString& text);

// Converts UTF-8 (the encoding of the source files) to GBK.
Text gbkFromUtf8(std::string_view utf8);

// A string literal of the source, converted to GBK once per literal: "提示："_gbk.
template <std::size_t N> struct Utf8Literal {
    char bytes[N]{};
    constexpr Utf8Literal(const char (&literal)[N]) { std::copy_n(literal, N, bytes); }
    constexpr std::string_view view() const { return {bytes, N - 1}; }
};

template <Utf8Literal literal> const Text& operator""_gbk() {
    static const Text converted = gbkFromUtf8(literal.view());
    return converted;
}
