#include "app/SplashWindow.h"

#include "app/ShapeBox.h"

#include "WidgetTest.h"
#include "common/Codec.h"
#include "common/FormTimer.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

class SplashWindowTest : public WidgetTest {
protected:
    int mainWindowOpened = 0;
    SplashWindow splash{state, dialogs, [this] { ++mainWindowOpened; }};

    std::vector<int> waitTimes() const {
        std::vector<int> times;
        for (const DialogCall& call : dialogs.callsOf(DialogCall::Wait)) {
            times.push_back(call.timeoutMs);
        }
        return times;
    }

    void expectFadeFinished() {
        EXPECT_EQ(state.fadeLevel, 253);
        EXPECT_EQ(splash.titleColour(), QColor(255, 253, 253));
        EXPECT_DOUBLE_EQ(splash.windowOpacity(), 1.0);
        EXPECT_EQ(splash._初始化时钟->period(), 0);
    }
};

TEST_F(SplashWindowTest, IsLoadedHiddenWithItsFormAndRunningTimers) {
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(splash.size(), QSize(448, 252));
    EXPECT_EQ(splash.时钟1->period(), 10);
    EXPECT_EQ(splash._初始化时钟->period(), 1);
    EXPECT_EQ(splash.dotLefts(), (DotLefts{264, 240, 216, 192, 168}));
    EXPECT_EQ(splash.透明标签2->text(), QString::fromUtf8("正在验证..."));
    EXPECT_EQ(splash.透明标签2->geometry(), QRect(16, 224, 424, 16));
    EXPECT_EQ(splash.透明标签1->text(), "LOVE YOU");
    EXPECT_EQ(splash.透明标签1->geometry(), QRect(88, 72, 288, 78));
}

TEST_F(SplashWindowTest, FadeShowsTheWindowAndEndsWhiteAfter78Waits) {
    splash.fadeTitle();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_EQ(waitTimes(), std::vector<int>(78, 10));
    expectFadeFinished();
}

TEST_F(SplashWindowTest, NestedFadeRunsGiveTheSameEndState) {
    int nested = 0;
    dialogs.duringCall = [&](const DialogCall& call) {
        // A tick delivered during the waits enters the routine again, several levels deep.
        if (call.kind == DialogCall::Wait && nested < 3) {
            ++nested;
            splash.fadeTitle();
        }
    };
    splash.fadeTitle();
    EXPECT_EQ(nested, 3);
    EXPECT_EQ(waitTimes().size(), 78u) << "the shared level is never stepped twice";
    expectFadeFinished();
    // A late tick after the end changes nothing.
    splash.fadeTitle();
    EXPECT_EQ(waitTimes().size(), 78u);
    expectFadeFinished();
}

TEST_F(SplashWindowTest, StatusTextsStepThenTheMainWindowOpens) {
    splash.show();
    std::vector<QString> shown;
    dialogs.duringCall = [&](const DialogCall& call) {
        if (call.kind == DialogCall::Wait) {
            shown.push_back(splash.透明标签2->text());
        }
    };
    splash.showStatusTexts();
    const std::vector<QString> expected{
        QString::fromUtf8("正在验证..."), QString::fromUtf8("正在启动..."),
        QString::fromUtf8("正在读取..."), QString::fromUtf8("正在初始化..."),
        QString::fromUtf8("准备就绪。")};
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(waitTimes(), std::vector<int>(5, 10));
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(mainWindowOpened, 1);
}

TEST_F(SplashWindowTest, ChangedStatusTextOpensNothing) {
    splash.show();
    dialogs.duringCall = [&](const DialogCall& call) {
        if (call.kind == DialogCall::Wait &&
            splash.透明标签2->text() == QString::fromUtf8("准备就绪。")) {
            splash.透明标签2->setText("x");
        }
    };
    splash.showStatusTexts();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_EQ(mainWindowOpened, 0);
}

TEST_F(SplashWindowTest, FirstShowRunsTheStatusRoutineOnce) {
    splash.fadeTitle(); // shows the window, as the first fade tick does
    QTRY_COMPARE_WITH_TIMEOUT(mainWindowOpened, 1, 3000);
    splash.show();
    splash.activateWindow();
    QTest::qWait(50);
    EXPECT_EQ(mainWindowOpened, 1);
}

TEST_F(SplashWindowTest, DotTimerMovesTheShapeBoxes) {
    splash.时钟1->fire();
    EXPECT_EQ(splash.dotLefts(), (DotLefts{266, 242, 218, 194, 170}));
    EXPECT_EQ(splash.外形框3->y(), 172) << "only the left edges change";
}

TEST_F(SplashWindowTest, DotsRestWhileTheSplashIsHiddenAndGoOnWhenShown) {
    splash.show();
    EXPECT_EQ(splash.时钟1->period(), 10);
    splash.时钟1->fire();
    splash.hide();
    EXPECT_EQ(splash.时钟1->period(), 0);
    splash.show();
    EXPECT_EQ(splash.时钟1->period(), 10);
    EXPECT_EQ(splash.dotLefts(), (DotLefts{266, 242, 218, 194, 170}));
}

TEST_F(SplashWindowTest, EscClosesTheSplash) {
    splash.show();
    QTest::keyClick(&splash, Qt::Key_Escape);
    EXPECT_FALSE(splash.isVisible());
}
