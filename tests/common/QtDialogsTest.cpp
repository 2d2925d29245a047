// The real dialogs, answered by a click from a timer as a user would.

#include "common/QtDialogs.h"
#include "common/Codec.h"
#include "common/InputBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs `act` on the modal dialog as soon as it is open.
void whenModalOpens(std::function<void(QWidget*)> act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            act(modal);
        }
    });
    poll->start(5);
}

QPushButton* buttonCaptioned(QWidget* dialog, const char* caption) {
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->text() == QString::fromUtf8(caption)) {
            return button;
        }
    }
    return nullptr;
}

struct AnswerCase {
    const char* name;
    int style;
    const char* press; // button caption, or nullptr to close the box
    int answer;
};

class MessageBoxAnswerTest : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(MessageBoxAnswerTest, AnswersWithTheProgramsCodes) {
    const AnswerCase& c = GetParam();
    QString title;
    whenModalOpens([&](QWidget* box) {
        title = box->windowTitle();
        if (c.press) {
            QPushButton* button = buttonCaptioned(box, c.press);
            ASSERT_NE(button, nullptr) << c.press;
            button->click();
        } else {
            box->close();
        }
    });
    QtDialogs dialogs;
    EXPECT_EQ(dialogs.messageBox("x", "", c.style), c.answer);
    EXPECT_EQ(title, QString::fromUtf8("信息：")) << "no title given";
}

INSTANTIATE_TEST_SUITE_P(
    QtDialogs, MessageBoxAnswerTest,
    ::testing::Values(
        AnswerCase{"ok_only", MessageStyle::Ok, "确定", MessageAnswer::Ok},
        AnswerCase{"ok_only_closed", MessageStyle::Ok, nullptr, MessageAnswer::Ok},
        AnswerCase{"ok_of_ok_cancel", MessageStyle::OkCancel, "确定", MessageAnswer::Ok},
        AnswerCase{"cancel", MessageStyle::OkCancel, "取消", MessageAnswer::Cancel},
        AnswerCase{"closed_is_cancel", MessageStyle::OkCancel, nullptr, MessageAnswer::Cancel},
        AnswerCase{"yes", MessageStyle::YesNo, "是(&Y)", MessageAnswer::Yes},
        AnswerCase{"no", MessageStyle::YesNo, "否(&N)", MessageAnswer::No}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QtDialogs, MessageBoxShowsTextTitleAndIcon) {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenModalOpens([&](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        ASSERT_NE(box, nullptr);
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        box->close();
    });
    QtDialogs().messageBox("保存失败"_gbk, "提示信息："_gbk,
                           MessageStyle::Ok | MessageStyle::IconWarning);
    EXPECT_EQ(text, QString::fromUtf8("保存失败"));
    EXPECT_EQ(title, QString::fromUtf8("提示信息："));
    EXPECT_EQ(icon, QMessageBox::Warning);
}

TEST(QtDialogs, InputBoxStoresOnlyWhenConfirmed) {
    QtDialogs dialogs;
    Text value = "before";
    QString title;
    whenModalOpens([&](QWidget* box) {
        title = box->windowTitle();
        EXPECT_NE(buttonCaptioned(box, "取消(&C)"), nullptr);
        box->findChild<QLineEdit*>()->setText(QString::fromUtf8("起床"));
        buttonCaptioned(box, "确认输入(&O)")->click();
    });
    EXPECT_TRUE(dialogs.inputBox("请输入提醒内容"_gbk, "提示闹钟"_gbk, value));
    EXPECT_EQ(value, "起床"_gbk);
    EXPECT_EQ(title, QString::fromUtf8("提示闹钟"));

    whenModalOpens([&](QWidget* box) {
        title = box->windowTitle();
        buttonCaptioned(box, "取消(&C)")->click();
    });
    EXPECT_FALSE(dialogs.inputBox("p", "", value));
    EXPECT_EQ(value, "起床"_gbk) << "Cancel stores nothing";
    EXPECT_EQ(title, QString::fromUtf8("请输入："));

    whenModalOpens([&](QWidget* box) { buttonCaptioned(box, "确认输入(&O)")->click(); });
    EXPECT_TRUE(dialogs.inputBox("p", "t", value));
    EXPECT_EQ(value, "") << "an empty entry is stored too";
}

TEST(QtDialogs, TimedBoxClosesByItselfWhileTimersTick) {
    QtDialogs dialogs;
    int ticks = 0;
    QTimer other;
    QObject::connect(&other, &QTimer::timeout, [&] { ++ticks; });
    other.start(20);
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_EQ(dialogs.timedMessageBox(nullptr, "t", "n", MessageStyle::Ok, 350),
              TimedAnswer::TimedOut);
    EXPECT_GE(elapsed.elapsed(), 340);
    EXPECT_LT(elapsed.elapsed(), 2000);
    EXPECT_GE(ticks, 5) << "other timers keep running while the box is open";

    whenModalOpens([&](QWidget* box) { buttonCaptioned(box, "确定")->click(); });
    EXPECT_EQ(dialogs.timedMessageBox(nullptr, "t", "n", MessageStyle::Ok, 5000), 1)
        << "OK pressed answers as the platform's OK";
}

TEST(QtDialogs, WaitWithEventsLetsEventsRunAndReturnsOnTime) {
    QtDialogs dialogs;
    int ticks = 0;
    QTimer other;
    QObject::connect(&other, &QTimer::timeout, [&] { ++ticks; });
    other.start(10);
    QElapsedTimer elapsed;
    elapsed.start();
    dialogs.waitWithEvents(120);
    EXPECT_GE(elapsed.elapsed(), 119);
    EXPECT_GE(ticks, 5);
    elapsed.restart();
    dialogs.waitWithEvents(0);
    dialogs.waitWithEvents(-5);
    EXPECT_LT(elapsed.elapsed(), 10);
}

} // namespace
