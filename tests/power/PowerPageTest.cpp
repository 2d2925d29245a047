#include "power/PowerPage.h"

#include "WidgetTest.h"
#include "common/Codec.h"
#include "common/FormTimer.h"
#include "power/AlarmClock.h"
#include "power/PowerSchedule.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

namespace {

Text g(const char* utf8) {
    return gbkFromUtf8(utf8);
}

// The page under test is shown, so the notices find it as the program's window.
class PowerPageTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        page = std::make_unique<PowerPage>(services, nullptr);
        page->show();
    }
    void TearDown() override {
        page.reset();
        WidgetTest::TearDown();
    }

    // Selects by program, as the lists following the clock do (no item-selected event).
    static void select(QComboBox* hour, QComboBox* minute, QComboBox* second, int h, int m, int s) {
        hour->setCurrentIndex(h);
        minute->setCurrentIndex(m);
        second->setCurrentIndex(s);
    }
    void selectPowerTime(int h, int m, int s) {
        select(page->组合框时, page->组合框分, page->组合框秒, h, m, s);
    }
    void selectAlarmTime(int h, int m, int s) {
        select(page->组合框时1, page->组合框分1, page->组合框秒1, h, m, s);
    }
    // A tick one second after the previous one.
    void tickAfterOneSecond(FormTimer* timer) {
        clock.advanceMs(1'000);
        timer->fire();
    }

    std::unique_ptr<PowerPage> page;
};

TEST_F(PowerPageTest, ImmediateButtonsAskTheSystemWithoutAQuestion) {
    page->按钮1->click();
    page->按钮2->click();
    page->按钮5->click();
    EXPECT_EQ(power.requests,
              (std::vector{PowerMode::ShutDown, PowerMode::Restart, PowerMode::LogOff}));
    EXPECT_TRUE(dialogs.boxes().empty());
}

TEST_F(PowerPageTest, RefusedImmediateRequestShowsNothing) {
    power.answer = false;
    page->按钮1->click();
    EXPECT_EQ(power.requests.size(), 1u);
    EXPECT_TRUE(dialogs.boxes().empty());
}

struct ArmCase {
    const char* name;
    bool restart;
    const char* question;
    const char* status;
    const char* notice;
    const char* noticeTitle;
};

class ArmTest : public PowerPageTest, public ::testing::WithParamInterface<ArmCase> {
protected:
    QPushButton* armButton() const { return GetParam().restart ? page->按钮4 : page->按钮3; }
    FormTimer* checkTimer() const { return GetParam().restart ? page->时钟3 : page->时钟2; }
    FormTimer* otherTimer() const { return GetParam().restart ? page->时钟2 : page->时钟3; }
    PowerMode mode() const { return GetParam().restart ? PowerMode::Restart : PowerMode::ShutDown; }
};

TEST_P(ArmTest, AsksThenArmsShowsTheStatusAndConfirms) {
    selectPowerTime(23, 59, 59);
    armButton()->click();

    const auto boxes = dialogs.boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].kind, DialogCall::Message);
    EXPECT_EQ(boxes[0].text, g(GetParam().question));
    EXPECT_EQ(boxes[0].title, g("提示："));
    EXPECT_EQ(boxes[0].style, MessageStyle::OkCancel);
    EXPECT_EQ(checkTimer()->period(), 1000);
    EXPECT_EQ(otherTimer()->period(), 0);
    EXPECT_EQ(state.powerStatusText, g(GetParam().status));
    EXPECT_EQ(boxes[1].kind, DialogCall::Timed);
    EXPECT_EQ(boxes[1].text, g(GetParam().notice));
    EXPECT_EQ(boxes[1].title, g(GetParam().noticeTitle));
    EXPECT_EQ(boxes[1].style, MessageStyle::Ok);
    EXPECT_EQ(boxes[1].timeoutMs, 500);
    EXPECT_EQ(boxes[1].owner, page.get());
}

