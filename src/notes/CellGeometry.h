#pragma once
// Where a cell of the notes list lies, worked out from its row's upper-left corner (which
// follows the list's scrolling) and the column widths the list reports now.

#include "common/ProgramState.h"

#include <span>

// Hit flags of the list's cell hit test.
namespace CellHit {
constexpr int Nowhere = 0x1;
constexpr int OnItemLabel = 0x4;
} // namespace CellHit

struct CellEditorPlace {
    int left = 0;
    int top = 0;
    int width = 0;
};

// The editor laid over cell `column` of the row whose corner is at rowX, rowY inside the list,
// in the coordinates of the list's parent: one pixel below the row's top, starting behind the
// columns before it, as wide as the column.
CellEditorPlace cellEditorPlace(int listLeft, int listTop, int rowX, int rowY,
                                std::span<const int> columnWidths, int column);

// The frame drawn around a pressed cell, in the coordinates of the row's corner.
CellRectangle cellFrameRectangle(int rowX, int rowY, std::span<const int> columnWidths, int column,
                                 int rowHeight);
