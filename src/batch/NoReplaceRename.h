#pragma once
// Moving a file to a new name never replaces a file that already holds that name. The check
// and the move are one atomic step of the file system: a test followed by a move would let a
// file created in between be overwritten.

#include "common/Text.h"

// Moves the file at GBK path `from` to `to`; false, changing nothing, when `to` exists or the
// move fails for any other reason.
bool renameWithoutReplacing(const Text& from, const Text& to);

// The same on native names: renameat2 with RENAME_NOREPLACE, or, where the file system does
// not support that flag, renameByLinking.
bool renameNativeWithoutReplacing(const char* from, const char* to);

// Gives the file the new name as a hard link (which fails when the name exists) and then
// drops the old name. If the old name cannot be dropped the new one is removed again.
bool renameByLinking(const char* from, const char* to);
