#include "chat/CurlHttpRequest.h"

#include "chat/Utf8Conversion.h"
#include "common/Codec.h"

#include <curl/curl.h>

#include <algorithm>
#include <chrono>

namespace {

using SteadyClock = std::chrono::steady_clock;

// How long the transfer loop sleeps at most between two looks at the clock and the stop flag:
// the resolution of the sending and receiving time-outs.
constexpr int kPollMs = 20;
constexpr long kMaxRedirects = 10;

// What the callbacks of one exchange share.
struct Exchange {
    CURL* easy = nullptr;
    const std::atomic<bool>* stop = nullptr;
    int sendMs = 0;
    int receiveMs = 0;
    std::string body;
    bool capped = false;
    std::vector<std::string> headerLines;
    SteadyClock::time_point lastActivity = SteadyClock::now();
    curl_off_t lastUploaded = 0;
};

class HeaderList {
public:
    HeaderList() = default;
    ~HeaderList() { curl_slist_free_all(list_); }
    HeaderList(const HeaderList&) = delete;
    HeaderList& operator=(const HeaderList&) = delete;

    void append(const std::string& line) {
        if (curl_slist* grown = curl_slist_append(list_, line.c_str())) {
            list_ = grown;
        }
    }
    curl_slist* get() const { return list_; }

private:
    curl_slist* list_ = nullptr;
};

struct MultiCleanup {
    void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return asciiLower(x) == asciiLower(y);
           });
}

// A header the wire could not carry as one line is refused, so no text can add a header line
// of its own.
bool isValidHeader(std::string_view name, std::string_view value) {
    if (name.empty() || name.find_first_of(":\r\n\t ", 0) != std::string_view::npos ||
        name.find('\0') != std::string_view::npos) {
        return false;
    }
    return value.find_first_of("\r\n") == std::string_view::npos &&
           value.find('\0') == std::string_view::npos;
}

size_t onBody(char* data, size_t size, size_t count, void* user) {
    auto& exchange = *static_cast<Exchange*>(user);
    const size_t length = size * count;
    exchange.lastActivity = SteadyClock::now();
    const size_t room = CurlHttpRequest::kBodyCap - exchange.body.size();
    if (length > room) {
        // Keeping what fits and refusing the rest ends the transfer; the kept part is the
        // answer.
        exchange.body.append(data, room);
        exchange.capped = true;
        return 0;
    }
    exchange.body.append(data, length);
    return length;
}

size_t onHeader(char* data, size_t size, size_t count, void* user) {
    auto& exchange = *static_cast<Exchange*>(user);
    const size_t length = size * count;
    exchange.lastActivity = SteadyClock::now();
    std::string_view line(data, length);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
        line.remove_suffix(1);
    }
    // Every status line starts a new response (a redirect, an interim answer, a proxy's
    // tunnel answer); only the final response's headers are kept.
    if (line.substr(0, 5) == "HTTP/") {
        exchange.headerLines.clear();
    } else if (!line.empty()) {
        exchange.headerLines.emplace_back(line);
    }
    return length;
}

// Called by libcurl on every turn of the transfer loop. Aborts when asked to stop, or when
// nothing was sent or received for the time-out of the current phase.
int onProgress(void* user, curl_off_t, curl_off_t, curl_off_t uploadTotal, curl_off_t uploaded) {
    auto& exchange = *static_cast<Exchange*>(user);
    if (exchange.stop && exchange.stop->load()) {
        return 1;
    }
    const SteadyClock::time_point now = SteadyClock::now();
    curl_off_t connectedAfterUs = 0;
    curl_easy_getinfo(exchange.easy, CURLINFO_CONNECT_TIME_T, &connectedAfterUs);
    // Until the connection stands, the connection time-out governs.
    if (connectedAfterUs == 0 || uploaded != exchange.lastUploaded) {
        exchange.lastUploaded = uploaded;
        exchange.lastActivity = now;
    }
    const bool sending = uploadTotal > 0 && uploaded < uploadTotal;
    const int limitMs = sending ? exchange.sendMs : exchange.receiveMs;
    return limitMs > 0 && now - exchange.lastActivity > std::chrono::milliseconds(limitMs) ? 1 : 0;
}

