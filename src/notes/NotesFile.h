#pragma once
// The notes file: a header line, then one line per row, "序号=标题，内容，备注", every line ended
// by CR LF, GBK bytes without escaping. It is the only thing the program keeps between runs.

#include "notes/NoteRow.h"

#include <string_view>
#include <vector>

class Dialogs;

// `test.txt` directly in the documents folder; empty when the documents folder is unknown.
Text notesFilePath(const Text& documentsDir);

// The file's bytes for these rows. An empty list gives the header line alone (14 bytes).
Text notesFileText(const std::vector<NoteRow>& rows);

// The rows held by a file's bytes. The first line is skipped whatever it holds; every further
// line gives one row. Column 0 takes the text before the first "="; behind it, the first "，"
// piece is the title, and from three pieces on the last is the remark and the pieces between
// are the content, so a line written by notesFileText comes back whole unless its title holds a
// "，". A NUL byte is an ordinary byte.
std::vector<NoteRow> parseNotesText(std::string_view text);

// The rows of the file at `path`; a missing or unreadable file gives none.
std::vector<NoteRow> readNotesFile(const Text& path);

// Replaces the file at `path` by the rows' text, creating its folder when missing. The new text
// reaches the file whole or not at all: on failure the earlier file stays as it was.
bool writeNotesFile(const Text& path, const std::vector<NoteRow>& rows);

// "保存": writes the file, then tells the user "保存成功" or "保存失败" in a box titled
// "提示信息：".
void saveNotesAndReport(const Text& path, const std::vector<NoteRow>& rows, Dialogs& dialogs);
