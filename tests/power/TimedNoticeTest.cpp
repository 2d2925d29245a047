#include "power/TimedNotice.h"
#include "power/ProcessWindow.h"

#include "WidgetTest.h"
#include "common/Codec.h"

#include <QCoreApplication>
#include <QMenu>
#include <QWidget>

namespace {

Text g(const char* utf8) {
    return gbkFromUtf8(utf8);
}

class TimedNoticeTest : public WidgetTest {
protected:
    QWidget* findOwner() {
        ++ownerSearches;
        return findProcessWindow(QCoreApplication::applicationPid(), dialogs, clock);
    }
    NoticeOwnerFinder finder() {
        return [this] { return findOwner(); };
    }
    int ownerSearches = 0;
};

TEST_F(TimedNoticeTest, DefaultsAreAnOkBoxFriendlyReminderFiveSecondsOwnedByTheProgram) {
    QWidget window;
    window.show();
    const int answer = showTimedNotice(dialogs, finder(), g("你好"));
    ASSERT_EQ(dialogs.boxes().size(), 1u);
    const DialogCall notice = dialogs.boxes()[0];
    EXPECT_EQ(notice.kind, DialogCall::Timed);
    EXPECT_EQ(notice.text, g("你好"));
    EXPECT_EQ(notice.title, g("友情提醒"));
    EXPECT_EQ(notice.style, MessageStyle::Ok);
    EXPECT_EQ(notice.timeoutMs, 5000);
    EXPECT_EQ(notice.owner, &window);
    EXPECT_EQ(answer, TimedAnswer::TimedOut - 1);
}

TEST_F(TimedNoticeTest, AnsweredNoticeGivesTheButtonAsAMessageBoxAnswer) {
    QWidget window;
    window.show();
    dialogs.timedAnswers = {MessageAnswer::Ok + 1};
    EXPECT_EQ(showTimedNotice(dialogs, finder(), "x"), MessageAnswer::Ok);
}

TEST_F(TimedNoticeTest, GivenOwnerEvenNoneIsUsedWithoutSearching) {
    QWidget window;
    window.show();
    showTimedNotice(dialogs, finder(), "x", {.owner = nullptr});
    EXPECT_EQ(ownerSearches, 0);
    EXPECT_EQ(dialogs.boxes()[0].owner, nullptr);
}

TEST_F(TimedNoticeTest, SearchSkipsHiddenWindowsAndMenus) {
    QWidget hidden;
    QMenu menu;
    menu.addAction("a");
    menu.popup(QPoint(10, 10));
    QWidget shown;
    shown.show();
    EXPECT_EQ(findOwner(), &shown);
    menu.close();
}

TEST_F(TimedNoticeTest, SearchWaitsWithEventsUntilAWindowIsShown) {
    QWidget window;
    int waits = 0;
    dialogs.duringCall = [&](const DialogCall& call) {
        ASSERT_EQ(call.kind, DialogCall::Wait); // never a bare pump, which would spin
        EXPECT_GT(call.timeoutMs, 0);
        if (++waits == 3) {
            window.show();
        }
    };
    EXPECT_EQ(findOwner(), &window);
    EXPECT_EQ(waits, 3);
}

TEST_F(TimedNoticeTest, WithoutAWindowTheNoticeIsShownUnownedAfterTheLimit) {
    const std::int64_t start = clock.uptimeMs();
    dialogs.duringCall = [&](const DialogCall& call) {
        if (call.kind == DialogCall::Wait) {
            clock.advanceMs(1'000'000);
        }
    };
    showTimedNotice(dialogs, finder(), "x", {.timeoutMs = 350});
    const auto notices = dialogs.callsOf(DialogCall::Timed);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].owner, nullptr);
    // 31,536,000 ms and not one wait less.
    EXPECT_GE(clock.uptimeMs() - start, 31'536'000);
    EXPECT_LT(clock.uptimeMs() - start, 31'536'000 + 2'000'000);
}

} // namespace
