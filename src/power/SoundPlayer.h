#pragma once
// Plays a WAV clip carried inside the program, looped until stopped. Without an audio device
// it does nothing and says nothing.

#include <string_view>

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // `clipName` names the clip among the program's embedded files ("ringtone.wav"). Playing
    // again while a clip plays starts it over.
    virtual void playLooped(std::string_view clipName) = 0;
    // Stops whatever plays; nothing playing is fine.
    virtual void stop() = 0;
};
