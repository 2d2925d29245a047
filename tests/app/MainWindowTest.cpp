#include "app/MainWindow.h"

#include "WidgetTest.h"
#include "app/GraphicButton.h"
#include "app/Navigation.h"
#include "app/PageButton.h"
#include "batch/BatchPage.h"
#include "common/Codec.h"
#include "common/FormTimer.h"
#include "power/PowerPage.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTest>

class MainWindowTest : public WidgetTest {};

TEST_F(MainWindowTest, CreationSequenceLeavesTheWindowReady) {
    state.powerStatusText = "stale";
    state.alarmStatusText = "stale";
    MainWindow window(services);
    EXPECT_EQ(window.size(), QSize(500, 320));
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("“Quorvell^Milvo”"));
    EXPECT_NEAR(window.windowOpacity(), 225 / 255.0, 0.002);
    EXPECT_TRUE(state.powerStatusText.empty());
    EXPECT_TRUE(state.alarmStatusText.empty());
    EXPECT_EQ(window.选择夹2->currentIndex(), 0);
    EXPECT_EQ(window.滑块->x(), 70);
    ASSERT_NE(window.trayIcon, nullptr);
    EXPECT_EQ(window.trayIcon->toolTip(), "Halvane");
    EXPECT_FALSE(window.trayIcon->icon().isNull());
    EXPECT_EQ(window.时钟1->period(), 1000);
    EXPECT_EQ(window.batchPage->时钟8->period(), 0);
    EXPECT_FALSE(window.batchPage->进度条1->isVisibleTo(window.batchPage));
    EXPECT_FALSE(window.batchPage->标签进度条->isVisibleTo(window.batchPage));
    EXPECT_EQ(window.powerPage->标签5导航->text(), QString::fromUtf8("当前："));
}

TEST_F(MainWindowTest, EveryWindowLevelControlStandsAtItsFormPlace) {
    MainWindow window(services);
    struct Place {
        const char* name;
        QRect geometry;
    };
    const Place places[] = {
        {"图片框1", {0, 0, 500, 320}},      {"超级按钮1", {70, 16, 50, 25}},
        {"超级按钮2", {130, 16, 50, 25}},   {"超级按钮3", {190, 16, 50, 25}},
        {"超级按钮5", {250, 16, 50, 25}},   {"超级按钮6", {310, 16, 50, 25}},
        {"超级按钮4", {370, 16, 50, 25}},   {"滑块", {70, 40, 50, 3}},
        {"图片框3", {60, 40, 440, 10}},     {"选择夹2", {60, 40, 440, 280}},
        {"图形按钮1", {433, 8, 30, 30}},    {"图形按钮2", {469, 8, 30, 30}},
        {"图形按钮8", {0, 200, 60, 60}},    {"图形按钮3", {0, 260, 60, 60}},
        {"标签5导航", {2, 10, 435, 24}},    {"组合框1", {12, 16, 416, 20}},
        {"超级列表框1", {0, 10, 430, 254}}, {"编辑框结果", {75, 220, 255, 30}},
        {"按钮9", {356, 250, 75, 25}},      {"滑块条1", {-4, 48, 449, 28}},
    };
    for (const Place& place : places) {
        auto* control = window.findChild<QWidget*>(QString::fromUtf8(place.name));
        ASSERT_NE(control, nullptr) << place.name;
        EXPECT_EQ(control->geometry(), place.geometry) << place.name;
    }
    // The page buttons 5 and 6 stand on the window itself, the others on the background.
    EXPECT_EQ(window.超级按钮5->parentWidget(), &window);
    EXPECT_EQ(window.超级按钮1->parentWidget(), window.图片框1);
    const QStringList pages{"定时关机", "批量操作", "备忘笔记", "简单计算", "有待完善", "其他设置"};
    ASSERT_EQ(window.选择夹2->count(), 6);
    for (int page = 0; page < 6; ++page) {
        EXPECT_EQ(window.选择夹2->tabText(page), pages[page]);
    }
}

TEST_F(MainWindowTest, PageButtonsShowTheirPageAndMoveTheBar) {
    MainWindow window(services);
    PageButton* buttons[] = {window.超级按钮1, window.超级按钮2, window.超级按钮3,
                             window.超级按钮5, window.超级按钮6, window.超级按钮4};
    for (std::size_t i = 0; i < kPageButtons.size(); ++i) {
        buttons[i]->click();
        EXPECT_EQ(window.选择夹2->currentIndex(), kPageButtons[i].page) << kPageButtons[i].name;
        EXPECT_EQ(window.滑块->pos(), QPoint(kPageButtons[i].left, 40)) << kPageButtons[i].name;
        buttons[i]->click(); // the page already shown: nothing changes
        EXPECT_EQ(window.选择夹2->currentIndex(), kPageButtons[i].page);
        EXPECT_EQ(window.滑块->x(), kPageButtons[i].left);
    }
    EXPECT_EQ(window.选择夹2->currentWidget()->objectName(), QString::fromUtf8("其他设置"));
}

