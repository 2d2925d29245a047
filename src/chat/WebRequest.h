#pragma once
// One HTTP exchange, returning the response body. Every parameter after the URL may be left
// out, and a left-out parameter is told apart from every value, the empty text included.
// Texts are GBK.

#include "chat/HttpRequest.h"
#include "common/Text.h"

#include <optional>
#include <string>

enum class HttpMethod { Get = 0, Post, Head, Put, Options, Delete, Trace, Connect };

// The name on the request line; a number outside the table is GET.
Text httpMethodName(int method);

// The parameters after the URL, in their order. Output parameters point at the caller's
// variables; a null pointer leaves them out.
struct WebRequestOptions {
    std::optional<int> method{}; // HttpMethod number; left out: GET
    std::optional<Text> textBody{};
    // Given (even empty): sent as the Cookie header and, with merging, overwritten with the
    // merged cookies.
    Text* sendCookies = nullptr;
    Text* receivedCookies = nullptr; // out: the cookies the response set, or the merged ones
    Text* extraHeaders = nullptr;    // in and out: completed with the default headers
    Text* responseHeaders = nullptr; // out: header lines of the response, "\r\n" after each
    int* statusCode = nullptr;       // out: 0 when nothing was received
    std::optional<bool> noRedirect{};
    std::optional<std::string> byteBody{}; // wins over textBody when it holds a byte
    std::optional<Text> proxyAddress{};
    std::optional<int> timeoutSeconds{}; // 0, negative or left out: 15; -1: the object's own
    std::optional<Text> proxyUser{};
    std::optional<Text> proxyPassword{};
    std::optional<int> proxyAuthMode{};     // left out: 1, Basic; any other value sends none
    HttpRequest* requestObject = nullptr;   // left out: a new object for this call
    std::optional<bool> autoMergeCookies{}; // left out: true
};

// Makes the exchange with a request object made by `createRequest` unless the options hand one
// over. Failures are silent: the result is then empty, the headers empty and the status 0.
std::string webRequest(const Text& url, const WebRequestOptions& options,
                       const HttpRequestFactory& createRequest);
// The same with a libcurl request object.
std::string webRequest(const Text& url, const WebRequestOptions& options = {});

// The URL as it goes on the request line: converted to UTF-8, with every byte that may not
// stand raw there (controls, space, DEL, bytes of 0x80 and above) percent-encoded. Everything
// else, "&", "=", "#", "+" and "%" included, stays as typed.
Text requestLineUrl(const Text& url);
