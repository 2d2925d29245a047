#pragma once
// Asks the operating system to shut down, restart or log off.

enum class PowerMode { ShutDown = 1, Restart = 2, LogOff = 3 };

class PowerService {
public:
    virtual ~PowerService() = default;
    // True when the system accepted the request; a refusal or any error is false.
    virtual bool performPowerAction(PowerMode mode) = 0;
};
