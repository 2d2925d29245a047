#include "notes/PressedCellDelegate.h"

#include "notes/CellGeometry.h"

#include <QAbstractItemView>
#include <QPainter>

PressedCellDelegate::PressedCellDelegate(QAbstractItemView* view)
    : QStyledItemDelegate(view), view_(view) {}

void PressedCellDelegate::setPressedCell(const QModelIndex& cell) {
    const QModelIndex previous = pressedCell_;
    pressedCell_ = cell;
    redraw(previous);
    redraw(cell);
}

void PressedCellDelegate::redraw(const QModelIndex& cell) {
    if (cell.isValid()) {
        view_->viewport()->update(view_->visualRect(cell));
    }
}

void PressedCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    if (pressedCell_ != index) {
        return;
    }
    const int width = option.rect.width();
    const CellRectangle frame = cellFrameRectangle(option.rect.left(), option.rect.top(),
                                                   {&width, 1}, 0, option.rect.height());
    painter->save();
    painter->setPen(QPen(Qt::black, 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top);
    painter->restore();
}
