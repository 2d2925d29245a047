#include "common/ProgramState.h"

void ProgramState::releaseGlobals() {
    if (released_) {
        return;
    }
    released_ = true;
    Text().swap(powerStatusText);
    Text().swap(alarmStatusText);
    Text().swap(skinLibraryPath);
    std::string().swap(skinData);
    cellHitInfo = {};
    pressedCellRectangle = {};
}
