#include "batch/NativeName.h"

#include "common/Codec.h"

#include <QByteArray>
#include <QFile>
#include <algorithm>

namespace {

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

std::optional<std::string> nativeName(std::string_view path) {
    if (path.find('\0') != std::string_view::npos) {
        return std::nullopt;
    }
    // ASCII is the same in both encodings; most paths are, and this runs once per file.
    if (isAscii(path)) {
        return std::string(path);
    }
    const QByteArray native = QFile::encodeName(toQt(path));
    return std::string(native.constData(), static_cast<std::size_t>(native.size()));
}

std::optional<Text> textFromNativeName(std::string_view name) {
    if (isAscii(name)) {
        return Text(name);
    }
    const QByteArray native(name.data(), static_cast<qsizetype>(name.size()));
    const QString decoded = QFile::decodeName(native);
    if (QFile::encodeName(decoded) != native) {
        return std::nullopt;
    }
    return fromQt(decoded);
}
