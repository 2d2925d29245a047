#pragma once
// The dialogs of the program on Qt's widgets.

#include "common/Dialogs.h"

class QtDialogs final : public Dialogs {
public:
    int messageBox(const Text& text, const Text& title, int style) override;
    bool inputBox(const Text& prompt, const Text& title, Text& value,
                  const Text& initial = {}) override;
    int timedMessageBox(QWidget* owner, const Text& text, const Text& title, int style,
                        int timeoutMs) override;
    Text openFileDialog(const Text& currentName) override;
    void waitWithEvents(int ms) override;
    void pumpPendingMessages() override;
};
