#pragma once
// Power requests on a Linux desktop, over D-Bus. Shutting down and restarting ask
// systemd-logind, with interactive authorisation so the system's own policy decides (a
// password prompt where it wants one), never forced. Logging off asks the running desktop's
// session manager, which lets programs object as a log-off should; without one it asks logind
// to end the caller's session.
//
// The bus connections come from the creator (the machine's buses in the program, private
// buses in tests). A missing bus, a missing service, a refusal and an error all answer false.

#include "power/PowerService.h"

#include <QDBusConnection>

class LinuxPowerService final : public PowerService {
public:
    // Long enough for the user to answer the system's authorisation prompt.
    static constexpr int kDefaultReplyTimeoutMs = 120'000;

    LinuxPowerService(QDBusConnection systemBus, QDBusConnection sessionBus,
                      int replyTimeoutMs = kDefaultReplyTimeoutMs);

    // Events run while the answer is awaited. A request made while another one still awaits
    // its answer is not sent, and answers false.
    bool performPowerAction(PowerMode mode) override;

private:
    bool logOff();
    bool callSucceeds(QDBusConnection& bus, const QString& service, const QString& path,
                      const QString& interface, const QString& method,
                      const QVariantList& arguments);

    QDBusConnection systemBus_;
    QDBusConnection sessionBus_;
    int replyTimeoutMs_;
    bool awaitingAnswer_ = false;
};
