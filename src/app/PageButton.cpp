#include "app/PageButton.h"

#include <QPainter>

PageButton::PageButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setFlat(true);
    // A click shows its page; only the keyboard needs the focus ring.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
    QFont captionFont(QString::fromUtf8("楷体"));
    captionFont.setPixelSize(12);
    setFont(captionFont);
}

void PageButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QColor colour = isDown() ? pressedColor_ : underMouse() ? hoverColor_ : textColor_;
    painter.setPen(colour);
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, text());
    if (hasFocus()) {
        QColor ring = colour;
        ring.setAlpha(110);
        painter.setPen(QPen(ring, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void PageButton::enterEvent(QEnterEvent* event) {
    QPushButton::enterEvent(event);
    update();
}

void PageButton::leaveEvent(QEvent* event) {
    QPushButton::leaveEvent(event);
    update();
}
