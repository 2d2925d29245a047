#include "calc/CalcPage.h"
#include "CalcKeys.h"
#include "WidgetTest.h"
#include "common/Codec.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

struct ClickCase {
    const char* name;
    std::string keys;
};

class CalcPageClickTest : public WidgetTest, public ::testing::WithParamInterface<ClickCase> {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        page = std::make_unique<CalcPage>(services, nullptr);
        page->startWithFirstOperand();
        page->show();
        engine.startWithFirstOperand();
    }
    void TearDown() override {
        page.reset();
        WidgetTest::TearDown();
    }

    std::unique_ptr<CalcPage> page;
    FakeDialogs engineDialogs;
    Calculator engine{engineDialogs};
};

TEST_P(CalcPageClickTest, ShowsWhatTheEngineShowsAfterEveryClick) {
    for (const std::string& token : keyTokens(GetParam().keys)) {
        auto* button = page->findChild<QPushButton*>(QString::fromUtf8(buttonNameOf(token)));
        ASSERT_NE(button, nullptr) << token;
        QTest::mouseClick(button, Qt::LeftButton);
        pressKey(engine, token);

        const CalcState& expected = engine.state();
        ASSERT_EQ(fromQt(page->编辑框5->text()), expected.编辑框5) << "after " << token;
        ASSERT_EQ(fromQt(page->编辑框符号->text()), expected.编辑框符号) << "after " << token;
        ASSERT_EQ(fromQt(page->编辑框结果->text()), expected.编辑框结果) << "after " << token;
    }
    const auto shown = dialogs.boxes();
    const auto expected = engineDialogs.boxes();
    ASSERT_EQ(shown.size(), expected.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_EQ(shown[i].text, gbkFromUtf8("0不能做除数，请重新输入！"));
        EXPECT_EQ(shown[i].title, gbkFromUtf8("提示："));
        EXPECT_EQ(shown[i].style, expected[i].style);
    }
}

// Together the rows click every button of the form.
INSTANTIATE_TEST_SUITE_P(
    CalcPage, CalcPageClickTest,
    ::testing::Values(ClickCase{"twelve_plus_three", "1 2 + 3 ="},
                      ClickCase{"chain", "2 + 3 * 4 ="},
                      ClickCase{"point_one_plus_point_two", "0 . 1 + 0 . 2 ="},
                      ClickCase{"power_twice_then_operator", "1 0 ^ 1 3 = = + 5 ="},
                      ClickCase{"sine_then_sign_change", "3 0 sin +/- 5"},
                      ClickCase{"cosine", "9 0 cos"},
                      ClickCase{"zero_divisor_then_new_divisor", "5 / 0 = 2 ="},
                      ClickCase{"points_and_clear", "5 . . 6 7 8 9 - 4 = C"},
                      ClickCase{"stale_equals", "2 + 3 = 4 = +"}),
    [](const auto& info) { return std::string(info.param.name); });

class CalcPageTest : public WidgetTest {};

TEST_F(CalcPageTest, DisplaysCannotBeTypedInto) {
    CalcPage page(services, nullptr);
    page.startWithFirstOperand();
    page.show();
    QTest::mouseClick(page.数字7, Qt::LeftButton);
    for (QLineEdit* display : {page.编辑框5, page.编辑框符号, page.编辑框结果}) {
        const QString before = display->text();
        display->setFocus();
        QTest::keyClicks(display, "12+3");
        QTest::keyClick(display, Qt::Key_Backspace);
        EXPECT_EQ(display->text(), before) << display->objectName().toStdString();
    }
    QTest::mouseClick(page.按钮加, Qt::LeftButton);
    QTest::mouseClick(page.数字1, Qt::LeftButton);
    QTest::mouseClick(page.按钮等于, Qt::LeftButton);
    EXPECT_EQ(page.编辑框结果->text(), "8");
}

} // namespace
