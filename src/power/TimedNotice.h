#pragma once
// The auto-closing notice: a message box that closes by itself after a time-out, owned by the
// program's own window.

#include "common/Codec.h"
#include "common/Dialogs.h"
#include "common/Text.h"

#include <functional>
#include <optional>

class QWidget;

// Finds the window that owns a notice when the caller names none: the program's first
// visible top-level window, or none.
using NoticeOwnerFinder = std::function<QWidget*()>;

// What a caller may leave out; a field left out takes the default written here.
struct NoticeOptions {
    int style = MessageStyle::Ok; // an OK button and no icon
    Text title = "友情提醒"_gbk;
    std::optional<QWidget*> owner = std::nullopt; // left out: asks the owner finder
    int timeoutMs = 5'000;
};

// Shows the notice and waits until it is closed by a button or by its time-out. Returns the
// platform's answer minus 1: 0 for OK, TimedAnswer::TimedOut - 1 when it closed by itself.
int showTimedNotice(Dialogs& dialogs, const NoticeOwnerFinder& findOwner, const Text& text,
                    const NoticeOptions& options = {});
