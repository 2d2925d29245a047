#include "chat/EditBoxText.h"

#include "common/Codec.h"

QString toEditBoxText(std::string_view text) {
    QString shown = toQt(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

Text fromEditBoxText(const QString& text) {
    QString withCrLf = text;
    withCrLf.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return fromQt(withCrLf);
}
