#include "power/AlarmClock.h"

#include "common/Clock.h"
#include "common/FormTimer.h"
#include "common/ProgramState.h"
#include "common/Services.h"
#include "power/SoundPlayer.h"

namespace {
constexpr int kCheckPeriodMs = 1'000;
constexpr int kFollowPeriodMs = 1'000;
constexpr int kConfirmationMs = 350;
} // namespace

AlarmClock::AlarmClock(Services& services, NoticeOwnerFinder findOwner, FormTimer& alarmCheck,
                       FormTimer& listFollower)
    : services_(services), findOwner_(std::move(findOwner)), check_(alarmCheck),
      listFollower_(listFollower) {}

void AlarmClock::set(const std::function<TimeOfDay()>& readLists) {
    if (services_.dialogs.messageBox("是否要设置定时铃声？"_gbk, "提示："_gbk,
                                     MessageStyle::OkCancel) != MessageAnswer::Ok) {
        return;
    }
    if (!check_.isRunning()) {
        watch_.start(services_.clock.now(), services_.clock.uptimeMs());
    }
    check_.setPeriod(kCheckPeriodMs);
    time_ = readLists();
    services_.dialogs.inputBox("请输入提醒内容"_gbk, "提示闹钟"_gbk, reminderText_);
    showTimedNotice(services_.dialogs, findOwner_, "设置铃声成功"_gbk,
                    {.style = MessageStyle::IconInformation,
                     .title = "设置提醒："_gbk,
                     .timeoutMs = kConfirmationMs});
    services_.state.alarmStatusText = "铃声："_gbk + decimal(time_.hour) + "："_gbk +
                                      decimal(time_.minute) + "："_gbk + decimal(time_.second);
}

void AlarmClock::cancel() {
    check_.setPeriod(0);
    watch_.stop();
    listFollower_.setPeriod(kFollowPeriodMs);
    services_.sound.stop();
    services_.state.alarmStatusText.clear();
    showTimedNotice(services_.dialogs, findOwner_, "取消铃声成功"_gbk,
                    {.title = "取消提醒"_gbk, .timeoutMs = kConfirmationMs});
}

void AlarmClock::check() {
    // The clock is read once for hour, minute and second (see PowerSchedule::check).
    if (!watch_.comesDue(time_, services_.clock.now(), services_.clock.uptimeMs())) {
        return;
    }
    services_.sound.playLooped(kRingtoneClip);
    services_.dialogs.messageBox(reminderText_, "提示信息："_gbk, MessageStyle::Ok);
}

void AlarmClock::listPickedByUser() {
    listFollower_.setPeriod(0);
}
