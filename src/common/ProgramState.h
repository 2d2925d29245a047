#pragma once
// The program-wide state: created once at start-up, handed to the windows and pages, and
// released once when the program ends, however it ends.

#include "common/Text.h"

#include <cstdint>

// Filled by the notes list's sub-item hit test.
struct CellHitInfo {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t flags = 0;
    std::int32_t row = 0;
    std::int32_t column = 0;
};

struct CellRectangle {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

class ProgramState {
public:
    // The pending timed power action and the alarm, shown by the clock line.
    Text powerStatusText;
    Text alarmStatusText;

    CellHitInfo cellHitInfo;
    CellRectangle pressedCellRectangle;

    // Progress of the splash title's colour fade: 0 not started, 253 or more finished.
    int fadeLevel = 0;

    // The skin library: where it lies (settled at start-up and again when the main window
    // is created), the scheme last chosen, and the opacity last set from the slider.
    Text skinLibraryPath;
    std::string skinData;
    int windowAlpha = 0;

    // Frees every text and record. Runs its work once; later calls do nothing.
    void releaseGlobals();
    bool released() const { return released_; }

private:
    bool released_ = false;
};
