#include "skin/ApplicationLook.h"

#include <QApplication>
#include <QColor>

namespace {

// The blob numbers colour roles as this Qt does; the format must not drift if Qt's does.
static_assert(QPalette::WindowText == 0 && QPalette::Window == 10 && QPalette::NoRole == 17 &&
              QPalette::PlaceholderText == 20);
static_assert(QPalette::Active == 0 && QPalette::Disabled == 1 && QPalette::Inactive == 2);

QPalette schemePalette(QPalette palette, const SkinScheme& scheme) {
    for (const SkinColour& entry : scheme.palette) {
        const QColor colour(entry.red, entry.green, entry.blue, entry.alpha);
        const auto role = static_cast<QPalette::ColorRole>(entry.role);
        if (entry.group == static_cast<std::uint8_t>(SkinColourGroup::All)) {
            palette.setColor(role, colour);
        } else {
            palette.setColor(static_cast<QPalette::ColorGroup>(entry.group), role, colour);
        }
    }
    return palette;
}

} // namespace

void ApplicationLook::rememberOwn(const QApplication& application) {
    if (!remembered_) {
        ownPalette_ = QApplication::palette();
        ownStyleSheet_ = application.styleSheet();
        remembered_ = true;
    }
}

void ApplicationLook::apply(QApplication& application, const SkinScheme& scheme) {
    rememberOwn(application);
    QApplication::setPalette(schemePalette(ownPalette_, scheme));
    const QString sheet = QString::fromUtf8(scheme.styleSheet);
    // The program's own rules stay; the scheme's come after them and so win a tie.
    application.setStyleSheet(ownStyleSheet_.isEmpty() ? sheet : ownStyleSheet_ + '\n' + sheet);
}

void ApplicationLook::restoreOwn(QApplication& application) {
    if (!remembered_) {
        return;
    }
    QApplication::setPalette(ownPalette_);
    application.setStyleSheet(ownStyleSheet_);
}
