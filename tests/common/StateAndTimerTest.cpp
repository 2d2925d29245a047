#include "common/FormTimer.h"
#include "common/ProgramState.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(ProgramState, ReleaseGlobalsClearsEverythingOnce) {
    ProgramState state;
    state.powerStatusText = "  x";
    state.alarmStatusText = "y";
    state.cellHitInfo.row = 4;
    state.pressedCellRectangle.right = 9;
    EXPECT_FALSE(state.released());
    state.releaseGlobals();
    EXPECT_TRUE(state.released());
    EXPECT_TRUE(state.powerStatusText.empty());
    EXPECT_TRUE(state.alarmStatusText.empty());
    EXPECT_EQ(state.cellHitInfo.row, 0);
    EXPECT_EQ(state.pressedCellRectangle.right, 0);
    state.powerStatusText = "later";
    state.releaseGlobals(); // the second call has nothing to do
    EXPECT_EQ(state.powerStatusText, "later");
}

void runEventsFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

TEST(FormTimer, PeriodRules) {
    QObject owner;
    FormTimer timer("时钟2", 0, &owner);
    EXPECT_EQ(timer.objectName(), QString::fromUtf8("时钟2"));
    EXPECT_FALSE(timer.isRunning());
    timer.setPeriod(1000);
    EXPECT_TRUE(timer.isRunning());
    EXPECT_EQ(timer.period(), 1000);
    timer.setPeriod(-5);
    EXPECT_EQ(timer.period(), 0);
    EXPECT_FALSE(timer.isRunning());
}

TEST(FormTimer, WritingTheSamePeriodDoesNotRestart) {
    QObject owner;
    FormTimer timer("t", 60, &owner);
    int ticks = 0;
    QObject::connect(&timer, &FormTimer::tick, [&] { ++ticks; });
    // Rewriting the period every 20 ms would starve a timer that restarts on each write.
    QTimer rewriter;
    QObject::connect(&rewriter, &QTimer::timeout, [&] { timer.setPeriod(60); });
    rewriter.start(20);
    runEventsFor(400);
    EXPECT_GE(ticks, 3);
}

TEST(FormTimer, WritingAnotherPeriodRestartsAndZeroStops) {
    QObject owner;
    FormTimer timer("t", 30, &owner);
    int ticks = 0;
    QObject::connect(&timer, &FormTimer::tick, [&] { ++ticks; });
    timer.setPeriod(0);
    runEventsFor(120);
    EXPECT_EQ(ticks, 0);
    timer.setPeriod(20);
    runEventsFor(150);
    EXPECT_GE(ticks, 3);
}

TEST(FormTimer, HandlerThatWaitsIsEnteredAgainByTheNextTick) {
    QObject owner;
    FormTimer timer("t", 5, &owner);
    int depth = 0;
    int deepest = 0;
    int entries = 0;
    QObject::connect(&timer, &FormTimer::tick, [&] {
        ++entries;
        ++depth;
        deepest = std::max(deepest, depth);
        if (entries < 4) {
            runEventsFor(40); // a wait that lets events run, as a message box does
        } else {
            timer.setPeriod(0);
        }
        --depth;
    });
    runEventsFor(400);
    EXPECT_GE(deepest, 2);
    EXPECT_FALSE(timer.isRunning());
}

} // namespace
