#include "calc/Calculator.h"

#include "calc/NumberText.h"
#include "common/Codec.h"
#include "common/Dialogs.h"

#include <cmath>
#include <limits>

namespace {

constexpr CalcOperator operatorsInSearchOrder[] = {CalcOperator::Add, CalcOperator::Subtract,
                                                   CalcOperator::Multiply, CalcOperator::Divide,
                                                   CalcOperator::Power};

// An operand holds what was typed or a result written by formatNumber. A result that overflowed
// or was undefined is carried on as that value: read as a number text it would count as 0, and
// a chain on "inf" would quietly start again from zero.
double operandValue(const Text& operand) {
    if (operand == "inf") {
        return std::numeric_limits<double>::infinity();
    }
    if (operand == "-inf") {
        return -std::numeric_limits<double>::infinity();
    }
    if (operand == "nan") {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return parseNumber(operand);
}

} // namespace

char operatorSymbol(CalcOperator op) {
    switch (op) {
    case CalcOperator::Add:
        return '+';
    case CalcOperator::Subtract:
        return '-';
    case CalcOperator::Multiply:
        return '*';
    case CalcOperator::Divide:
        return '/';
    case CalcOperator::Power:
        return '^';
    }
    return '+';
}

Calculator::Calculator(Dialogs& dialogs) : dialogs_(dialogs) {}

void Calculator::startWithFirstOperand() {
    state_.calcEnteringFirst = true;
}

void Calculator::pressDigit(char digit) {
    CalcState& s = state_;
    if (s.calcNewEntryPending) {
        s.编辑框5.clear();
        s.calcNewEntryPending = false;
        s.编辑框5 += digit;
        s.calcSecondOperand = s.编辑框5;
        return;
    }
    if (s.calcFunctionShown) {
        clearEverything();
        s.编辑框5 += digit;
        s.calcFirstOperand = s.编辑框5;
        s.calcFunctionShown = false;
        return;
    }
    // No length limit, and leading zeros stay as typed ("007").
    s.编辑框5 += digit;
    currentOperand() = s.编辑框5;
}

void Calculator::pressPoint() {
    // The operands are not updated here: the next digit copies the whole entry, point included.
    if (!state_.编辑框5.empty() && state_.编辑框5.find('.') == Text::npos) {
        state_.编辑框5 += '.';
    }
}

void Calculator::pressOperator(CalcOperator op) {
    CalcState& s = state_;
    const char symbol = operatorSymbol(op);
    // The power key leaves the entry showing the old second operand until the next digit.
    const bool emptyEntry = op != CalcOperator::Power;
    if (s.calcFirstOperand.empty()) {
        return; // a calculation cannot begin with an operator
    }
    if (s.calcSecondOperand.empty()) {
        // A second operator press here only replaces the symbol.
        startSecondOperand(symbol, true);
        return;
    }
    if (s.calcFunctionShown) {
        // Works on the function's input, not its result; the old second operand stays until
        // the next digit replaces it.
        startSecondOperand(symbol, emptyEntry);
        return;
    }
    evaluate();
    s.calcFunctionShown = false;
    s.calcNewEntryPending = true;
    s.编辑框符号 = s.calcFirstOperand + symbol;
    if (emptyEntry) {
        s.编辑框5.clear();
    }
}

void Calculator::pressEquals() {
    evaluate();
}

void Calculator::pressSine() {
    showFunction([](double x) { return std::sin(x); }, "sin ");
}

void Calculator::pressCosine() {
    showFunction([](double x) { return std::cos(x); }, "cos ");
}

void Calculator::pressSignChange() {
    CalcState& s = state_;
    if (s.calcFunctionShown) {
        clearEverything();
        // The clear emptied the operand, so this is always "-0", and nothing is shown.
        s.calcFirstOperand = formatNumber(-operandValue(s.calcFirstOperand));
        s.calcFunctionShown = false;
        return;
    }
    Text& operand = currentOperand();
    // An empty or zero operand turns into "-0"; "007" turns into "-7".
    const Text flipped = formatNumber(-operandValue(operand));
    s.编辑框5 = flipped;
    operand = flipped;
}

void Calculator::pressClear() {
    clearEverything();
}

void Calculator::startSecondOperand(char symbol, bool emptyEntry) {
    CalcState& s = state_;
    s.calcNewEntryPending = true;
    s.calcFunctionShown = false;
    s.编辑框符号 = s.calcFirstOperand + symbol;
    if (emptyEntry) {
        s.编辑框5.clear();
    }
    s.calcEnteringFirst = false;
}

void Calculator::evaluate() {
    CalcState& s = state_;
    // The pending operator is the one whose symbol, after the first operand, gives the whole
    // expression; after "＝" replaced the first operand, or after a function, none does.
    const CalcOperator* pending = nullptr;
    for (const CalcOperator& op : operatorsInSearchOrder) {
        if (s.编辑框符号 == s.calcFirstOperand + operatorSymbol(op)) {
            pending = &op;
            break;
        }
    }
    if (!pending) {
        return;
    }
    const double a = operandValue(s.calcFirstOperand);
    const double b = operandValue(s.calcSecondOperand);

    double value = 0.0;
    switch (*pending) {
    case CalcOperator::Add:
        value = a + b;
        break;
    case CalcOperator::Subtract:
        value = a - b;
        break;
    case CalcOperator::Multiply:
        value = a * b;
        break;
    case CalcOperator::Divide:
        if (b == 0.0) {
            // The first operand and the expression stay, so a new divisor completes the
            // division.
            dialogs_.messageBox("0不能做除数，请重新输入！"_gbk, "提示："_gbk, MessageStyle::Ok);
            s.calcEnteringFirst = false;
            s.calcSecondOperand.clear();
            s.编辑框结果.clear();
            return;
        }
        value = a / b;
        break;
    case CalcOperator::Power:
        // The operands stay: "＝" again shows the same power, and a following operator chains
        // on the base.
        s.编辑框结果 = formatNumber(std::pow(a, b));
        s.calcEnteringFirst = false;
        return;
    }
    const Text result = formatNumber(value);
    s.calcResultText = result;
    s.编辑框结果 = result;
    s.calcFirstOperand = result;
    s.calcSecondOperand.clear();
    s.calcEnteringFirst = false;
}

void Calculator::showFunction(double (*function)(double), const char* name) {
    CalcState& s = state_;
    // Degrees to radians with this rounded pi, each step stored as a double: the results
    // users know from this calculator (sin 30 = 0.499999999987) depend on it.
    const double scaled = operandValue(s.calcFirstOperand) * 3.1415926535;
    const double radians = scaled / 180;
    // The result lives only in the display: no operand receives it.
    s.编辑框结果 = formatNumber(function(radians));
    s.calcEnteringFirst = true;
    s.calcFunctionShown = true;
    s.编辑框符号 = name + s.calcFirstOperand;
    s.编辑框5.clear();
}

void Calculator::clearEverything() {
    state_ = CalcState{};
}

Text& Calculator::currentOperand() {
    return state_.calcEnteringFirst ? state_.calcFirstOperand : state_.calcSecondOperand;
}
