#include "app/ShapeBox.h"

#include <QPainter>

ShapeBox::ShapeBox(const QColor& colour, QWidget* parent) : QWidget(parent), colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour_);
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}
