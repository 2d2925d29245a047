// The notice and the waits on the real dialogs, timed with the real clock. Each wait must let
// timers run and leave the processor idle; a loop that spins would show here as processor
// time close to the time waited.

#include "power/ProcessWindow.h"
#include "power/TimedNotice.h"

#include "common/Clock.h"
#include "common/FormTimer.h"
#include "common/QtDialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <ctime>
#include <iostream>

namespace {

double processCpuMs() {
    timespec spent{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &spent);
    return static_cast<double>(spent.tv_sec) * 1e3 + static_cast<double>(spent.tv_nsec) / 1e6;
}

// A wait that ends by a timer's doing: processor time spent and time passed, from a start
// after the first `settleMs` (the box being laid out and drawn once is not waiting).
struct Span {
    double cpuMs = 0;
    double wallMs = 0;
    double percent() const { return wallMs > 0 ? 100.0 * cpuMs / wallMs : 0; }
};

class NoticeTimingTest : public ::testing::Test {
protected:
    void SetUp() override {
        owner.show();
        // Closes a box left open by a fault, so the test fails instead of hanging.
        safety.setSingleShot(true);
        QObject::connect(&safety, &QTimer::timeout, [] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ADD_FAILURE() << "a box was still open after 20 s";
                modal->reject();
            }
        });
        safety.start(20'000);
    }

    // Measures from `settleMs` after the start until `closeAfterMs`, when `close` runs.
    template <typename Close> void measureWhileOpen(int settleMs, int closeAfterMs, Close close) {
        QTimer::singleShot(settleMs, Qt::PreciseTimer, [this] {
            startCpu_ = processCpuMs();
            wall_.start();
        });
        QTimer::singleShot(closeAfterMs, Qt::PreciseTimer, [this, close] {
            span.cpuMs = processCpuMs() - startCpu_;
            span.wallMs = static_cast<double>(wall_.nsecsElapsed()) / 1e6;
            close();
        });
    }

    static void closeModalBox() {
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            modal->reject();
        }
    }

    QtDialogs dialogs;
    SystemClock clock;
    QWidget owner;
    QTimer safety;
    Span span;

private:
    double startCpu_ = 0;
    QElapsedTimer wall_;
};

class NoticeClosesTest : public NoticeTimingTest, public ::testing::WithParamInterface<int> {};

TEST_P(NoticeClosesTest, ClosesByItselfAfterItsTimeoutWhileOtherTimersTick) {
    const int timeoutMs = GetParam();
    FormTimer other("时钟1", 20, nullptr);
    int ticks = 0;
    QObject::connect(&other, &FormTimer::tick, [&] { ++ticks; });

    QElapsedTimer elapsed;
    elapsed.start();
    const int answer =
        showTimedNotice(dialogs, [this] { return &owner; }, "notice", {.timeoutMs = timeoutMs});
    const double ms = static_cast<double>(elapsed.nsecsElapsed()) / 1e6;
    std::cout << "[ measured ] notice of " << timeoutMs << " ms closed after " << ms
              << " ms; a 20 ms timer ticked " << ticks << " times meanwhile\n";

    EXPECT_EQ(answer, TimedAnswer::TimedOut - 1);
    EXPECT_GE(ms, timeoutMs - 1);
    EXPECT_LE(ms, timeoutMs + 250); // generous for the sanitizer build on a busy machine
    EXPECT_GE(ticks, timeoutMs / 20 / 2);
}

INSTANTIATE_TEST_SUITE_P(Notice, NoticeClosesTest, ::testing::Values(350, 500),
                         [](const auto& info) { return std::to_string(info.param) + "ms"; });

// An idle process uses well under 1 % of a core; a wait that spins uses close to 100 %. The
// bound leaves room for a loaded test machine and the sanitizer build.
constexpr double kIdleBoundPercent = 5.0;

TEST_F(NoticeTimingTest, ProcessorStaysIdleWhileAMessageBoxIsOpen) {
    FormTimer clockLine("时钟1", 1000, nullptr);
    measureWhileOpen(300, 1800, [] { closeModalBox(); });
    dialogs.messageBox("open", "title", 0);
    std::cout << "[ measured ] message box open: " << span.percent() << " % of a core ("
              << span.cpuMs << " ms in " << span.wallMs << " ms)\n";
    EXPECT_GT(span.wallMs, 1000);
    EXPECT_LT(span.percent(), kIdleBoundPercent);
}

TEST_F(NoticeTimingTest, ProcessorStaysIdleWhileANoticeIsOpen) {
    measureWhileOpen(300, 1800, [] {});
    showTimedNotice(dialogs, [this] { return &owner; }, "notice", {.timeoutMs = 2'000});
    std::cout << "[ measured ] notice open: " << span.percent() << " % of a core (" << span.cpuMs
              << " ms in " << span.wallMs << " ms)\n";
    EXPECT_GT(span.wallMs, 1000);
    EXPECT_LT(span.percent(), kIdleBoundPercent);
}

TEST_F(NoticeTimingTest, ProcessorStaysIdleWhileTheOwnerSearchWaitsForAWindow) {
    owner.hide();
    measureWhileOpen(100, 1600, [this] { owner.show(); });
    QWidget* found = findProcessWindow(QCoreApplication::applicationPid(), dialogs, clock);
    std::cout << "[ measured ] owner search waiting: " << span.percent() << " % of a core ("
              << span.cpuMs << " ms in " << span.wallMs << " ms)\n";
    EXPECT_EQ(found, &owner);
    EXPECT_GT(span.wallMs, 1000);
    EXPECT_LT(span.percent(), kIdleBoundPercent);
}

} // namespace
