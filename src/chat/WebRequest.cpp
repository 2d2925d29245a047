#include "chat/WebRequest.h"

#include "chat/CookieMerging.h"
#include "chat/CurlHttpRequest.h"
#include "chat/Utf8Conversion.h"
#include "chat/WebRequestText.h"

#include <array>
#include <climits>

namespace {

constexpr int kDefaultTimeoutMs = 15'000;
constexpr int kKeepObjectTimeouts = -1;
constexpr char kDefaultUserAgent[] = "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";

constexpr std::array<const char*, 8> kMethodNames = {"GET",     "POST",   "HEAD",  "PUT",
                                                     "OPTIONS", "DELETE", "TRACE", "CONNECT"};

bool contains(const Text& text, std::string_view part) {
    return findText(text, part) > 0;
}

int timeoutMs(int seconds) {
    if (seconds < 1) {
        return kDefaultTimeoutMs;
    }
    return seconds > INT_MAX / 1000 ? INT_MAX : seconds * 1000;
}

void completeHeaders(Text& headers, const Text& url, int method) {
    if (headers.empty()) {
        headers = "Accept: */*";
    } else if (!contains(headers, "Accept:")) {
        headers += "\r\nAccept: */*";
    }
    if (!contains(headers, "Referer:")) {
        headers += "\r\nReferer: " + url;
    }
    if (!contains(headers, "Accept-Language:")) {
        headers += "\r\nAccept-Language: zh-cn";
    }
    if (!contains(headers, "User-Agent:")) {
        headers += std::string("\r\nUser-Agent: ") + kDefaultUserAgent;
    }
    if (method == static_cast<int>(HttpMethod::Post)) {
        headers = replaceAll(headers, "content-type", "Content-Type");
        if (!contains(headers, "Content-Type:")) {
            headers += "\r\nContent-Type: application/x-www-form-urlencoded";
        }
    }
}

void setHeaderLine(HttpRequest& request, std::string_view line) {
    const Text name = headerName(line);
    if (!name.empty()) {
        request.setRequestHeader(name, headerValue(line));
    }
}

void setHeaderLines(HttpRequest& request, const Text& headers) {
    if (!contains(headers, "\r\n")) {
        setHeaderLine(request, headers);
        return;
    }
    for (const Text& line : splitText(headers, "\r\n")) {
        if (!line.empty()) {
            setHeaderLine(request, line);
        }
    }
}

Text cookiesSetBy(const Text& responseHeaders) {
    Text cookies;
    for (const Text& line : splitText(responseHeaders, "\r\n")) {
        if (textBefore(line, ": ", 1, false) != "Set-Cookie") {
            continue;
        }
        // The name=value pair before the first attribute.
        const Text item = contains(line, ";")
                              ? trimSpaces(textBetween(line, "Set-Cookie:", ";", 1, false))
                              : trimSpaces(replaceAll(line, "Set-Cookie:", "", true));
        cookies += item + "; ";
    }
    if (!cookies.empty()) {
        cookies.resize(cookies.size() - 2);
    }
    return cookies;
}

} // namespace

Text httpMethodName(int method) {
    return method >= 0 && method < static_cast<int>(kMethodNames.size()) ? kMethodNames[method]
                                                                         : kMethodNames[0];
}

Text requestLineUrl(const Text& url) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    Text encoded;
    for (const char c : utf8FromGbk(url)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte >= 0x7F) {
            encoded += '%';
            encoded += kHex[byte >> 4];
            encoded += kHex[byte & 0x0F];
        } else {
            encoded += c;
        }
    }
    return encoded;
}

std::string webRequest(const Text& url, const WebRequestOptions& options,
                       const HttpRequestFactory& createRequest) {
    const bool autoMergeCookies = options.autoMergeCookies.value_or(true);
    int method = options.method.value_or(0);
    if (method < 0 || method >= static_cast<int>(kMethodNames.size())) {
        method = 0;
    }

    std::unique_ptr<HttpRequest> ownRequest;
    HttpRequest* request = options.requestObject;
    if (!request) {
        ownRequest = createRequest ? createRequest() : nullptr;
        request = ownRequest.get();
    }
    if (!request) {
        return {};
    }

    const int timeoutSeconds = options.timeoutSeconds.value_or(0);
    if (timeoutSeconds != kKeepObjectTimeouts) {
        const int t = timeoutMs(timeoutSeconds);
        request->setTimeouts(t, t, t, t);
    }
    const Text proxyAddress = options.proxyAddress.value_or(Text());
    if (!proxyAddress.empty()) {
        request->setProxy(HttpRequest::kNamedProxy, proxyAddress);
    }

    // The URL is encoded once, and that form is also what the Referer header carries: a line
    // break typed into a query can neither break the request line nor start a header.
    const Text wireUrl = requestLineUrl(url);
    request->open(httpMethodName(method), wireUrl, false);

    const Text proxyUser = options.proxyUser.value_or(Text());
    if (!proxyAddress.empty() && !proxyUser.empty() && options.proxyAuthMode.value_or(1) == 1) {
        const Text credentials = proxyUser + ":" + options.proxyPassword.value_or(Text());
        request->setRequestHeader("Proxy-Authorization", "Basic " + base64Encode(credentials));
    }
    if (options.noRedirect.value_or(false)) {
        request->setRedirectsEnabled(false);
    }
    // Certificates are always verified: the object offers no way to ignore their errors.

    Text ownHeaders;
    Text& headers = options.extraHeaders ? *options.extraHeaders : ownHeaders;
    completeHeaders(headers, wireUrl, method);
    if (options.sendCookies) {
        request->setRequestHeader("Cookie", *options.sendCookies);
    }
    setHeaderLines(*request, headers);

    if (options.byteBody && !options.byteBody->empty()) {
        request->sendBytes(*options.byteBody);
    } else {
        request->sendText(options.textBody.value_or(Text()));
    }

    std::string body = request->responseBody();
    const Text responseHeaders = request->allResponseHeaders();
    const int status = request->status();
    Text receivedCookies = cookiesSetBy(responseHeaders);
    if (autoMergeCookies && options.sendCookies) {
        receivedCookies = mergeCookies(*options.sendCookies, receivedCookies);
    }
    if (options.responseHeaders) {
        *options.responseHeaders = responseHeaders;
    }
    if (options.statusCode) {
        *options.statusCode = status;
    }
    if (options.receivedCookies) {
        *options.receivedCookies = receivedCookies;
    }
    return body;
}

std::string webRequest(const Text& url, const WebRequestOptions& options) {
    return webRequest(url, options, [] { return CurlHttpRequest::create(); });
}
