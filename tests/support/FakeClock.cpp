#include "FakeClock.h"

#include <chrono>

FakeClock::FakeClock() {
    set(2019, 1, 26, 9, 5, 7);
}

void FakeClock::set(int year, int month, int day, int hour, int minute, int second) {
    now_ = {year, month, day, hour, minute, second};
    subSecondMs_ = 0;
}

void FakeClock::setTime(int hour, int minute, int second) {
    set(now_.year, now_.month, now_.day, hour, minute, second);
}

void FakeClock::advanceMs(std::int64_t ms) {
    using namespace std::chrono;
    uptimeMs_ += ms;
    subSecondMs_ += ms;
    const std::int64_t wholeSeconds = subSecondMs_ / 1000;
    subSecondMs_ %= 1000;
    if (wholeSeconds == 0) {
        return;
    }
    const sys_days date{year{now_.year} / month{static_cast<unsigned>(now_.month)} /
                        day{static_cast<unsigned>(now_.day)}};
    const sys_seconds moved = date + hours{now_.hour} + minutes{now_.minute} +
                              seconds{now_.second} + seconds{wholeSeconds};
    const sys_days newDate = floor<days>(moved);
    const year_month_day ymd{newDate};
    const hh_mm_ss<seconds> time{moved - newDate};
    now_ = {static_cast<int>(ymd.year()),
            static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day())),
            static_cast<int>(time.hours().count()),
            static_cast<int>(time.minutes().count()),
            static_cast<int>(time.seconds().count())};
}
