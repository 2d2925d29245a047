#pragma once
// What the windows and pages are given: the program-wide state and the operating-system
// services, each behind a small interface. main() creates the real ones; tests pass fakes.

#include "common/ProgramPaths.h"
#include "common/Text.h"

#include <functional>

class Clock;
class Dialogs;
class PowerService;
class ProgramState;
class SoundPlayer;

// The chatbot service the chat page asks: its host (with a port when not 80), API key and
// API secret.
struct ChatbotEndpoint {
    Text host;
    Text apiKey;
    Text apiSecret;
};

struct Services {
    ProgramState& state;
    Dialogs& dialogs;
    Clock& clock;
    PowerService& power;
    SoundPlayer& sound;
    ProgramPaths paths;
    // Ends the program with exit code 0.
    std::function<void()> endProgram;
    ChatbotEndpoint chatbot{};
};
