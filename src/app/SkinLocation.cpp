#include "app/SkinLocation.h"

#include "common/Codec.h"
#include "common/ProgramState.h"

#include <QFileInfo>

namespace {

bool fileExists(const Text& path) {
    return !path.empty() && QFileInfo(toQt(path)).isFile();
}

} // namespace

Text systemDirectoryWithSlash(const ProgramPaths& paths) {
    Text directory = paths.systemLibraryDir;
    if (directory.empty() || directory.back() != '/') {
        directory += '/';
    }
    return directory;
}

void locateSkinLibrary(ProgramState& state, const ProgramPaths& paths, const Text& preferred) {
    state.skinLibraryPath = trimSpaces(preferred);
    if (fileExists(state.skinLibraryPath)) {
        return;
    }
    const Text besideProgram = paths.programDir + "/" + kSkinLibraryFileName;
    if (fileExists(besideProgram)) {
        state.skinLibraryPath = besideProgram;
    }
    // Checked whatever the program's folder held, so a system-wide copy wins.
    const Text systemWide = systemDirectoryWithSlash(paths) + kSkinLibraryFileName;
    if (fileExists(systemWide)) {
        state.skinLibraryPath = systemWide;
    }
}