TEST_P(ArmTest, ComesDueAtTheTargetSecondOnlyAndAgainTheNextDay) {
    clock.set(2019, 1, 26, 9, 0, 0);
    selectPowerTime(10, 0, 0);
    armButton()->click();
    clock.set(2019, 1, 26, 9, 59, 59);
    checkTimer()->fire();
    EXPECT_TRUE(power.requests.empty());
    tickAfterOneSecond(checkTimer());
    EXPECT_EQ(power.requests, std::vector{mode()});
    tickAfterOneSecond(checkTimer());
    EXPECT_EQ(power.requests.size(), 1u);
    EXPECT_EQ(checkTimer()->period(), 1000); // never stopped

    clock.set(2019, 1, 27, 10, 0, 0);
    checkTimer()->fire();
    EXPECT_EQ(power.requests, (std::vector{mode(), mode()}));
}

TEST_P(ArmTest, CancelOnTheQuestionLeavesTimersAndStatusButMovesTheTarget) {
    state.powerStatusText = "before";
    selectPowerTime(6, 7, 8);
    dialogs.messageAnswers = {MessageAnswer::Cancel};
    armButton()->click();
    EXPECT_EQ(checkTimer()->period(), 0);
    EXPECT_EQ(state.powerStatusText, "before");
    EXPECT_EQ(dialogs.boxes().size(), 1u);
    EXPECT_EQ(page->schedule().target(), (TimeOfDay{6, 7, 8}));
}

