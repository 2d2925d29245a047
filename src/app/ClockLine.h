#pragma once
// The clock line at the top of the first page.

#include "common/Clock.h"
#include "common/Text.h"

// Year 年 month 月 day 日, then the time part: hour 时 minute 分 second 秒, cut after the last
// field that is not zero (nothing at all at 0:00:00).
Text dateTimeText(const LocalDateTime& time);

// "当前：" + date-time + the power status + " " + the alarm status.
Text clockLineText(const LocalDateTime& time, const Text& powerStatusText,
                   const Text& alarmStatusText);
