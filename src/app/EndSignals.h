#pragma once
// The session ending (SIGTERM, SIGHUP) or an interrupt (SIGINT) ends the program the same
// way as its own exit command, so the clean-up runs.

#include <QObject>

#include <functional>

class QSocketNotifier;

class EndSignals : public QObject {
    Q_OBJECT
public:
    explicit EndSignals(std::function<void()> endProgram, QObject* parent = nullptr);
    ~EndSignals() override;

private:
    std::function<void()> endProgram_;
    QSocketNotifier* notifier_ = nullptr;
};
