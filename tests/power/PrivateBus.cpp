#include "PrivateBus.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QTest>
#include <QUuid>

#include <csignal>
#include <sys/prctl.h>

namespace {

const QString kMockInterface = QStringLiteral("org.freedesktop.DBus.Mock");

// A helper process ends with the test, even when the test dies without cleaning up.
void endWithTheTest(QProcess& process) {
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

void stopProcess(QProcess& process) {
    if (process.state() == QProcess::NotRunning) {
        return;
    }
    process.terminate();
    if (!process.waitForFinished(3'000)) {
        process.kill();
        process.waitForFinished(3'000);
    }
}

} // namespace

PrivateBus::PrivateBus() {
    if (!folder_.isValid()) {
        return;
    }
    const QString config = folder_.filePath("bus.conf");
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) {
        return;
    }
    file.write(
        QStringLiteral(
            R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=%1</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)")
            .arg(folder_.path())
            .toUtf8());
    file.close();
    endWithTheTest(daemon_);
    daemon_.start(QStringLiteral(QUORVELL_DBUS_DAEMON),
                  {"--config-file=" + config, "--nofork", "--print-address=1"});
    const QDeadlineTimer deadline(10'000);
    QByteArray printed;
    while (!printed.contains('\n') && !deadline.hasExpired() &&
           daemon_.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
        printed += daemon_.readAllStandardOutput();
    }
    if (printed.contains('\n')) {
        address_ = QString::fromUtf8(printed.left(printed.indexOf('\n')).trimmed());
    }
}

PrivateBus::~PrivateBus() {
    stopProcess(daemon_);
}

QDBusConnection PrivateBus::connect(const QString& connectionName) const {
    return QDBusConnection::connectToBus(address_, connectionName);
}

MockService::MockService(const PrivateBus& bus, const QStringList& dbusmockArguments,
                         const QString& serviceName, const QString& objectPath)
    : connection_(QStringLiteral("unconnected")),
      connectionName_("mock-control-" + QUuid::createUuid().toString(QUuid::Id128)),
      service_(serviceName), path_(objectPath) {
    if (!bus.started()) {
        return;
    }
    connection_ = bus.connect(connectionName_);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DBUS_SYSTEM_BUS_ADDRESS", bus.address());
    environment.insert("DBUS_SESSION_BUS_ADDRESS", bus.address());
    process_.setProcessEnvironment(environment);
    endWithTheTest(process_);
    process_.start(QStringLiteral(QUORVELL_SYSTEM_PYTHON),
                   QStringList{"-m", "dbusmock"} + dbusmockArguments);
    const QDeadlineTimer deadline(20'000);
    while (!deadline.hasExpired() && process_.state() != QProcess::NotRunning) {
        if (connection_.interface()->isServiceRegistered(service_).value()) {
            started_ = true;
            return;
        }
        QTest::qWait(25);
    }
}

MockService::~MockService() {
    stopProcess(process_);
    QDBusConnection::disconnectFromBus(connectionName_);
}

bool MockService::addMethod(const QString& interface, const QString& name,
                            const QString& inSignature, const QString& code) {
    QDBusMessage call = QDBusMessage::createMethodCall(service_, path_, kMockInterface,
                                                       QStringLiteral("AddMethod"));
    call << interface << name << inSignature << QString() << code;
    return connection_.call(call).type() == QDBusMessage::ReplyMessage;
}

QList<QVariantList> MockService::callsOf(const QString& method) {
    QDBusMessage call = QDBusMessage::createMethodCall(service_, path_, kMockInterface,
                                                       QStringLiteral("GetMethodCalls"));
    call << method;
    const QDBusMessage reply = connection_.call(call);
    QList<QVariantList> calls;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return calls;
    }
    // a(tav): a time stamp and the arguments of each call.
    const auto list = reply.arguments().front().value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        list.beginStructure();
        quint64 stamp = 0;
        list >> stamp;
        QVariantList arguments;
        list.beginArray();
        while (!list.atEnd()) {
            QDBusVariant argument;
            list >> argument;
            arguments << argument.variant();
        }
        list.endArray();
        list.endStructure();
        calls << arguments;
    }
    list.endArray();
    return calls;
}
