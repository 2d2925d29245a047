#pragma once
// Recording fakes of the power and sound services. No test ever asks the real system to shut
// down, restart or log off.

#include "power/PowerService.h"
#include "power/SoundPlayer.h"

#include <string>
#include <vector>

class FakePowerService final : public PowerService {
public:
    bool performPowerAction(PowerMode mode) override {
        requests.push_back(mode);
        return answer;
    }
    std::vector<PowerMode> requests;
    bool answer = true;
};

class FakeSoundPlayer final : public SoundPlayer {
public:
    void playLooped(std::string_view wavBytes) override {
        playing = true;
        lastClip.assign(wavBytes);
        ++starts;
    }
    void stop() override {
        playing = false;
        ++stops;
    }
    bool playing = false;
    int starts = 0;
    int stops = 0;
    std::string lastClip;
};
