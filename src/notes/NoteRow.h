#pragma once
// One row of the notes list: its four cells in column order, each a GBK text.

#include "common/Text.h"

#include <array>
#include <cstddef>

constexpr int kNoteColumns = 4;

// Columns of the notes list, in their order in the list and in the notes file.
namespace NoteColumn {
constexpr int Number = 0;  // "序号"
constexpr int Title = 1;   // "标题"
constexpr int Content = 2; // "内容"
constexpr int Remark = 3;  // "备注"
} // namespace NoteColumn

using NoteRow = std::array<Text, kNoteColumns>;

// The row that "加一条" appends: numbered with the count of rows before it, other cells empty.
NoteRow newNoteRow(std::size_t rowCountBefore);
