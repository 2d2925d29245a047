#pragma once
// Page 3 "简单计算": the button calculator.

#include "calc/Calculator.h"

#include <QWidget>

class QLineEdit;
class QPushButton;
struct Services;

class CalcPage : public QWidget {
    Q_OBJECT
public:
    CalcPage(Services& services, QWidget* parent);

    // Duty of the main window's creation: digits go to the first operand.
    void startWithFirstOperand();

    QLineEdit* 编辑框符号 = nullptr;
    QLineEdit* 编辑框5 = nullptr;
    QPushButton* 数字1 = nullptr;
    QPushButton* 数字2 = nullptr;
    QPushButton* 数字3 = nullptr;
    QPushButton* 数字4 = nullptr;
    QPushButton* 数字5 = nullptr;
    QPushButton* 数字6 = nullptr;
    QPushButton* 数字7 = nullptr;
    QPushButton* 数字8 = nullptr;
    QPushButton* 数字9 = nullptr;
    QPushButton* 数字0 = nullptr;
    QPushButton* 按钮加 = nullptr;
    QPushButton* 按钮减 = nullptr;
    QPushButton* 按钮乘 = nullptr;
    QPushButton* 按钮除 = nullptr;
    QPushButton* 数字正负 = nullptr;
    QPushButton* 数字点 = nullptr;
    QPushButton* 数字次方 = nullptr;
    QPushButton* 按钮正弦 = nullptr;
    QPushButton* 按钮余弦 = nullptr;
    QPushButton* 按钮删除 = nullptr;
    QPushButton* 按钮等于 = nullptr;
    QLineEdit* 编辑框结果 = nullptr;

private:
    // Writes the engine's three display texts into the read-only edit boxes.
    void showDisplays();

    Calculator calculator_;
};