// Runs the transfer with a short poll, so the progress callback sees the clock and the stop
// flag often even when no byte moves.
CURLcode runTransfer(CURL* easy, const std::atomic<bool>* stop) {
    const std::unique_ptr<CURLM, MultiCleanup> multi(curl_multi_init());
    if (!multi || curl_multi_add_handle(multi.get(), easy) != CURLM_OK) {
        return CURLE_OUT_OF_MEMORY;
    }
    CURLcode result = CURLE_FAILED_INIT;
    for (;;) {
        int running = 0;
        if (curl_multi_perform(multi.get(), &running) != CURLM_OK) {
            break;
        }
        if (running == 0) {
            int queued = 0;
            while (CURLMsg* message = curl_multi_info_read(multi.get(), &queued)) {
                if (message->msg == CURLMSG_DONE && message->easy_handle == easy) {
                    result = message->data.result;
                }
            }
            break;
        }
        if (stop && stop->load()) {
            result = CURLE_ABORTED_BY_CALLBACK;
            break;
        }
        if (curl_multi_poll(multi.get(), nullptr, 0, kPollMs, nullptr) != CURLM_OK) {
            break;
        }
    }
    curl_multi_remove_handle(multi.get(), easy);
    return result;
}

} // namespace

std::unique_ptr<CurlHttpRequest> CurlHttpRequest::create(const std::atomic<bool>* stop) {
    CURL* easy = curl_easy_init();
    if (!easy) {
        return nullptr;
    }
    return std::unique_ptr<CurlHttpRequest>(new CurlHttpRequest(easy, stop));
}

CurlHttpRequest::CurlHttpRequest(void* easy, const std::atomic<bool>* stop)
    : easy_(easy), stop_(stop) {}

CurlHttpRequest::~CurlHttpRequest() {
    curl_easy_cleanup(easy_);
}

void CurlHttpRequest::setTimeouts(int resolveMs, int connectMs, int sendMs, int receiveMs) {
    resolveMs_ = std::max(resolveMs, 0);
    connectMs_ = std::max(connectMs, 0);
    sendMs_ = std::max(sendMs, 0);
    receiveMs_ = std::max(receiveMs, 0);
}

void CurlHttpRequest::setProxy(int setting, const Text& address) {
    proxy_ = setting == kNamedProxy ? utf8FromGbk(address) : std::string();
}

void CurlHttpRequest::open(const Text& method, const Text& url, bool asynchronous) {
    // Only synchronous exchanges are offered.
    opened_ = !asynchronous;
    if (!opened_) {
        return;
    }
    method_ = utf8FromGbk(method);
    url_ = utf8FromGbk(url);
    headers_.clear();
    forgetResponse();
}

void CurlHttpRequest::setRedirectsEnabled(bool enabled) {
    redirects_ = enabled;
}

void CurlHttpRequest::setRequestHeader(const Text& name, const Text& value) {
    std::string wireName = utf8FromGbk(name);
    std::string wireValue = utf8FromGbk(value);
    if (opened_ && isValidHeader(wireName, wireValue)) {
        headers_.emplace_back(std::move(wireName), std::move(wireValue));
    }
}

void CurlHttpRequest::sendText(const Text& body) {
    perform(utf8FromGbk(body));
}

void CurlHttpRequest::sendBytes(const std::string& body) {
    perform(body);
}

Text CurlHttpRequest::allResponseHeaders() const {
    std::string block;
    for (const std::string& line : headerLines_) {
        block += line;
        block += "\r\n";
    }
    return gbkFromUtf8(block);
}

void CurlHttpRequest::forgetResponse() {
    body_.clear();
    headerLines_.clear();
    status_ = 0;
}

