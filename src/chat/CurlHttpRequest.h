#pragma once
// The request object on libcurl, one easy handle per object. It speaks HTTP and HTTPS only
// (redirects included), always verifies certificates, and keeps at most kBodyCap bytes of a
// response body.

#include "chat/HttpRequest.h"

#include <atomic>
#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class CurlHttpRequest final : public HttpRequest {
public:
    // A longer body is cut here and the transfer ended; what was kept is the answer.
    static constexpr std::size_t kBodyCap = std::size_t{16} * 1024 * 1024;

    // Null when libcurl cannot make a handle. While `stop` (when given) is true, an exchange
    // ends at once as a failed one; the flag must outlive the object.
    static std::unique_ptr<CurlHttpRequest> create(const std::atomic<bool>* stop = nullptr);
    ~CurlHttpRequest() override;
    CurlHttpRequest(const CurlHttpRequest&) = delete;
    CurlHttpRequest& operator=(const CurlHttpRequest&) = delete;

    void setTimeouts(int resolveMs, int connectMs, int sendMs, int receiveMs) override;
    void setProxy(int setting, const Text& address) override;
    void open(const Text& method, const Text& url, bool asynchronous) override;
    void setRedirectsEnabled(bool enabled) override;
    void setRequestHeader(const Text& name, const Text& value) override;
    void sendText(const Text& body) override;
    void sendBytes(const std::string& body) override;

    std::string responseBody() const override { return body_; }
    Text allResponseHeaders() const override;
    int status() const override { return status_; }

private:
    CurlHttpRequest(void* easy, const std::atomic<bool>* stop);
    void perform(const std::string& body);
    void forgetResponse();

    void* easy_;
    const std::atomic<bool>* stop_;

    // Settings that stay from one exchange to the next, starting at the platform's defaults.
    int resolveMs_ = 0;
    int connectMs_ = 60'000;
    int sendMs_ = 30'000;
    int receiveMs_ = 30'000;
    std::string proxy_;
    bool redirects_ = true;

    // The opened request, in UTF-8.
    bool opened_ = false;
    std::string method_;
    std::string url_;
    std::vector<std::pair<std::string, std::string>> headers_;

    // The answer of the last exchange.
    std::string body_;
    std::vector<std::string> headerLines_;
    int status_ = 0;
};
