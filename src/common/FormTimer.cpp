#include "common/FormTimer.h"

#include <QDeadlineTimer>
#include <QTimer>

namespace {
std::int64_t monotonicMs() {
    return QDeadlineTimer::current(Qt::PreciseTimer).deadline();
}
} // namespace

FormTimer::FormTimer(const QString& name, int periodMs, QObject* parent)
    : QObject(parent), pending_(new QTimer(this)) {
    setObjectName(name);
    pending_->setSingleShot(true);
    pending_->setTimerType(Qt::PreciseTimer);
    connect(pending_, &QTimer::timeout, this, &FormTimer::onDue);
    setPeriod(periodMs);
}

void FormTimer::setPeriod(int periodMs) {
    if (periodMs < 0) {
        periodMs = 0;
    }
    if (periodMs == period_) {
        return;
    }
    period_ = periodMs;
    pending_->stop();
    if (period_ > 0) {
        dueMs_ = monotonicMs() + period_;
        arm();
    }
}

void FormTimer::arm() {
    const std::int64_t wait = dueMs_ - monotonicMs();
    pending_->start(static_cast<int>(wait > 0 ? wait : 0));
}

void FormTimer::onDue() {
    if (period_ <= 0) {
        return;
    }
    // The schedule keeps its phase; after a stall it resumes one period from now instead of
    // delivering the missed ticks in a burst. Arming before the handler runs is what lets a
    // handler that waits be entered again by the next tick (a fired single-shot timer is
    // re-registered afresh, so the event loop does not hold it back as a running timer).
    dueMs_ += period_;
    const std::int64_t now = monotonicMs();
    if (dueMs_ <= now) {
        dueMs_ = now + period_;
    }
    arm();
    emit tick();
}
