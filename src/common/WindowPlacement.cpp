#include "common/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void setWindowAlpha(QWidget& window, int alpha) {
    if (alpha < 0 || alpha > 255) {
        alpha = 255;
    }
    window.setWindowOpacity(alpha / 255.0);
}

void placeMinimised(QWidget& window) {
    if (window.isVisible()) {
        window.showMinimized();
    }
}

void placeCentred(QWidget& window) {
    if (!window.isVisible()) {
        return;
    }
    if (window.isMinimized() || window.isMaximized()) {
        window.showNormal();
    }
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    const QRect whole = screen->geometry();
    window.move(whole.left() + (whole.width() - window.width()) / 2,
                whole.top() + (whole.height() - window.height()) / 2);
}
