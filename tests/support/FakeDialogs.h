#pragma once
// Answers every box of the program from a script and records what was shown, so a test can
// check the exact texts without a real modal dialog.

#include "common/Dialogs.h"

#include <deque>
#include <functional>
#include <optional>
#include <vector>

class FakeClock;

struct DialogCall {
    enum Kind { Message, Input, Timed, OpenFile, Wait, Pump };
    Kind kind;
    Text text;  // message text, or the input box's prompt
    Text title; // as given by the caller
    int style = 0;
    int timeoutMs = 0; // time-limited box: its time-out; wait: its milliseconds
    QWidget* owner = nullptr;
};

class FakeDialogs final : public Dialogs {
public:
    // Answers used in order; when a queue is empty the default below applies.
    std::deque<int> messageAnswers;                  // default MessageAnswer::Ok
    std::deque<std::optional<Text>> inputAnswers;    // a text confirms, nullopt cancels (default)
    std::deque<int> timedAnswers;                    // default TimedAnswer::TimedOut
    std::deque<std::optional<Text>> openFileAnswers; // a chosen file, or nullopt to cancel

    // Runs inside every wait and every box, as the events that a real wait would dispatch.
    std::function<void(const DialogCall&)> duringCall;

    // Waits and time-limited boxes move this clock forward by their time, when set.
    FakeClock* clock = nullptr;

    std::vector<DialogCall> calls;

    std::vector<DialogCall> callsOf(DialogCall::Kind kind) const;
    // Boxes only: waits and pumps left out.
    std::vector<DialogCall> boxes() const;

    int messageBox(const Text& text, const Text& title, int style) override;
    bool inputBox(const Text& prompt, const Text& title, Text& value,
                  const Text& initial = {}) override;
    int timedMessageBox(QWidget* owner, const Text& text, const Text& title, int style,
                        int timeoutMs) override;
    Text openFileDialog(const Text& currentName) override;
    void waitWithEvents(int ms) override;
    void pumpPendingMessages() override;

private:
    void record(DialogCall call);
};
