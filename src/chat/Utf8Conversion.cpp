#include "chat/Utf8Conversion.h"

#include "common/Codec.h"

#include <QList>
#include <QStringDecoder>

#include <cerrno>
#include <iconv.h>

namespace {

// One iconv descriptor for the life of one conversion.
class GbkEncoder {
public:
    GbkEncoder() : descriptor_(iconv_open("CP936", "UTF-32LE")) {}
    ~GbkEncoder() {
        if (valid()) {
            iconv_close(descriptor_);
        }
    }
    GbkEncoder(const GbkEncoder&) = delete;
    GbkEncoder& operator=(const GbkEncoder&) = delete;

    bool valid() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }

    // Converts UTF-32LE code units; each code point without a GBK form becomes "?".
    Text encode(std::string& utf32) const {
        Text out;
        char buffer[4096];
        char* in = utf32.data();
        std::size_t inLeft = utf32.size();
        while (inLeft > 0) {
            char* outAt = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t done = iconv(descriptor_, &in, &inLeft, &outAt, &outLeft);
            out.append(buffer, static_cast<std::size_t>(outAt - buffer));
            if (done == static_cast<std::size_t>(-1) && errno == EILSEQ) {
                // A whole-buffer conversion would stop here; the platform's rule is a
                // replacement character and on with the next code point.
                out += '?';
                in += 4;
                inLeft -= 4;
            } else if (done == static_cast<std::size_t>(-1) && errno != E2BIG) {
                break;
            }
        }
        return out;
    }

private:
    iconv_t descriptor_;
};

} // namespace

std::string utf8FromGbk(std::string_view gbk) {
    const QByteArray utf8 = toQt(gbk).toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

Text utf8ToGbk(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    // A leading byte-order mark is a character like any other here, as on the platform the
    // rule comes from.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    const QString wide =
        decoder.decode(QByteArrayView(utf8.data(), static_cast<qsizetype>(utf8.size())));
    std::string utf32;
    utf32.reserve(static_cast<std::size_t>(wide.size()) * 4);
    for (const char32_t codePoint : wide.toUcs4()) {
        for (int shift = 0; shift < 32; shift += 8) {
            utf32 += static_cast<char>((codePoint >> shift) & 0xFF);
        }
    }
    const GbkEncoder encoder;
    if (!encoder.valid()) {
        return {};
    }
    Text gbk = encoder.encode(utf32);
    if (const std::size_t zero = gbk.find('\0'); zero != Text::npos) {
        gbk.resize(zero);
    }
    return gbk;
}
