#pragma once
// Every modal box of the program and every wait that lets pending events run goes through
// this interface, so tests can answer the boxes and drive the waits without a screen.

#include "common/Text.h"

class QWidget;

// Style bits of a message box: one button set plus at most one icon.
namespace MessageStyle {
constexpr int Ok = 0;
constexpr int OkCancel = 1;
constexpr int AbortRetryIgnore = 2;
constexpr int YesNoCancel = 3;
constexpr int YesNo = 4;
constexpr int RetryCancel = 5;
constexpr int IconStop = 16;
constexpr int IconQuestion = 32;
constexpr int IconWarning = 48;
constexpr int IconInformation = 64;
} // namespace MessageStyle

// Answers of the message box.
namespace MessageAnswer {
constexpr int Ok = 0;
constexpr int Cancel = 1;
constexpr int Abort = 2;
constexpr int Retry = 3;
constexpr int Ignore = 4;
constexpr int Yes = 5;
constexpr int No = 6;
} // namespace MessageAnswer

// The time-limited message box answers as the platform does: the pressed button's code,
// which is the message-box answer + 1, or TimedOut when it closed by itself.
namespace TimedAnswer {
constexpr int TimedOut = 32000;
}

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Modal to all of the program's windows, with no owner. An empty title shows as "信息：".
    // Returns a MessageAnswer.
    virtual int messageBox(const Text& text, const Text& title, int style) = 0;

    // One prompt line, one entry field filled with `initial`, and the buttons "确认输入(&O)"
    // and "取消(&C)". OK stores the entered text (even an empty one) into `value` and returns
    // true; Cancel or closing stores nothing and returns false. An empty title shows as
    // "请输入：".
    virtual bool inputBox(const Text& prompt, const Text& title, Text& value,
                          const Text& initial = {}) = 0;

    // A message box owned by `owner` (none when null) that closes by itself after
    // `timeoutMs`. Returns the pressed button as the platform codes it, or
    // TimedAnswer::TimedOut.
    virtual int timedMessageBox(QWidget* owner, const Text& text, const Text& title, int style,
                                int timeoutMs) = 0;

    // The open-file dialog with no title and no filter. It opens on `currentName` and
    // returns the dialog's file name after it closed: the file chosen now, or `currentName`
    // when the user cancelled.
    virtual Text openFileDialog(const Text& currentName) = 0;

    // Returns once `ms` milliseconds have passed, running pending events meanwhile without
    // spinning the processor. 0 or less returns at once.
    virtual void waitWithEvents(int ms) = 0;

    // Runs every pending event, then returns.
    virtual void pumpPendingMessages() = 0;
};