void CurlHttpRequest::perform(const std::string& body) {
    forgetResponse();
    if (!opened_) {
        return;
    }
    CURL* easy = easy_;
    Exchange exchange;
    exchange.easy = easy;
    exchange.stop = stop_;
    exchange.sendMs = sendMs_;
    exchange.receiveMs = receiveMs_;

    curl_easy_setopt(easy, CURLOPT_URL, url_.c_str());
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    // A stopped exchange must not wait for a slow name lookup to finish.
    curl_easy_setopt(easy, CURLOPT_QUICK_EXIT, 1L);
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, 2L);
    // Header names keep the case the caller gave, as on HTTP/1.1.
    curl_easy_setopt(easy, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, redirects_ ? 1L : 0L);
    curl_easy_setopt(easy, CURLOPT_MAXREDIRS, kMaxRedirects);
    // An empty proxy also keeps proxies named in the environment out.
    curl_easy_setopt(easy, CURLOPT_PROXY, proxy_.c_str());
    // Resolving and connecting are one phase here; each keeps its own budget. 0 is no limit.
    const long connectLimitMs =
        resolveMs_ == 0 || connectMs_ == 0 ? 0L : static_cast<long>(resolveMs_) + connectMs_;
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, connectLimitMs);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, onBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &exchange);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, onHeader);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, &exchange);
    curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(easy, CURLOPT_XFERINFODATA, &exchange);
    curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);

    const bool head = method_ == "HEAD";
    const bool withBody = !head && (!body.empty() || method_ == "POST" || method_ == "PUT");
    curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L);
    if (head) {
        curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
    } else if (withBody) {
        curl_easy_setopt(easy, CURLOPT_POST, 1L);
        curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
        curl_easy_setopt(easy, CURLOPT_POSTFIELDS, body.data());
    }
    const bool ownVerb = method_ == "GET" || method_ == "HEAD" || method_ == "POST";
    curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, ownVerb ? nullptr : method_.c_str());

    // libcurl adds some headers of its own unless told otherwise; only the transport's own
    // (Host, Content-Length) go out beside those the caller set.
    HeaderList serverHeaders;
    HeaderList proxyHeaders;
    bool hasAccept = false;
    bool hasContentType = false;
    bool hasExpect = false;
    for (const auto& [name, value] : headers_) {
        const std::string line = value.empty() ? name + ";" : name + ": " + value;
        // Proxy credentials go to the proxy only, never through a tunnel to the server.
        (sameName(name, "Proxy-Authorization") ? proxyHeaders : serverHeaders).append(line);
        hasAccept = hasAccept || sameName(name, "Accept");
        hasContentType = hasContentType || sameName(name, "Content-Type");
        hasExpect = hasExpect || sameName(name, "Expect");
    }
    if (!hasAccept) {
        serverHeaders.append("Accept:");
    }
    if (withBody && !hasContentType) {
        serverHeaders.append("Content-Type:");
    }
    if (!hasExpect) {
        serverHeaders.append("Expect:");
    }
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, serverHeaders.get());
    curl_easy_setopt(easy, CURLOPT_PROXYHEADER, proxyHeaders.get());
    curl_easy_setopt(easy, CURLOPT_HEADEROPT, static_cast<long>(CURLHEADER_SEPARATE));

    const CURLcode result = runTransfer(easy, stop_);

    // Nothing the handle points at outlives this exchange.
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, static_cast<curl_slist*>(nullptr));
    curl_easy_setopt(easy, CURLOPT_PROXYHEADER, static_cast<curl_slist*>(nullptr));
    curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, static_cast<void*>(nullptr));
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, static_cast<void*>(nullptr));
    curl_easy_setopt(easy, CURLOPT_XFERINFODATA, static_cast<void*>(nullptr));

    if (result != CURLE_OK && !(result == CURLE_WRITE_ERROR && exchange.capped)) {
        return;
    }
    long code = 0;
    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &code);
    body_ = std::move(exchange.body);
    headerLines_ = std::move(exchange.headerLines);
    status_ = static_cast<int>(code);
}
