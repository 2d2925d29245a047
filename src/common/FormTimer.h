#pragma once
// A timer of a window form. Its period is in milliseconds and 0 means stopped. Writing the
// period it already has changes nothing; writing another one restarts it from that moment.
//
// Ticks are delivered re-entrantly, as the forms expect: while a handler waits with events
// running (a message box, a wait), the next due tick runs the handler again.

#include <QObject>
#include <QString>
#include <cstdint>

class QTimer;

class FormTimer : public QObject {
    Q_OBJECT
public:
    FormTimer(const QString& name, int periodMs, QObject* parent);

    void setPeriod(int periodMs);
    int period() const { return period_; }
    bool isRunning() const { return period_ > 0; }

    // Runs the handlers once, as a tick would. Tests use it with a clock of their choice.
    void fire() { emit tick(); }

signals:
    void tick();

private:
    void arm();
    void onDue();

    int period_ = 0;
    std::int64_t dueMs_ = 0;
    QTimer* pending_ = nullptr;
};
