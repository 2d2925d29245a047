#pragma once
// What the windows and pages are given: the program-wide state and the operating-system
// services, each behind a small interface. main() creates the real ones; tests pass fakes.

#include "common/ProgramPaths.h"

#include <functional>

class Clock;
class Dialogs;
class PowerService;
class ProgramState;
class SoundPlayer;

struct Services {
    ProgramState& state;
    Dialogs& dialogs;
    Clock& clock;
    PowerService& power;
    SoundPlayer& sound;
    ProgramPaths paths;
    // Ends the program with exit code 0.
    std::function<void()> endProgram;
};
