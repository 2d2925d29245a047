#include "ProcessLines.h"

#include <QDeadlineTimer>

std::string nextLineOf(QProcess& process, int timeoutMs) {
    // A line may arrive in pieces; readyRead alone does not mean it is whole.
    const QDeadlineTimer deadline(timeoutMs);
    while (!process.canReadLine() && !deadline.hasExpired() &&
           process.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
    }
    return process.readLine().trimmed().toStdString();
}
