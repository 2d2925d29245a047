// The real power service against a fake logind (python3-dbusmock's logind template) and a
// fake desktop session manager, both on a private dbus-daemon started by the test. The
// machine's own buses are never used.

#include "power/LinuxPowerService.h"

#include "PrivateBus.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QUuid>
#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kFakeLogind = QStringLiteral("org.freedesktop.login1");
const QString kFakeLogindPath = QStringLiteral("/org/freedesktop/login1");
const QString kFakeLogindManager = QStringLiteral("org.freedesktop.login1.Manager");

class FakeLogindOnPrivateBus : public ::testing::Test {
protected:
    void SetUp() override {
        privateBus = std::make_unique<PrivateBus>();
        ASSERT_TRUE(privateBus->started()) << "dbus-daemon did not start";
        fakeLogind = std::make_unique<MockService>(*privateBus, QStringList{"--template", "logind"},
                                                   kFakeLogind, kFakeLogindPath);
        ASSERT_TRUE(fakeLogind->started()) << fakeLogind->errors().toStdString();
        connectionName = "power-test-" + QUuid::createUuid().toString(QUuid::Id128);
        bus = privateBus->connect(connectionName);
        ASSERT_TRUE(bus.isConnected());
    }
    void TearDown() override {
        fakeSessionManager.reset();
        fakeLogind.reset();
        QDBusConnection::disconnectFromBus(connectionName);
        privateBus.reset();
    }

    // The service sees the private bus as both its system and its session bus.
    std::unique_ptr<LinuxPowerService> service(int replyTimeoutMs = 10'000) {
        return std::make_unique<LinuxPowerService>(bus, bus, replyTimeoutMs);
    }

    void startFakeGnomeSessionManager(const QString& logoutCode) {
        fakeSessionManager = std::make_unique<MockService>(
            *privateBus,
            QStringList{"--session", "org.gnome.SessionManager", "/org/gnome/SessionManager",
                        "org.gnome.SessionManager"},
            "org.gnome.SessionManager", "/org/gnome/SessionManager");
        ASSERT_TRUE(fakeSessionManager->started()) << fakeSessionManager->errors().toStdString();
        ASSERT_TRUE(fakeSessionManager->addMethod("", "Logout", "u", logoutCode));
    }

    std::unique_ptr<PrivateBus> privateBus;
    std::unique_ptr<MockService> fakeLogind;
    std::unique_ptr<MockService> fakeSessionManager;
    QString connectionName;
    QDBusConnection bus{QStringLiteral("unconnected")};
};

struct RequestCase {
    const char* name;
    PowerMode mode;
    const char* method;
    QVariant argument;
};

class FakeLogindRequestTest : public FakeLogindOnPrivateBus,
                              public ::testing::WithParamInterface<RequestCase> {};

TEST_P(FakeLogindRequestTest, ArrivesAsTheRightCallAndIsAccepted) {
    EXPECT_TRUE(service()->performPowerAction(GetParam().mode));
    const QList<QVariantList> calls = fakeLogind->callsOf(GetParam().method);
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls[0], QVariantList{GetParam().argument});
    // Nothing else was asked for.
    for (const char* other : {"PowerOff", "Reboot", "TerminateSession"}) {
        if (QString::fromLatin1(other) != GetParam().method) {
            EXPECT_TRUE(fakeLogind->callsOf(other).isEmpty()) << other;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Power, FakeLogindRequestTest,
    ::testing::Values(
        // interactive = true: the system's policy may ask for a password; never forced.
        RequestCase{"shutdown_powers_off_interactively", PowerMode::ShutDown, "PowerOff", true},
        RequestCase{"restart_reboots_interactively", PowerMode::Restart, "Reboot", true},
        RequestCase{"log_off_without_session_manager_ends_the_callers_session", PowerMode::LogOff,
                    "TerminateSession", QStringLiteral("auto")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FakeLogindOnPrivateBus, RefusalIsFalse) {
    const QString refuse = "raise dbus.exceptions.DBusException('refused', "
                           "name='org.freedesktop.DBus.Error.AccessDenied')";
    ASSERT_TRUE(fakeLogind->addMethod(kFakeLogindManager, "PowerOff", "b", refuse));
    ASSERT_TRUE(fakeLogind->addMethod(kFakeLogindManager, "Reboot", "b", refuse));
    ASSERT_TRUE(fakeLogind->addMethod(kFakeLogindManager, "TerminateSession", "s", refuse));
    auto power = service();
    EXPECT_FALSE(power->performPowerAction(PowerMode::ShutDown));
    EXPECT_FALSE(power->performPowerAction(PowerMode::Restart));
    EXPECT_FALSE(power->performPowerAction(PowerMode::LogOff));
}

TEST_F(FakeLogindOnPrivateBus, LogOffAsksTheSessionManagerWhenOneAnswers) {
    startFakeGnomeSessionManager("");
    EXPECT_TRUE(service()->performPowerAction(PowerMode::LogOff));
    const QList<QVariantList> calls = fakeSessionManager->callsOf("Logout");
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls[0], QVariantList{QVariant::fromValue(0u)}); // normal, not forced
    EXPECT_TRUE(fakeLogind->callsOf("TerminateSession").isEmpty());
}

TEST_F(FakeLogindOnPrivateBus, SessionManagerThatDeclinesIsNotOverruled) {
    startFakeGnomeSessionManager("raise dbus.exceptions.DBusException('inhibited', "
                                 "name='org.gnome.SessionManager.NotInInitialization')");
    EXPECT_FALSE(service()->performPowerAction(PowerMode::LogOff));
    EXPECT_TRUE(fakeLogind->callsOf("TerminateSession").isEmpty());
}

TEST_F(FakeLogindOnPrivateBus, MissingServiceIsFalseAtOnce) {
    fakeLogind.reset(); // the private bus is left without logind
    auto power = service();
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_FALSE(power->performPowerAction(PowerMode::ShutDown));
    EXPECT_FALSE(power->performPowerAction(PowerMode::Restart));
    EXPECT_FALSE(power->performPowerAction(PowerMode::LogOff));
    EXPECT_LT(elapsed.elapsed(), 3'000);
}

TEST_F(FakeLogindOnPrivateBus, UnansweredRequestGivesUpAfterItsTimeoutWhileEventsRun) {
    ASSERT_TRUE(fakeLogind->addMethod(kFakeLogindManager, "PowerOff", "b", "time.sleep(4)"));
    auto power = service(400);
    int ticks = 0;
    bool secondRequest = true;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (++ticks == 1) {
            // Asked again while the first request awaits its answer: not sent.
            secondRequest = power->performPowerAction(PowerMode::Restart);
        }
    });
    timer.start(50);
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_FALSE(power->performPowerAction(PowerMode::ShutDown));
    EXPECT_GE(elapsed.elapsed(), 350);
    EXPECT_LT(elapsed.elapsed(), 3'000);
    EXPECT_GE(ticks, 3);
    EXPECT_FALSE(secondRequest);
}

TEST(LinuxPowerService, MissingBusIsFalse) {
    const QDBusConnection none(QStringLiteral("no-such-connection"));
    ASSERT_FALSE(none.isConnected());
    LinuxPowerService power(none, none);
    EXPECT_FALSE(power.performPowerAction(PowerMode::ShutDown));
    EXPECT_FALSE(power.performPowerAction(PowerMode::Restart));
    EXPECT_FALSE(power.performPowerAction(PowerMode::LogOff));
}

} // namespace
