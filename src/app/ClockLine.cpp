#include "app/ClockLine.h"

#include "common/Codec.h"

Text dateTimeText(const LocalDateTime& time) {
    Text text = decimal(time.year) + "年"_gbk + decimal(time.month) + "月"_gbk + decimal(time.day) +
                "日"_gbk;
    if (time.second != 0) {
        text += decimal(time.hour) + "时"_gbk + decimal(time.minute) + "分"_gbk +
                decimal(time.second) + "秒"_gbk;
    } else if (time.minute != 0) {
        text += decimal(time.hour) + "时"_gbk + decimal(time.minute) + "分"_gbk;
    } else if (time.hour != 0) {
        text += decimal(time.hour) + "时"_gbk;
    }
    return text;
}

Text clockLineText(const LocalDateTime& time, const Text& powerStatusText,
                   const Text& alarmStatusText) {
    return "当前："_gbk + dateTimeText(time) + powerStatusText + " " + alarmStatusText;
}
