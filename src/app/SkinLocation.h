#pragma once
// Where the skin library lies: settled at start-up with no preferred path, and again when the
// main window is created with the built-in default path.

#include "common/ProgramPaths.h"
#include "common/Text.h"

class ProgramState;

// The file name of the skin library, beside the program or in the system library directory.
inline constexpr const char* kSkinLibraryFileName = "libSkinH_EL.so";

// The platform's library directory with a separator at its end.
Text systemDirectoryWithSlash(const ProgramPaths& paths);

// Sets skinLibraryPath to `preferred` without blanks at its ends if that file exists; else to
// the copy in the system library directory, else to the copy beside the program (the system
// directory wins when both exist); with neither, the trimmed preferred text stays, even though
// no such file exists.
void locateSkinLibrary(ProgramState& state, const ProgramPaths& paths, const Text& preferred);
