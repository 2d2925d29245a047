#pragma once
// The button calculator without a display: two operands kept as texts, one pending operator
// worked when "＝" or the next operator is pressed (so a chain runs strictly left to right),
// sine and cosine in degrees, sign change, decimal point and clear. Each button is one method;
// the page shows the three display texts after every click.

#include "common/Text.h"

class Dialogs;

// The two-operand operators and the symbols they leave in the expression display.
enum class CalcOperator { Add, Subtract, Multiply, Divide, Power };

char operatorSymbol(CalcOperator op);

// Everything the calculator holds between clicks.
struct CalcState {
    // The first operand as typed, or the last result carried over by "＝".
    Text calcFirstOperand;
    // The second operand as typed.
    Text calcSecondOperand;
    // The last result of +, -, * or /.
    Text calcResultText;
    // Digits and sign change go to the first operand (true) or to the second.
    bool calcEnteringFirst = true;
    // Set by an operator: the next digit empties the entry and starts the second operand.
    bool calcNewEntryPending = false;
    // Set by sine or cosine: the next digit or sign change clears everything first.
    bool calcFunctionShown = false;

    // The displays, named after the controls that show them. The pending operator lives only
    // in 编辑框符号: it is its last character.
    Text 编辑框5;    // entry: the operand being typed
    Text 编辑框符号; // expression: first operand and operator, or "sin "/"cos " and the operand
    Text 编辑框结果; // result
};

class Calculator {
public:
    // The zero-divisor message goes through `dialogs`.
    explicit Calculator(Dialogs& dialogs);

    const CalcState& state() const { return state_; }

    // Duty of the main window's creation: digits go to the first operand.
    void startWithFirstOperand();

    // `digit` is '0' to '9'.
    void pressDigit(char digit);
    void pressPoint();
    void pressOperator(CalcOperator op);
    void pressEquals();
    void pressSine();
    void pressCosine();
    void pressSignChange();
    void pressClear();

private:
    void startSecondOperand(char symbol, bool emptyEntry);
    void evaluate();
    void showFunction(double (*function)(double), const char* name);
    void clearEverything();
    Text& currentOperand();

    Dialogs& dialogs_;
    CalcState state_;
};
