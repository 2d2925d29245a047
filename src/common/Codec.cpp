#include "common/Codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

QString toQt(std::string_view gbk) {
    // The decoder holds back a sequence cut off at the end, waiting for bytes that never
    // come. A line feed behind the text ends it: a cut sequence then shows as a replacement
    // character, and the line feed itself is taken off again.
    QByteArray bytes(gbk.data(), static_cast<qsizetype>(gbk.size()));
    bytes.append('\n');
    QStringDecoder decoder("GB18030");
    QString text = decoder.decode(bytes);
    if (text.endsWith(QLatin1Char('\n'))) {
        text.chop(1);
    }
    return text;
}

Text fromQt(const QString& text) {
    QStringEncoder encoder("GB18030");
    const QByteArray bytes = encoder.encode(text);
    return Text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

Text gbkFromUtf8(std::string_view utf8) {
    return fromQt(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}
