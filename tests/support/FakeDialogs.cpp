#include "FakeDialogs.h"

#include "FakeClock.h"

std::vector<DialogCall> FakeDialogs::callsOf(DialogCall::Kind kind) const {
    std::vector<DialogCall> result;
    for (const DialogCall& call : calls) {
        if (call.kind == kind) {
            result.push_back(call);
        }
    }
    return result;
}

std::vector<DialogCall> FakeDialogs::boxes() const {
    std::vector<DialogCall> result;
    for (const DialogCall& call : calls) {
        if (call.kind != DialogCall::Wait && call.kind != DialogCall::Pump) {
            result.push_back(call);
        }
    }
    return result;
}

void FakeDialogs::record(DialogCall call) {
    calls.push_back(call);
    if (duringCall) {
        duringCall(call);
    }
}

int FakeDialogs::messageBox(const Text& text, const Text& title, int style) {
    record({DialogCall::Message, text, title, style, 0, nullptr});
    if (messageAnswers.empty()) {
        return MessageAnswer::Ok;
    }
    const int answer = messageAnswers.front();
    messageAnswers.pop_front();
    return answer;
}

bool FakeDialogs::inputBox(const Text& prompt, const Text& title, Text& value, const Text&) {
    record({DialogCall::Input, prompt, title, 0, 0, nullptr});
    if (inputAnswers.empty()) {
        return false;
    }
    const std::optional<Text> answer = inputAnswers.front();
    inputAnswers.pop_front();
    if (!answer) {
        return false;
    }
    value = *answer;
    return true;
}

int FakeDialogs::timedMessageBox(QWidget* owner, const Text& text, const Text& title, int style,
                                 int timeoutMs) {
    record({DialogCall::Timed, text, title, style, timeoutMs, owner});
    if (timedAnswers.empty()) {
        if (clock) {
            clock->advanceMs(timeoutMs);
        }
        return TimedAnswer::TimedOut;
    }
    const int answer = timedAnswers.front();
    timedAnswers.pop_front();
    return answer;
}

Text FakeDialogs::openFileDialog(const Text& currentName) {
    record({DialogCall::OpenFile, currentName, {}, 0, 0, nullptr});
    if (openFileAnswers.empty()) {
        return currentName;
    }
    const std::optional<Text> answer = openFileAnswers.front();
    openFileAnswers.pop_front();
    return answer ? *answer : currentName;
}

void FakeDialogs::waitWithEvents(int ms) {
    if (ms <= 0) {
        return;
    }
    if (clock) {
        clock->advanceMs(ms);
    }
    record({DialogCall::Wait, {}, {}, 0, ms, nullptr});
}

void FakeDialogs::pumpPendingMessages() {
    record({DialogCall::Pump, {}, {}, 0, 0, nullptr});
}
