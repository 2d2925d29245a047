#pragma once
// A D-Bus of the test's own, and fake system services on it. Nothing here ever connects to
// the machine's system or session bus: the daemon listens on a socket in a temporary folder,
// and the fakes are told only that address, for both their system and session bus.

#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantList>

class PrivateBus {
public:
    PrivateBus();
    ~PrivateBus();
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    bool started() const { return !address_.isEmpty(); }
    const QString& address() const { return address_; }

    // A connection of this test to the private bus, under a name of its own.
    QDBusConnection connect(const QString& connectionName) const;

private:
    QTemporaryDir folder_;
    QProcess daemon_;
    QString address_;
};

// A fake service made by python3-dbusmock on a private bus: a template (`--template logind`)
// or a bare object (`--session NAME PATH INTERFACE`) whose methods the test adds.
class MockService {
public:
    MockService(const PrivateBus& bus, const QStringList& dbusmockArguments,
                const QString& serviceName, const QString& objectPath);
    ~MockService();
    MockService(const MockService&) = delete;
    MockService& operator=(const MockService&) = delete;

    bool started() const { return started_; }
    QString errors() { return QString::fromLocal8Bit(process_.readAllStandardError()); }

    // Adds or replaces a method of the fake; `code` is its Python body.
    bool addMethod(const QString& interface, const QString& name, const QString& inSignature,
                   const QString& code);
    // The arguments of every call of `method` that arrived, oldest first.
    QList<QVariantList> callsOf(const QString& method);

private:
    QDBusConnection connection_;
    QString connectionName_;
    QProcess process_;
    QString service_;
    QString path_;
    bool started_ = false;
};