INSTANTIATE_TEST_SUITE_P(
    Power, ArmTest,
    ::testing::Values(ArmCase{"shutdown", false, "是否设置在23时59分59秒 关机？",
                              "  关机23时59分59秒", "将于23时59分59秒 关机", "关机提示"},
                      ArmCase{"restart", true, "是否设置在23时59分59秒 重启？", " 重启23时59分59秒",
                              "将于23时59分59秒 重启", "重启提示"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PowerPageTest, ArmingAgainMovesBothChecksToTheNewestTarget) {
    clock.set(2019, 1, 26, 9, 0, 0);
    selectPowerTime(10, 0, 0);
    page->按钮3->click();
    selectPowerTime(11, 0, 0);
    page->按钮4->click();
    EXPECT_EQ(page->时钟2->period(), 1000);
    EXPECT_EQ(page->时钟3->period(), 1000);
    EXPECT_EQ(state.powerStatusText, g(" 重启11时0分0秒"));

    clock.set(2019, 1, 26, 10, 0, 0);
    page->时钟2->fire();
    page->时钟3->fire();
    EXPECT_TRUE(power.requests.empty());
    clock.set(2019, 1, 26, 11, 0, 0);
    page->时钟2->fire();
    page->时钟3->fire();
    EXPECT_EQ(power.requests, (std::vector{PowerMode::ShutDown, PowerMode::Restart}));
}

TEST_F(PowerPageTest, CancelledQuestionStillRetargetsAnArmedAction) {
    clock.set(2019, 1, 26, 9, 0, 0);
    selectPowerTime(10, 0, 0);
    page->按钮3->click();
    selectPowerTime(12, 0, 0);
    dialogs.messageAnswers = {MessageAnswer::Cancel};
    page->按钮4->click();
    EXPECT_EQ(state.powerStatusText, g("  关机10时0分0秒")); // the status still says 10
    clock.set(2019, 1, 26, 10, 0, 0);
    page->时钟2->fire();
    EXPECT_TRUE(power.requests.empty());
    clock.set(2019, 1, 26, 12, 0, 0);
    page->时钟2->fire();
    EXPECT_EQ(power.requests, std::vector{PowerMode::ShutDown});
    EXPECT_EQ(page->时钟3->period(), 0);
}

TEST_F(PowerPageTest, ListWithoutSelectionReadsMinusOneAndNeverComesDue) {
    page->时钟7->setPeriod(0);
    selectPowerTime(-1, 30, 0);
    page->按钮3->click();
    EXPECT_EQ(dialogs.boxes().front().text, g("是否设置在-1时30分0秒 关机？"));
    EXPECT_EQ(state.powerStatusText, g("  关机-1时30分0秒"));
    for (int hour = 0; hour < 24; ++hour) {
        clock.setTime(hour, 30, 0);
        page->时钟2->fire();
    }
    EXPECT_TRUE(power.requests.empty());
}

TEST_F(PowerPageTest, FailedTimedRequestIsNotReportedAndComesAgainTheNextDay) {
    power.answer = false;
    clock.set(2019, 1, 26, 9, 0, 0);
    selectPowerTime(9, 30, 0);
    page->按钮3->click();
    const auto boxesAfterArming = dialogs.boxes().size();
    clock.setTime(9, 30, 0);
    page->时钟2->fire();
    clock.set(2019, 1, 27, 9, 30, 0);
    page->时钟2->fire();
    EXPECT_EQ(power.requests, (std::vector{PowerMode::ShutDown, PowerMode::ShutDown}));
    EXPECT_EQ(dialogs.boxes().size(), boxesAfterArming);
}

// Each group of three lists follows the clock on its own timer until the user picks an item
// in one of them; the other group keeps following.
struct FollowCase {
    const char* name;
    bool alarmLists;
};

class FollowTest : public PowerPageTest, public ::testing::WithParamInterface<FollowCase> {
protected:
    bool alarm() const { return GetParam().alarmLists; }
    QComboBox* hour() const { return alarm() ? page->组合框时1 : page->组合框时; }
    QComboBox* minute() const { return alarm() ? page->组合框分1 : page->组合框分; }
    QComboBox* second() const { return alarm() ? page->组合框秒1 : page->组合框秒; }
    FormTimer* follower() const { return alarm() ? page->时钟6 : page->时钟7; }
    FormTimer* otherFollower() const { return alarm() ? page->时钟7 : page->时钟6; }
};

TEST_P(FollowTest, ListsFollowTheClockUntilTheFirstPick) {
    clock.setTime(13, 14, 15);
    follower()->fire();
    EXPECT_EQ(hour()->currentIndex(), 13);
    EXPECT_EQ(minute()->currentIndex(), 14);
    EXPECT_EQ(second()->currentIndex(), 15);
    EXPECT_EQ(follower()->period(), 1000); // selecting by program is no pick

    QTest::keyClick(minute(), Qt::Key_Down); // the user picks 15 minutes
    EXPECT_EQ(follower()->period(), 0);
    EXPECT_EQ(otherFollower()->period(), 1000);
    EXPECT_EQ(minute()->currentData().toInt(), 15);
    clock.setTime(20, 0, 0);
    otherFollower()->fire();
    EXPECT_EQ(minute()->currentIndex(), 15);
}

INSTANTIATE_TEST_SUITE_P(Lists, FollowTest,
                         ::testing::Values(FollowCase{"power_lists", false},
                                           FollowCase{"alarm_lists", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PowerPageTest, ArmingWhileFollowingArmsTheShownTimeWhichIsAlreadyPast) {
    clock.set(2019, 1, 26, 13, 14, 15);
    page->时钟7->fire();
    clock.advanceMs(300);
    page->按钮3->click();
    EXPECT_EQ(page->schedule().target(), (TimeOfDay{13, 14, 15}));
    tickAfterOneSecond(page->时钟2);
    EXPECT_TRUE(power.requests.empty());
    clock.set(2019, 1, 27, 13, 14, 15);
    page->时钟2->fire();
    EXPECT_EQ(power.requests, std::vector{PowerMode::ShutDown});
}

TEST_F(PowerPageTest, ListsMovingDuringTheQuestionDoNotChangeWhatIsArmed) {
    clock.setTime(8, 0, 0);
    page->时钟7->fire();
    dialogs.duringCall = [this](const DialogCall& call) {
        if (call.kind == DialogCall::Message) {
            clock.advanceMs(2'000);
            page->时钟7->fire(); // ticks while the question is open
        }
    };
    page->按钮4->click();
    EXPECT_EQ(page->组合框秒->currentIndex(), 2);
    EXPECT_EQ(page->schedule().target(), (TimeOfDay{8, 0, 0}));
    EXPECT_EQ(state.powerStatusText, g(" 重启8时0分0秒"));
}

// The alarm ---------------------------------------------------------------------------------

class AlarmTest : public PowerPageTest {
protected:
    // Sets the alarm for h:m:s with the reminder `text`, all boxes answered OK.
    void setAlarm(int h, int m, int s, const char* text) {
        page->时钟6->setPeriod(0);
        selectAlarmTime(h, m, s);
        dialogs.inputAnswers = {g(text)};
        page->按钮6->click();
        dialogs.calls.clear();
    }
    std::vector<DialogCall> reminders() const {
        std::vector<DialogCall> result;
        for (const DialogCall& call : dialogs.callsOf(DialogCall::Message)) {
            if (call.title == g("提示信息：")) {
                result.push_back(call);
            }
        }
        return result;
    }
};

TEST_F(AlarmTest, SettingAsksForTheReminderConfirmsAndShowsTheStatus) {
    selectAlarmTime(7, 5, 0);
    dialogs.inputAnswers = {g("起床")};
    page->按钮6->click();

    const auto boxes = dialogs.boxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, g("是否要设置定时铃声？"));
    EXPECT_EQ(boxes[0].title, g("提示："));
    EXPECT_EQ(boxes[0].style, MessageStyle::OkCancel);
    EXPECT_EQ(boxes[1].kind, DialogCall::Input);
    EXPECT_EQ(boxes[1].text, g("请输入提醒内容"));
    EXPECT_EQ(boxes[1].title, g("提示闹钟"));
    EXPECT_EQ(boxes[2].kind, DialogCall::Timed);
    EXPECT_EQ(boxes[2].text, g("设置铃声成功"));
    EXPECT_EQ(boxes[2].title, g("设置提醒："));
    EXPECT_EQ(boxes[2].style, MessageStyle::IconInformation);
    EXPECT_EQ(boxes[2].timeoutMs, 350);
    EXPECT_EQ(boxes[2].owner, page.get());
    EXPECT_EQ(page->时钟4->period(), 1000);
    EXPECT_EQ(page->时钟6->period(), 1000); // setting does not stop the lists
    EXPECT_EQ(state.alarmStatusText, g("铃声：7：5：0"));
    EXPECT_EQ(page->alarm().reminderText(), g("起床"));
}

TEST_F(AlarmTest, RingsAtItsSecondOnlyKeepsRingingAndRingsAgainNextDay) {
    clock.set(2019, 1, 26, 7, 0, 0);
    setAlarm(7, 5, 0, "");
    clock.setTime(7, 4, 59);
    page->时钟4->fire();
    EXPECT_FALSE(sound.playing);

    tickAfterOneSecond(page->时钟4); // 7:05:00
    EXPECT_TRUE(sound.playing);
    EXPECT_EQ(sound.lastClip, kRingtoneClip);
    ASSERT_EQ(reminders().size(), 1u);
    EXPECT_EQ(reminders()[0].text, "");
    EXPECT_EQ(reminders()[0].style, MessageStyle::Ok);

    tickAfterOneSecond(page->时钟4); // 7:05:01: the box is closed, the ringing goes on
    EXPECT_EQ(reminders().size(), 1u);
    EXPECT_EQ(sound.starts, 1);
    EXPECT_TRUE(sound.playing);

    clock.set(2019, 1, 27, 7, 5, 0);
    page->时钟4->fire();
    EXPECT_EQ(reminders().size(), 2u);
    EXPECT_EQ(sound.starts, 2);

    page->按钮7->click();
    EXPECT_FALSE(sound.playing);
}

TEST_F(AlarmTest, ReminderShowsTheEnteredText) {
    clock.set(2019, 1, 26, 6, 0, 0);
    setAlarm(6, 30, 0, "开会");
    clock.setTime(6, 30, 0);
    page->时钟4->fire();
    ASSERT_EQ(reminders().size(), 1u);
    EXPECT_EQ(reminders()[0].text, g("开会"));
}

TEST_F(AlarmTest, TickWhileTheReminderIsOpenDoesNotRingAgain) {
    clock.set(2019, 1, 26, 7, 4, 59);
    setAlarm(7, 5, 0, "x");
    int nested = 0;
    dialogs.duringCall = [&](const DialogCall& call) {
        if (call.kind == DialogCall::Message && nested++ < 3) {
            tickAfterOneSecond(page->时钟4); // the reminder stays open for seconds
        }
    };
    tickAfterOneSecond(page->时钟4);
    EXPECT_EQ(reminders().size(), 1u);
    EXPECT_EQ(sound.starts, 1);
}

TEST_F(AlarmTest, CancelSilencesClearsTheStatusAndFollowsTheClockAgain) {
    clock.set(2019, 1, 26, 7, 0, 0);
    setAlarm(7, 0, 1, "x");
    tickAfterOneSecond(page->时钟4);
    ASSERT_TRUE(sound.playing);
    dialogs.calls.clear();

    page->按钮7->click();
    EXPECT_FALSE(sound.playing);
    EXPECT_EQ(page->时钟4->period(), 0);
    EXPECT_EQ(page->时钟6->period(), 1000);
    EXPECT_EQ(state.alarmStatusText, "");
    const auto boxes = dialogs.boxes();
    ASSERT_EQ(boxes.size(), 1u); // no question
    EXPECT_EQ(boxes[0].kind, DialogCall::Timed);
    EXPECT_EQ(boxes[0].text, g("取消铃声成功"));
    EXPECT_EQ(boxes[0].title, g("取消提醒"));
    EXPECT_EQ(boxes[0].style, MessageStyle::Ok);
    EXPECT_EQ(boxes[0].timeoutMs, 350);

    clock.setTime(13, 14, 15);
    page->时钟6->fire();
    EXPECT_EQ(page->组合框时1->currentIndex(), 13);
    EXPECT_EQ(page->组合框秒1->currentIndex(), 15);
}

TEST_F(AlarmTest, CancelWithoutAnAlarmStillConfirms) {
    state.alarmStatusText = "stale";
    page->按钮7->click();
    EXPECT_EQ(state.alarmStatusText, "");
    EXPECT_EQ(sound.stops, 1);
    ASSERT_EQ(dialogs.boxes().size(), 1u);
    EXPECT_EQ(dialogs.boxes()[0].text, g("取消铃声成功"));
}

TEST_F(AlarmTest, CancelOnTheQuestionChangesNothing) {
    selectAlarmTime(7, 5, 0);
    dialogs.messageAnswers = {MessageAnswer::Cancel};
    page->按钮6->click();
    EXPECT_EQ(page->时钟4->period(), 0);
    EXPECT_EQ(dialogs.boxes().size(), 1u);
    EXPECT_EQ(state.alarmStatusText, "");
    EXPECT_EQ(page->alarm().time(), (TimeOfDay{0, 0, 0}));
}

TEST_F(AlarmTest, CancelInTheInputBoxKeepsThePreviousTextAndTheAlarmSet) {
    setAlarm(7, 5, 0, "old");
    selectAlarmTime(8, 0, 0);
    dialogs.inputAnswers = {std::nullopt};
    page->按钮6->click();
    EXPECT_EQ(page->alarm().reminderText(), "old");
    EXPECT_EQ(page->alarm().time(), (TimeOfDay{8, 0, 0}));
    EXPECT_EQ(page->时钟4->period(), 1000);
    EXPECT_EQ(state.alarmStatusText, g("铃声：8：0：0"));
}

TEST_F(AlarmTest, SettingWhileFollowingSetsTheShownTimeFirstRingingNextDay) {
    clock.set(2019, 1, 26, 6, 45, 10);
    page->时钟6->fire();
    clock.advanceMs(400);
    page->按钮6->click();
    EXPECT_EQ(page->alarm().time(), (TimeOfDay{6, 45, 10}));
    tickAfterOneSecond(page->时钟4);
    EXPECT_FALSE(sound.playing);
    clock.set(2019, 1, 27, 6, 45, 10);
    page->时钟4->fire();
    EXPECT_TRUE(sound.playing);
}

TEST_F(AlarmTest, ListWithoutSelectionShowsMinusOneAndNeverRings) {
    page->时钟6->setPeriod(0);
    selectAlarmTime(7, -1, 0);
    page->按钮6->click();
    EXPECT_EQ(state.alarmStatusText, g("铃声：7：-1：0"));
    for (int minute = 0; minute < 60; ++minute) {
        clock.setTime(7, minute, 0);
        page->时钟4->fire();
    }
    EXPECT_FALSE(sound.playing);
}

} // namespace
