#include "power/LinuxPowerService.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>

#include <array>
#include <utility>

namespace {

const QString kLogind = QStringLiteral("org.freedesktop.login1");
const QString kLogindPath = QStringLiteral("/org/freedesktop/login1");
const QString kLogindManager = QStringLiteral("org.freedesktop.login1.Manager");

// logind's name for the session of the caller, or else its user's graphical session.
const QString kCallersSession = QStringLiteral("auto");

struct SessionManagerLogout {
    const char* service;
    const char* path;
    const char* interface;
    const char* method;
    QVariantList arguments;
};

// The desktops' session managers, each with its ordinary, unforced log-off.
const std::array<SessionManagerLogout, 4>& sessionManagers() {
    static const std::array<SessionManagerLogout, 4> managers{{
        // GNOME and the desktops built on its session manager: mode 0, normal.
        {"org.gnome.SessionManager",
         "/org/gnome/SessionManager",
         "org.gnome.SessionManager",
         "Logout",
         {QVariant::fromValue(0u)}},
        // KDE Plasma: no confirmation, log-off, scheduled as usual.
        {"org.kde.ksmserver", "/KSMServer", "org.kde.KSMServerInterface", "logout", {0, 0, 0}},
        // Xfce: no dialog, sessions saved as the user configured.
        {"org.xfce.SessionManager",
         "/org/xfce/SessionManager",
         "org.xfce.Session.Manager",
         "Logout",
         {false, true}},
        // MATE: mode 0, normal.
        {"org.mate.SessionManager",
         "/org/mate/SessionManager",
         "org.mate.SessionManager",
         "Logout",
         {QVariant::fromValue(0u)}},
    }};
    return managers;
}

} // namespace

LinuxPowerService::LinuxPowerService(QDBusConnection systemBus, QDBusConnection sessionBus,
                                     int replyTimeoutMs)
    : systemBus_(std::move(systemBus)), sessionBus_(std::move(sessionBus)),
      replyTimeoutMs_(replyTimeoutMs) {}

bool LinuxPowerService::performPowerAction(PowerMode mode) {
    if (awaitingAnswer_) {
        return false;
    }
    awaitingAnswer_ = true;
    const bool interactive = true;
    bool accepted = false;
    switch (mode) {
    case PowerMode::ShutDown:
        accepted = callSucceeds(systemBus_, kLogind, kLogindPath, kLogindManager,
                                QStringLiteral("PowerOff"), {interactive});
        break;
    case PowerMode::Restart:
        accepted = callSucceeds(systemBus_, kLogind, kLogindPath, kLogindManager,
                                QStringLiteral("Reboot"), {interactive});
        break;
    case PowerMode::LogOff:
        accepted = logOff();
        break;
    }
    awaitingAnswer_ = false;
    return accepted;
}

bool LinuxPowerService::logOff() {
    QDBusConnectionInterface* bus = sessionBus_.isConnected() ? sessionBus_.interface() : nullptr;
    for (const SessionManagerLogout& manager : sessionManagers()) {
        const QString service = QString::fromLatin1(manager.service);
        if (bus && bus->isServiceRegistered(service).value()) {
            // The session manager that answers has the last word: when it (or a program
            // asked by it) declines, the session is not ended by force behind its back.
            return callSucceeds(sessionBus_, service, QString::fromLatin1(manager.path),
                                QString::fromLatin1(manager.interface),
                                QString::fromLatin1(manager.method), manager.arguments);
        }
    }
    return callSucceeds(systemBus_, kLogind, kLogindPath, kLogindManager,
                        QStringLiteral("TerminateSession"), {kCallersSession});
}

bool LinuxPowerService::callSucceeds(QDBusConnection& bus, const QString& service,
                                     const QString& path, const QString& interface,
                                     const QString& method, const QVariantList& arguments) {
    if (!bus.isConnected()) {
        return false;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
    call.setArguments(arguments);
    call.setInteractiveAuthorizationAllowed(true);
    const QDBusMessage reply = bus.call(call, QDBus::BlockWithGui, replyTimeoutMs_);
    return reply.type() == QDBusMessage::ReplyMessage;
}
