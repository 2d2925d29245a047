#include "app/GraphicButton.h"

#include <QPainter>

GraphicButton::GraphicButton(const QPixmap& normal, const QPixmap& hover, const QString& role,
                             QWidget* parent)
    : QAbstractButton(parent), normal_(normal), hover_(hover) {
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    setAccessibleName(role);
    setToolTip(role);
    setFocusPolicy(Qt::TabFocus);
}

QSize GraphicButton::sizeHint() const {
    return normal_.isNull() ? QSize(30, 30) : normal_.deviceIndependentSize().toSize();
}

void GraphicButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPixmap& picture = (underMouse() || isDown()) && !hover_.isNull() ? hover_ : normal_;
    if (!picture.isNull()) {
        painter.drawPixmap(rect(), picture);
    }
    if (hasFocus()) {
        painter.setPen(QPen(QColor(242, 165, 65, 160), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void GraphicButton::enterEvent(QEnterEvent* event) {
    QAbstractButton::enterEvent(event);
    update();
}

void GraphicButton::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    update();
}
