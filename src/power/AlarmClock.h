#pragma once
// The daily alarm: set for a time of the day with a reminder text; when that time comes round
// the ringtone starts looping and the reminder is shown. The ringtone goes on after the
// reminder is closed, until the alarm is cancelled, and the alarm goes off again each day.

#include "power/TimeOfDay.h"
#include "power/TimeOfDayWatch.h"
#include "power/TimedNotice.h"

#include <functional>

class FormTimer;
struct Services;

// The ringtone among the program's embedded files.
inline constexpr const char* kRingtoneClip = "ringtone.wav";

class AlarmClock {
public:
    AlarmClock(Services& services, NoticeOwnerFinder findOwner, FormTimer& alarmCheck,
               FormTimer& listFollower);

    // 按钮6. `readLists` gives what the three alarm lists hold; they are read after the
    // question, so lists that follow the clock give the time at the answer.
    void set(const std::function<TimeOfDay()>& readLists);

    // 按钮7, with no question, whether or not an alarm is set or ringing.
    void cancel();

    // A tick of 时钟4.
    void check();

    // The user picked an item in one of the three lists: they stop following the clock until
    // the next cancel.
    void listPickedByUser();

    const TimeOfDay& time() const { return time_; }
    const Text& reminderText() const { return reminderText_; }

private:
    Services& services_;
    NoticeOwnerFinder findOwner_;
    FormTimer& check_;
    FormTimer& listFollower_;
    TimeOfDayWatch watch_;
    TimeOfDay time_;    // alarmHour, alarmMinute, alarmSecond
    Text reminderText_; // alarmText: replaced only by a confirmed input box
};