TEST_F(MainWindowTest, ClockLineShowsTimeAndBothStatusTexts) {
    MainWindow window(services);
    clock.set(2019, 1, 26, 9, 5, 7);
    window.时钟1->fire();
    EXPECT_EQ(fromQt(window.powerPage->标签5导航->text()), "当前：2019年1月26日9时5分7秒 "_gbk);
    state.powerStatusText = gbkFromUtf8(" 重启11时0分0秒");
    state.alarmStatusText = gbkFromUtf8("铃声：7：5：0");
    clock.setTime(12, 0, 0);
    window.时钟1->fire();
    EXPECT_EQ(window.powerPage->标签5导航->text(),
              QString::fromUtf8("当前：2019年1月26日12时 重启11时0分0秒 铃声：7：5：0"));
}

TEST_F(MainWindowTest, TrayEvents) {
    MainWindow window(services);
    window.move(10, 20);
    window.hide();
    window.handleTrayEvent(TrayEvent::Click);
    EXPECT_FALSE(window.isVisible()) << "a single click does nothing";
    window.handleTrayEvent(TrayEvent::DoubleClick);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.pos(), QPoint(10, 20)) << "a double click only makes it visible";
    window.handleTrayEvent(TrayEvent::Context);
    EXPECT_TRUE(window.托盘菜单->isVisible());
    QStringList items;
    for (QAction* action : window.托盘菜单->actions()) {
        items << action->text();
    }
    EXPECT_EQ(items, (QStringList{"显示窗口", "退出软件", "恢复透明度"}));
    window.托盘菜单->close();
}

TEST_F(MainWindowTest, ShowWindowRestoresAndCentresOnTheWholeScreen) {
    MainWindow window(services);
    window.show();
    window.move(0, 0);
    window.showMinimized();
    window.显示窗口->trigger();
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isMinimized());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(window.pos(), QPoint((screen.width() - 500) / 2, (screen.height() - 320) / 2));
}

TEST_F(MainWindowTest, ExitConfirmationEndsOnOkOnly) {
    MainWindow window(services);
    dialogs.messageAnswers = {MessageAnswer::Cancel};
    window.图形按钮3->click();
    EXPECT_EQ(endProgramCalls, 0) << "Cancel leaves everything running";
    ASSERT_EQ(dialogs.boxes().size(), 1u);
    const DialogCall question = dialogs.boxes().front();
    EXPECT_EQ(question.text, "真的要退出吗？"_gbk);
    EXPECT_EQ(question.title, "提示信息"_gbk);
    EXPECT_EQ(question.style, MessageStyle::OkCancel);
    EXPECT_EQ(window.时钟1->period(), 1000);

    dialogs.messageAnswers = {MessageAnswer::Ok};
    window.图形按钮3->click();
    EXPECT_EQ(endProgramCalls, 1);
}

TEST_F(MainWindowTest, CloseButtonAndTrayItemEndWithoutAsking) {
    MainWindow window(services);
    window.图形按钮2->click();
    window.退出软件->trigger();
    EXPECT_EQ(endProgramCalls, 2);
    EXPECT_TRUE(dialogs.boxes().empty());
}

TEST_F(MainWindowTest, MinimiseAndRestoreOpacity) {
    MainWindow window(services);
    window.show();
    window.图形按钮1->click();
    EXPECT_TRUE(window.isMinimized());
    window.恢复透明度->trigger();
    EXPECT_DOUBLE_EQ(window.windowOpacity(), 1.0);
}

TEST_F(MainWindowTest, EscClosesTheWindow) {
    MainWindow window(services);
    window.show();
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MainWindowTest, DraggingAnyPointOfTheSurfaceMovesTheWindow) {
    MainWindow window(services);
    window.show();
    window.move(100, 100);
    // The background picture ignores the press, which reaches the window.
    QTest::mousePress(window.图片框1, Qt::LeftButton, {}, QPoint(20, 150));
    QTest::mouseMove(window.图片框1, QPoint(60, 170));
    QTest::mouseRelease(window.图片框1, Qt::LeftButton, {}, QPoint(60, 170));
    EXPECT_EQ(window.pos(), QPoint(140, 120));
}

TEST_F(MainWindowTest, OwnerDrawnAndGraphicButtonsKeepTheirAccessibleNames) {
    MainWindow window(services);
    window.show();
    struct Named {
        QWidget* control;
        const char* name;
    };
    const Named named[] = {
        {window.超级按钮1, "定时关机"}, {window.超级按钮6, "聊天辅助"},
        {window.超级按钮4, "其他设置"}, {window.图形按钮1, "最小化"},
        {window.图形按钮2, "退出"},     {window.图形按钮3, "询问后退出"},
    };
    for (const Named& entry : named) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(entry.control);
        ASSERT_NE(accessible, nullptr) << entry.name;
        EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromUtf8(entry.name));
        EXPECT_EQ(accessible->role(), QAccessible::Button) << entry.name;
        EXPECT_TRUE(accessible->actionInterface()) << entry.name << " can be pressed";
    }
    EXPECT_EQ(window.图形按钮2->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(window.超级按钮1->font().pixelSize(), 12);
    EXPECT_EQ(window.超级按钮1->font().family(), QString::fromUtf8("楷体"));
}
