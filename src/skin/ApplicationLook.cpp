#include "skin/ApplicationLook.h"

#include "skin/SkinPalette.h"

#include <QApplication>

void ApplicationLook::rememberOwn(const QApplication& application) {
    if (!remembered_) {
        ownPalette_ = QApplication::palette();
        ownStyleSheet_ = application.styleSheet();
        remembered_ = true;
    }
}

void ApplicationLook::apply(QApplication& application, const SkinScheme& scheme) {
    rememberOwn(application);
    QApplication::setPalette(skinPalette(ownPalette_, scheme));
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
