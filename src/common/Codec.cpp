#include "common/Codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

QString toQt(std::string_view gbk) {
    QStringDecoder decoder("GB18030");
    return decoder.decode(QByteArrayView(gbk.data(), static_cast<qsizetype>(gbk.size())));
}

Text fromQt(const QString& text) {
    QStringEncoder encoder("GB18030");
    const QByteArray bytes = encoder.encode(text);
    return Text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

Text gbkFromUtf8(std::string_view utf8) {
    return fromQt(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}
