#include "app/EndSignals.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A signal handler may only write to a descriptor; the event loop reads the other end.
int signalSockets[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalSockets[0], &byte, 1);
}

} // namespace

EndSignals::EndSignals(std::function<void()> endProgram, QObject* parent)
    : QObject(parent), endProgram_(std::move(endProgram)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSockets) != 0) {
        return;
    }
    notifier_ = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const auto got = ::read(signalSockets[1], &byte, 1);
        endProgram_();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
        ::sigaction(signal, &action, nullptr);
    }
}

EndSignals::~EndSignals() {
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
        std::signal(signal, SIG_DFL);
    }
    for (int& socket : signalSockets) {
        if (socket >= 0) {
            ::close(socket);
            socket = -1;
        }
    }
}
