#include "LocalHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>

namespace {

constexpr std::size_t kMaxHead = 1 << 20;

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

sockaddr_in loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

int boundSocket(int& port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int yes = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address = loopback(0);
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    port = ntohs(address.sin_port);
    return fd;
}

// Reads the head and the body (by Content-Length) of one request.
bool readRequest(int socket, ReceivedRequest& request) {
    std::string data;
    char buffer[16384];
    std::size_t headEnd = std::string::npos;
    while ((headEnd = data.find("\r\n\r\n")) == std::string::npos) {
        const ssize_t got = ::recv(socket, buffer, sizeof buffer, 0);
        if (got <= 0 || data.size() > kMaxHead) {
            return false;
        }
        data.append(buffer, static_cast<std::size_t>(got));
    }
    request.head = data.substr(0, headEnd);
    std::size_t lineStart = 0;
    bool first = true;
    std::size_t contentLength = 0;
    while (lineStart <= request.head.size()) {
        std::size_t lineEnd = request.head.find("\r\n", lineStart);
        if (lineEnd == std::string::npos) {
            lineEnd = request.head.size();
        }
        const std::string line = request.head.substr(lineStart, lineEnd - lineStart);
        if (first) {
            const std::size_t space = line.find(' ');
            request.method = line.substr(0, space);
            const std::size_t secondSpace = line.rfind(' ');
            request.target = line.substr(space + 1, secondSpace - space - 1);
            first = false;
        } else {
            request.headerLines.push_back(line);
            const std::size_t colon = line.find(':');
            if (colon != std::string::npos && sameName(line.substr(0, colon), "Content-Length")) {
                contentLength = std::strtoul(line.c_str() + colon + 1, nullptr, 10);
            }
        }
        lineStart = lineEnd + 2;
    }
    request.body = data.substr(headEnd + 4);
    while (request.body.size() < contentLength) {
        const ssize_t got = ::recv(socket, buffer, sizeof buffer, 0);
        if (got <= 0) {
            return false;
        }
        request.body.append(buffer, static_cast<std::size_t>(got));
    }
    return true;
}

} // namespace

std::vector<std::string> ReceivedRequest::headerValues(std::string_view name) const {
    std::vector<std::string> values;
    for (const std::string& line : headerLines) {
        const std::size_t colon = line.find(':');
        if (colon != std::string::npos && sameName(std::string_view(line).substr(0, colon), name)) {
            values.emplace_back(trimmed(std::string_view(line).substr(colon + 1)));
        }
    }
    return values;
}

bool LocalHttpServer::Reply::send(std::string_view bytes) {
    while (!bytes.empty()) {
        if (server_.stopping_) {
            return false;
        }
        const ssize_t sent = ::send(socket_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

bool LocalHttpServer::Reply::pause(int ms) {
    std::unique_lock lock(server_.mutex_);
    return !server_.stopped_.wait_for(lock, std::chrono::milliseconds(ms),
                                      [this] { return server_.stopping_.load(); });
}

LocalHttpServer::LocalHttpServer(Handler handler) : handler_(std::move(handler)) {
    listener_ = boundSocket(port_);
    ::listen(listener_, 64);
    acceptor_ = std::thread([this] { acceptLoop(); });
}

LocalHttpServer::~LocalHttpServer() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        for (const int socket : sockets_) {
            ::shutdown(socket, SHUT_RDWR);
        }
    }
    stopped_.notify_all();
    ::shutdown(listener_, SHUT_RDWR);
    acceptor_.join();
    ::close(listener_);
    for (std::thread& worker : workers_) {
        worker.join();
    }
}

std::string LocalHttpServer::hostAndPort() const {
    return "127.0.0.1:" + std::to_string(port_);
}

std::string LocalHttpServer::url(std::string_view path) const {
    return "http://" + hostAndPort() + std::string(path);
}

std::vector<ReceivedRequest> LocalHttpServer::requests() const {
    const std::lock_guard lock(mutex_);
    return requests_;
}

std::string LocalHttpServer::response(int status, std::string_view body, std::string_view headers) {
    return "HTTP/1.1 " + std::to_string(status) +
           " Status\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n" + std::string(headers) + "\r\n" + std::string(body);
}

void LocalHttpServer::acceptLoop() {
    for (;;) {
        const int socket = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (socket < 0) {
            return;
        }
        const std::lock_guard lock(mutex_);
        if (stopping_) {
            ::close(socket);
            return;
        }
        sockets_.push_back(socket);
        workers_.emplace_back([this, socket] { serve(socket); });
    }
}

void LocalHttpServer::serve(int socket) {
    ReceivedRequest request;
    if (readRequest(socket, request)) {
        {
            const std::lock_guard lock(mutex_);
            requests_.push_back(request);
        }
        Reply reply(*this, socket);
        handler_(request, reply);
    }
    const std::lock_guard lock(mutex_);
    ::shutdown(socket, SHUT_RDWR);
    ::close(socket);
    sockets_.erase(std::find(sockets_.begin(), sockets_.end(), socket));
}

int closedLocalPort() {
    int port = 0;
    ::close(boundSocket(port));
    return port;
}

std::string percentDecoded(std::string_view text) {
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() &&
            std::isxdigit(static_cast<unsigned char>(text[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
            decoded +=
                static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}
