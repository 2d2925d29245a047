#pragma once
// Sound on Qt Multimedia: a clip embedded in the program, played looped by a QSoundEffect.
// Without an audio device the effect only fails to play; nothing is reported and nothing
// waits.

#include "power/SoundPlayer.h"

#include <memory>

class QSoundEffect;

class QtSoundPlayer final : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    QtSoundPlayer(const QtSoundPlayer&) = delete;
    QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

    void playLooped(std::string_view clipName) override;
    void stop() override;

    // The last clip asked for was found among the embedded files and decoded.
    bool clipLoaded() const;

private:
    // Made on the first play, so a run without an alarm never opens the audio system.
    std::unique_ptr<QSoundEffect> effect_;
};
