#pragma once
// Plays a WAV clip held in memory, looped until stopped. Without an audio device it does
// nothing and says nothing.

#include <string_view>

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void playLooped(std::string_view wavBytes) = 0;
    virtual void stop() = 0;
};
