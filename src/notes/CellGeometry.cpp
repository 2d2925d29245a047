#include "notes/CellGeometry.h"

#include <numeric>

namespace {

int widthsBefore(std::span<const int> columnWidths, int column) {
    return std::accumulate(columnWidths.begin(), columnWidths.begin() + column, 0);
}

} // namespace

CellEditorPlace cellEditorPlace(int listLeft, int listTop, int rowX, int rowY,
                                std::span<const int> columnWidths, int column) {
    return {listLeft + rowX + widthsBefore(columnWidths, column), listTop + rowY + 1,
            columnWidths[static_cast<std::size_t>(column)]};
}

CellRectangle cellFrameRectangle(int rowX, int rowY, std::span<const int> columnWidths, int column,
                                 int rowHeight) {
    const int left = rowX + widthsBefore(columnWidths, column);
    return {left, rowY, left + columnWidths[static_cast<std::size_t>(column)] - 2,
            rowY + rowHeight - 1};
}
