#pragma once
// A time of the day as the program's time lists give it: each field is the stored value of the
// selected item, or -1 when a list has no selection.

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;

    // A list without a selection (-1), or any other value off the clock, never comes round.
    bool onTheClock() const {
        return hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60;
    }
    bool operator==(const TimeOfDay&) const = default;
};
