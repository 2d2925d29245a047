#pragma once
// The HTTP request object the web request routine works through: one synchronous exchange at
// a time. A call that fails is silent: it has no effect, and a read after a failed exchange
// gives an empty value (empty bytes, empty text, 0). Texts are GBK; the object converts them
// for the wire.

#include "common/Text.h"

#include <functional>
#include <memory>
#include <string>

class HttpRequest {
public:
    // Proxy setting of setProxy: a named proxy server.
    static constexpr int kNamedProxy = 2;

    virtual ~HttpRequest() = default;

    // Milliseconds for name resolution, connection, sending and receiving; 0 means no limit.
    // Sending and receiving count from the last byte that moved, not from the start.
    virtual void setTimeouts(int resolveMs, int connectMs, int sendMs, int receiveMs) = 0;
    virtual void setProxy(int setting, const Text& address) = 0;
    // Starts a new request: the headers set so far are dropped; time-outs, proxy and the
    // redirect setting stay.
    virtual void open(const Text& method, const Text& url, bool asynchronous) = 0;
    // Redirects are followed unless this turns them off.
    virtual void setRedirectsEnabled(bool enabled) = 0;
    virtual void setRequestHeader(const Text& name, const Text& value) = 0;
    // Both return when the exchange has ended, failed or timed out.
    virtual void sendText(const Text& body) = 0;
    virtual void sendBytes(const std::string& body) = 0;

    virtual std::string responseBody() const = 0;
    // The header lines of the final response, each ended by "\r\n".
    virtual Text allResponseHeaders() const = 0;
    virtual int status() const = 0;
};

// Makes a new request object, or null when none can be made.
using HttpRequestFactory = std::function<std::unique_ptr<HttpRequest>()>;
