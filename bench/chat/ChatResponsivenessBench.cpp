// Measures how late the user-interface thread handles its events while chat requests hang on
// a server that accepts and never answers. A 1 ms timer runs on the thread; the figure is the
// largest gap between two of its ticks beyond the 1 ms, first with nothing in flight, then
// while 20 messages are sent (one every 10 ms, as fast typing would) and left hanging.
//
//     build/bin/bench_chat_responsiveness [requests] [seconds]
//
// Exits with 0 when every gap stayed within 20 ms.

#include "chat/ChatConversation.h"
#include "chat/CurlGlobal.h"
#include "common/Clock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr double kLimitMs = 20.0;

// Accepts connections and never answers them.
class HangingServer {
public:
    HangingServer() {
        listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        socklen_t length = sizeof address;
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        ::listen(listener_, 64);
        acceptor_ = std::thread([this] {
            for (int socket;
                 (socket = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
                const std::lock_guard lock(mutex_);
                held_.push_back(socket);
            }
        });
    }
    ~HangingServer() {
        ::shutdown(listener_, SHUT_RDWR);
        acceptor_.join();
        ::close(listener_);
        for (const int socket : held_) {
            ::close(socket);
        }
    }
    HangingServer(const HangingServer&) = delete;
    HangingServer& operator=(const HangingServer&) = delete;

    std::string hostAndPort() const { return "127.0.0.1:" + std::to_string(port_); }
    int connections() const {
        const std::lock_guard lock(mutex_);
        return static_cast<int>(held_.size());
    }

private:
    int listener_ = -1;
    int port_ = 0;
    mutable std::mutex mutex_;
    std::vector<int> held_;
    std::thread acceptor_;
};

struct Gaps {
    std::vector<double> lateMs;
    double max() const {
        return lateMs.empty() ? 0 : *std::max_element(lateMs.begin(), lateMs.end());
    }
    double percentile(double p) const {
        if (lateMs.empty()) {
            return 0;
        }
        std::vector<double> sorted = lateMs;
        std::sort(sorted.begin(), sorted.end());
        return sorted[static_cast<std::size_t>(p * static_cast<double>(sorted.size() - 1))];
    }
};

} // namespace

int main(int argc, char** argv) {
    const CurlGlobal curl;
    QCoreApplication app(argc, argv);
    const int requests = argc > 1 ? std::atoi(argv[1]) : 20;
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 3;

    HangingServer server;
    SystemClock clock;
    int replies = 0;
    auto conversation = std::make_unique<ChatConversation>(
        ChatbotEndpoint{server.hostAndPort(), "0123456789abcdef0123456789abcdef", "abc123def456"},
        clock, [&replies](const Text&) { ++replies; });

    Gaps idle;
    Gaps loaded;
    Gaps* measuring = &idle;
    double slowestSendMs = 0;
    int sent = 0;
    int inFlightAtEnd = 0;

    QElapsedTimer sinceStart;
    sinceStart.start();
    qint64 lastTickNs = 0;
    qint64 lastSendNs = 0;
    const qint64 idleEndNs = 1'000'000'000;
    const qint64 endNs = idleEndNs + qint64{seconds} * 1'000'000'000;

    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(1);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = sinceStart.nsecsElapsed();
        if (lastTickNs > 0) {
            measuring->lateMs.push_back(std::max(0.0, double(now - lastTickNs) / 1e6 - 1.0));
        }
        lastTickNs = now;
        if (now >= idleEndNs) {
            measuring = &loaded;
            if (sent < requests && now - lastSendNs >= 10'000'000) {
                QElapsedTimer sendTime;
                sendTime.start();
                conversation->send("hang " + std::to_string(sent));
                slowestSendMs = std::max(slowestSendMs, double(sendTime.nsecsElapsed()) / 1e6);
                ++sent;
                lastSendNs = now;
            }
        }
        if (now >= endNs) {
            inFlightAtEnd = conversation->workersInFlight();
            probe.stop();
            QCoreApplication::quit();
        }
    });
    probe.start();
    QCoreApplication::exec();

    QElapsedTimer closing;
    closing.start();
    conversation.reset();
    const double closingMs = double(closing.nsecsElapsed()) / 1e6;

    std::printf(
        "nothing in flight:       %zu ticks, largest gap %.2f ms, 99th percentile %.2f ms\n",
        idle.lateMs.size(), idle.max(), idle.percentile(0.99));
    std::printf(
        "%2d requests hanging:     %zu ticks, largest gap %.2f ms, 99th percentile %.2f ms\n",
        requests, loaded.lateMs.size(), loaded.max(), loaded.percentile(0.99));
    std::printf("slowest send on the user-interface thread: %.2f ms\n", slowestSendMs);
    std::printf(
        "connections held by the server: %d, workers in flight at the end: %d, replies: %d\n",
        server.connections(), inFlightAtEnd, replies);
    std::printf("closing the conversation with them in flight: %.2f ms\n", closingMs);
    const bool ok = loaded.max() <= kLimitMs && inFlightAtEnd == requests;
    std::printf("%s: every gap %s %.0f ms\n", ok ? "PASS" : "FAIL", ok ? "within" : "NOT within",
                kLimitMs);
    return ok ? 0 : 1;
}
