#pragma once
// The first window: a "LOVE YOU" title fading from red to white, five moving dots, and a
// status line stepping through five texts before the main window opens.

#include "app/SplashMotion.h"

#include <QColor>
#include <QWidget>

#include <functional>

class Dialogs;
class FormTimer;
class ProgramState;
class QLabel;
class ShapeBox;

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    // `openMainWindow` opens the main window modally and returns when it has been closed.
    SplashWindow(ProgramState& state, Dialogs& dialogs, std::function<void()> openMainWindow);

    // Tick of _初始化时钟: the fade routine. Nested runs share the fade level, so whether or
    // not a tick enters it again during its waits the end state is the same.
    void fadeTitle();
    // Tick of 时钟1: the dot step.
    void stepDotsOnce();
    // First activation: the status routine.
    void showStatusTexts();

    DotLefts dotLefts() const;
    QColor titleColour() const;

    ShapeBox* 外形框1 = nullptr;
    ShapeBox* 外形框2 = nullptr;
    ShapeBox* 外形框3 = nullptr;
    ShapeBox* 外形框4 = nullptr;
    ShapeBox* 外形框5 = nullptr;
    QLabel* 透明标签2 = nullptr; // status line
    QLabel* 透明标签1 = nullptr; // title
    FormTimer* 时钟1 = nullptr;
    FormTimer* _初始化时钟 = nullptr;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setTitleColour(int red, int green, int blue);
    void makeVisible();
    void firstActivated();

    ProgramState& state_;
    Dialogs& dialogs_;
    std::function<void()> openMainWindow_;
    bool activated_ = false;
};
