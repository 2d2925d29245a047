#pragma once
// A small HTTP/1.1 server on 127.0.0.1 for tests: every connection gets one request, answered
// by the test's handler on a thread of its own, and is then closed. Stopping it (the
// destructor) interrupts handlers that are still pausing or sending.

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

struct ReceivedRequest {
    std::string head; // request line and header lines as they came, up to the empty line
    std::string method;
    std::string target;
    std::vector<std::string> headerLines;
    std::string body;

    // Values of the header lines named `name` (any case), in order.
    std::vector<std::string> headerValues(std::string_view name) const;
};

class LocalHttpServer {
public:
    class Reply {
    public:
        // False once the client has gone or the server is stopping.
        bool send(std::string_view bytes);
        // Waits, unless the server stops meanwhile (then false).
        bool pause(int ms);

    private:
        friend class LocalHttpServer;
        Reply(LocalHttpServer& server, int socket) : server_(server), socket_(socket) {}
        LocalHttpServer& server_;
        int socket_;
    };
    using Handler = std::function<void(const ReceivedRequest&, Reply&)>;

    explicit LocalHttpServer(Handler handler);
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    int port() const { return port_; }
    // "127.0.0.1:port"
    std::string hostAndPort() const;
    // "http://127.0.0.1:port" + path
    std::string url(std::string_view path) const;
    std::vector<ReceivedRequest> requests() const;

    // A whole answer with Content-Length and "Connection: close"; `headers` are extra lines,
    // each ended by "\r\n".
    static std::string response(int status, std::string_view body, std::string_view headers = {});

private:
    void acceptLoop();
    void serve(int socket);

    Handler handler_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::condition_variable stopped_;
    std::vector<int> sockets_;
    std::vector<std::thread> workers_;
    std::vector<ReceivedRequest> requests_;
    std::thread acceptor_;
};

// A port on 127.0.0.1 where nothing listens.
int closedLocalPort();

// Decodes %XX escapes (and nothing else).
std::string percentDecoded(std::string_view text);
