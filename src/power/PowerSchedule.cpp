#include "power/PowerSchedule.h"

#include "common/Clock.h"
#include "common/FormTimer.h"
#include "common/ProgramState.h"
#include "common/Services.h"

namespace {

struct TimedActionTexts {
    const Text& questionEnding;
    const Text& statusPrefix;
    const Text& noticeEnding;
    const Text& noticeTitle;
};

TimedActionTexts textsOf(PowerMode mode) {
    if (mode == PowerMode::Restart) {
        return {"秒 重启？"_gbk, " 重启"_gbk, "秒 重启"_gbk, "重启提示"_gbk};
    }
    return {"秒 关机？"_gbk, "  关机"_gbk, "秒 关机"_gbk, "关机提示"_gbk};
}

// H时M分S, each a plain decimal number ("-1" for a list without a selection).
Text hourMinuteSecond(const TimeOfDay& time) {
    return decimal(time.hour) + "时"_gbk + decimal(time.minute) + "分"_gbk + decimal(time.second);
}

constexpr int kCheckPeriodMs = 1'000;
constexpr int kConfirmationMs = 500;

} // namespace

PowerSchedule::PowerSchedule(Services& services, NoticeOwnerFinder findOwner,
                             FormTimer& shutdownCheck, FormTimer& restartCheck,
                             FormTimer& listFollower)
    : services_(services),
      findOwner_(std::move(findOwner)), shutdown_{shutdownCheck, {}}, restart_{restartCheck, {}},
      listFollower_(listFollower) {}

PowerSchedule::TimedCheck* PowerSchedule::timedCheckOf(PowerMode mode) {
    switch (mode) {
    case PowerMode::ShutDown:
        return &shutdown_;
    case PowerMode::Restart:
        return &restart_;
    case PowerMode::LogOff:
        break;
    }
    return nullptr;
}

void PowerSchedule::requestNow(PowerMode mode) {
    services_.power.performPowerAction(mode);
}

void PowerSchedule::arm(PowerMode mode, const TimeOfDay& picked) {
    TimedCheck* timed = timedCheckOf(mode);
    if (!timed) {
        return;
    }
    const TimedActionTexts texts = textsOf(mode);
    target_ = picked;
    const Text time = hourMinuteSecond(target_);
    if (services_.dialogs.messageBox("是否设置在"_gbk + time + texts.questionEnding, "提示："_gbk,
                                     MessageStyle::OkCancel) != MessageAnswer::Ok) {
        return;
    }
    if (!timed->timer.isRunning()) {
        timed->watch.start(services_.clock.now(), services_.clock.uptimeMs());
    }
    timed->timer.setPeriod(kCheckPeriodMs);
    services_.state.powerStatusText = texts.statusPrefix + time + "秒"_gbk;
    showTimedNotice(services_.dialogs, findOwner_, "将于"_gbk + time + texts.noticeEnding,
                    {.title = texts.noticeTitle, .timeoutMs = kConfirmationMs});
}

void PowerSchedule::check(PowerMode mode) {
    TimedCheck* timed = timedCheckOf(mode);
    if (!timed) {
        return;
    }
    // One reading of the clock for hour, minute and second: reading it anew for each field
    // could pair the hour of 9:59:59 with the minute and second of 10:00:00.
    if (timed->watch.comesDue(target_, services_.clock.now(), services_.clock.uptimeMs())) {
        services_.power.performPowerAction(mode);
    }
}

void PowerSchedule::listPickedByUser() {
    listFollower_.setPeriod(0);
}
