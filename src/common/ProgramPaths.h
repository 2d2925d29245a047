#pragma once
// Folders the program reads or writes, settled by main() and replaced by tests.

#include "common/Text.h"

struct ProgramPaths {
    Text documentsDir;     // the user's documents folder, without a trailing separator
    Text programDir;       // the folder of the program file, without a trailing separator
    Text systemLibraryDir; // the platform's library directory, without a trailing separator
    Text skinDefaultPath;  // the skin library's preferred path, a build setting
};
