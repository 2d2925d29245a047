#include "notes/NoteRow.h"

NoteRow newNoteRow(std::size_t rowCountBefore) {
    NoteRow row;
    row[NoteColumn::Number] = decimal(static_cast<long long>(rowCountBefore));
    return row;
}
