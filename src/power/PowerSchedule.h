#pragma once
// Shutting down, restarting or logging off at once, and the timed shutdown and restart: armed
// for a time of the day, then looked for once a second until the program ends. Arming has no
// undo; arming again, by either button, moves the one target both checks share.

#include "power/PowerService.h"
#include "power/TimeOfDay.h"
#include "power/TimeOfDayWatch.h"
#include "power/TimedNotice.h"

class FormTimer;
struct Services;

class PowerSchedule {
public:
    PowerSchedule(Services& services, NoticeOwnerFinder findOwner, FormTimer& shutdownCheck,
                  FormTimer& restartCheck, FormTimer& listFollower);

    // 按钮1, 按钮2, 按钮5: asks the system at once, without a question. A refusal is not
    // reported.
    void requestNow(PowerMode mode);

    // 按钮3 (ShutDown) and 按钮4 (Restart). `picked` is what the three lists hold at the click;
    // it becomes the target before the question, so Cancel still moves the target.
    void arm(PowerMode mode, const TimeOfDay& picked);

    // A tick of the check timer of `mode` (时钟2 ShutDown, 时钟3 Restart): asks for the action
    // when the target came round. The check goes on afterwards, so a target that came and went
    // comes round again the next day.
    void check(PowerMode mode);

    // The user picked an item in one of the three lists: they stop following the clock, for
    // good.
    void listPickedByUser();

    const TimeOfDay& target() const { return target_; }

private:
    struct TimedCheck {
        FormTimer& timer;
        TimeOfDayWatch watch;
    };
    TimedCheck* timedCheckOf(PowerMode mode);

    Services& services_;
    NoticeOwnerFinder findOwner_;
    TimedCheck shutdown_;
    TimedCheck restart_;
    FormTimer& listFollower_;
    TimeOfDay target_; // powerTargetHour, powerTargetMinute, powerTargetSecond
};
