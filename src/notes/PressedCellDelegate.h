#pragma once
// Draws the notes list's cells as usual and a thin black frame around the cell last pressed,
// so the user sees which cell a double click will open.

#include <QPersistentModelIndex>
#include <QStyledItemDelegate>

class QAbstractItemView;

class PressedCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit PressedCellDelegate(QAbstractItemView* view);

    // Moves the frame to `cell`; an invalid index removes it.
    void setPressedCell(const QModelIndex& cell);
    QModelIndex pressedCell() const { return pressedCell_; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    void redraw(const QModelIndex& cell);

    QAbstractItemView* view_;
    // Persistent, so the frame goes with its row and vanishes when the row is removed.
    QPersistentModelIndex pressedCell_;
};
