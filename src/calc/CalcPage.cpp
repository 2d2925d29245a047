#include "calc/CalcPage.h"

#include "common/Codec.h"
#include "common/FormLayout.h"
#include "common/Services.h"

#include <QLineEdit>
#include <QPushButton>

#include <utility>

namespace {

QLineEdit* display(QWidget* parent, const char* name, int left, int top, int width, int height,
                   Qt::Alignment alignment) {
    auto* box = placeControl(new QLineEdit(parent), name, left, top, width, height);
    box->setReadOnly(true);
    box->setAlignment(alignment | Qt::AlignVCenter);
    return box;
}

} // namespace

CalcPage::CalcPage(Services& services, QWidget* parent)
    : QWidget(parent), calculator_(services.dialogs) {
    setObjectName("简单计算");
    编辑框符号 = display(this, "编辑框符号", 10, 30, 190, 35, Qt::AlignHCenter);
    编辑框5 = display(this, "编辑框5", 200, 30, 130, 35, Qt::AlignRight);

    struct Key {
        QPushButton** control;
        const char* name;
        const char* caption;
    };
    // Five columns, one row per line of the form.
    const Key rows[4][5] = {
        {{&数字1, "数字1", "1"},
         {&数字2, "数字2", "2"},
         {&数字3, "数字3", "3"},
         {&数字4, "数字4", "4"},
         {&数字5, "数字5", "5"}},
        {{&数字6, "数字6", "6"},
         {&数字7, "数字7", "7"},
         {&数字8, "数字8", "8"},
         {&数字9, "数字9", "9"},
         {&数字0, "数字0", "0"}},
        {{&按钮加, "按钮加", "+"},
         {&按钮减, "按钮减", "-"},
         {&按钮乘, "按钮乘", "*"},
         {&按钮除, "按钮除", "/"},
         {&数字正负, "数字正负", "+/-"}},
        {{&数字点, "数字点", "."},
         {&数字次方, "数字次方", "^幂"},
         {&按钮正弦, "按钮正弦", "sinX"},
         {&按钮余弦, "按钮余弦", "cosX"},
         {&按钮删除, "按钮删除", "C"}},
    };
    const int lefts[5] = {10, 75, 140, 205, 270};
    const int tops[4] = {80, 115, 150, 185};
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 5; ++column) {
            const Key& key = rows[row][column];
            *key.control = placeControl(new QPushButton(QString::fromUtf8(key.caption), this),
                                        key.name, lefts[column], tops[row], 60, 30);
        }
    }
    按钮等于 =
        placeControl(new QPushButton(QString::fromUtf8("＝"), this), "按钮等于", 10, 220, 60, 30);
    编辑框结果 = display(this, "编辑框结果", 75, 220, 255, 30, Qt::AlignLeft);
    // The displays have no caption; a screen reader names them by their role.
    编辑框符号->setAccessibleName(QString::fromUtf8("算式"));
    编辑框5->setAccessibleName(QString::fromUtf8("输入"));
    编辑框结果->setAccessibleName(QString::fromUtf8("结果"));

    // Every click hands its button to the engine, then shows the displays it left.
    const auto bind = [this](QPushButton* button, auto press) {
        connect(button, &QPushButton::clicked, this, [this, press] {
            press(calculator_);
            showDisplays();
        });
    };
    QPushButton* const digits[10] = {数字0, 数字1, 数字2, 数字3, 数字4,
                                     数字5, 数字6, 数字7, 数字8, 数字9};
    for (char digit = '0'; digit <= '9'; ++digit) {
        bind(digits[digit - '0'], [digit](Calculator& c) { c.pressDigit(digit); });
    }
    const std::pair<QPushButton*, CalcOperator> operators[] = {
        {按钮加, CalcOperator::Add},      {按钮减, CalcOperator::Subtract},
        {按钮乘, CalcOperator::Multiply}, {按钮除, CalcOperator::Divide},
        {数字次方, CalcOperator::Power},
    };
    for (const auto& [button, op] : operators) {
        bind(button, [op](Calculator& c) { c.pressOperator(op); });
    }
    bind(数字点, [](Calculator& c) { c.pressPoint(); });
    bind(按钮等于, [](Calculator& c) { c.pressEquals(); });
    bind(按钮正弦, [](Calculator& c) { c.pressSine(); });
    bind(按钮余弦, [](Calculator& c) { c.pressCosine(); });
    bind(数字正负, [](Calculator& c) { c.pressSignChange(); });
    bind(按钮删除, [](Calculator& c) { c.pressClear(); });
}

void CalcPage::startWithFirstOperand() {
    calculator_.startWithFirstOperand();
}

void CalcPage::showDisplays() {
    const CalcState& state = calculator_.state();
    编辑框结果->setText(toQt(state.编辑框结果));
    编辑框5->setText(toQt(state.编辑框5));
    编辑框符号->setText(toQt(state.编辑框符号));
}
