// The web request routine over libcurl against real servers on 127.0.0.1.

#include "LocalHttpServer.h"
#include "chat/CurlHttpRequest.h"
#include "chat/WebRequest.h"
#include "chat/WebRequestText.h"
#include "common/Codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

namespace {

using std::chrono::milliseconds;
using SteadyClock = std::chrono::steady_clock;

// Answers every request with the same bytes.
LocalHttpServer::Handler answering(std::string answer) {
    return [answer](const ReceivedRequest&, LocalHttpServer::Reply& reply) { reply.send(answer); };
}

TEST(WebRequestServerTest, TwoSetCookieLinesGiveTheTwoPairs) {
    LocalHttpServer server(answering(LocalHttpServer::response(
        200, "ok", "Set-Cookie: sid=abc; Path=/; HttpOnly\r\nSet-Cookie: theme=dark\r\n")));
    Text sent = "theme=light; lang=zh";
    Text received;
    Text headers;
    EXPECT_EQ(webRequest(server.url("/"), {.sendCookies = &sent,
                                           .receivedCookies = &received,
                                           .responseHeaders = &headers}),
              "ok");
    EXPECT_EQ(received, "sid=abc; theme=dark; lang=zh");
    EXPECT_EQ(sent, received);
    EXPECT_NE(headers.find("Set-Cookie: theme=dark\r\n"), Text::npos);
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(server.requests()[0].headerValues("Cookie"),
              std::vector<std::string>{"theme=light; lang=zh"});
}

TEST(WebRequestServerTest, CookiesOfTheResponseAloneWhenNoneWereSent) {
    LocalHttpServer server(answering(LocalHttpServer::response(
        200, "", "Set-Cookie: sid=abc; Path=/\r\nSet-Cookie: theme=dark\r\n")));
    Text received;
    webRequest(server.url("/"), {.receivedCookies = &received});
    EXPECT_EQ(received, "sid=abc; theme=dark");
    EXPECT_TRUE(server.requests()[0].headerValues("Cookie").empty());
}

TEST(WebRequestServerTest, PostCarriesTheDefaultHeadersOnTheWire) {
    LocalHttpServer server(answering(LocalHttpServer::response(200, "")));
    const std::string url = server.url("/form?x=1");
    Text sent;
    webRequest(url, {.method = 1, .sendCookies = &sent});
    ASSERT_EQ(server.requests().size(), 1u);
    const ReceivedRequest request = server.requests()[0];
    EXPECT_EQ(request.method, "POST");
    EXPECT_EQ(request.target, "/form?x=1");
    EXPECT_EQ(request.headerValues("Accept"), std::vector<std::string>{"*/*"});
    EXPECT_EQ(request.headerValues("Referer"), std::vector<std::string>{url});
    EXPECT_EQ(request.headerValues("Accept-Language"), std::vector<std::string>{"zh-cn"});
    EXPECT_EQ(request.headerValues("User-Agent"),
              std::vector<std::string>{"Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)"});
    EXPECT_EQ(request.headerValues("Content-Type"),
              std::vector<std::string>{"application/x-www-form-urlencoded"});
    EXPECT_EQ(request.headerValues("Content-Length"), std::vector<std::string>{"0"});
    EXPECT_EQ(request.headerValues("Cookie"), std::vector<std::string>{""});
    EXPECT_TRUE(request.headerValues("Expect").empty());
}

TEST(WebRequestServerTest, HeadersOfTheCallerGoOutAsSetAndNothingIsAddedBesideThem) {
    LocalHttpServer server(answering(LocalHttpServer::response(200, "")));
    Text extra = "X-Accept: foo\r\naccept: text/html";
    webRequest(server.url("/"), {.extraHeaders = &extra});
    const ReceivedRequest request = server.requests().at(0);
    EXPECT_EQ(request.headerValues("X-Accept"), std::vector<std::string>{"foo"});
    // "X-Accept:" counts as an Accept line, so no default one; the lowercase one goes as given.
    EXPECT_EQ(request.headerValues("accept"), std::vector<std::string>{"text/html"});
    EXPECT_NE(request.head.find("\r\naccept: text/html"), std::string::npos);
}

TEST(WebRequestServerTest, PrintableQueryCharactersReachTheServerAsTyped) {
    LocalHttpServer server(answering(LocalHttpServer::response(200, "")));
    std::string printable;
    for (char c = '!'; c <= '~'; ++c) {
        // "#" starts the fragment, which stays with the client.
        if (c != '#') {
            printable += c;
        }
    }
    int status = 0;
    webRequest(server.url("/q?") + printable + "#fragment", {.statusCode = &status});
    EXPECT_EQ(status, 200);
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(server.requests()[0].target, "/q?" + printable);
}

TEST(WebRequestServerTest, TextBodyGoesAsUtf8AndByteBodyAsItIs) {
    LocalHttpServer server(answering(LocalHttpServer::response(200, "")));
    webRequest(server.url("/t"), {.method = 1, .textBody = "中文 body"_gbk});
    const std::string bytes("\x00\x01\xFE\xFF", 4);
    webRequest(server.url("/b"), {.method = 3, .textBody = Text("ignored"), .byteBody = bytes});
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].body, "\xE4\xB8\xAD\xE6\x96\x87 body");
    EXPECT_EQ(requests[1].method, "PUT");
    EXPECT_EQ(requests[1].body, bytes);
    // Only a content type the caller gave is sent with a byte body.
    EXPECT_TRUE(requests[1].headerValues("Content-Type").empty());
}

TEST(WebRequestServerTest, MethodsGoOnTheRequestLineByNumber) {
    LocalHttpServer server(answering(LocalHttpServer::response(200, "")));
    for (const int method : {0, 2, 4, 5, 6, 9}) {
        webRequest(server.url("/"), {.method = method});
    }
    std::vector<std::string> methods;
    for (const ReceivedRequest& request : server.requests()) {
        methods.push_back(request.method);
    }
    std::sort(methods.begin(), methods.end());
    EXPECT_EQ(methods,
              (std::vector<std::string>{"DELETE", "GET", "GET", "HEAD", "OPTIONS", "TRACE"}));
}

class RedirectTest : public ::testing::Test {
protected:
    LocalHttpServer server{[](const ReceivedRequest& request, LocalHttpServer::Reply& reply) {
        if (request.target == "/from") {
            reply.send(LocalHttpServer::response(302, "moved", "Location: /to\r\n"));
        } else if (request.target == "/elsewhere") {
            reply.send(LocalHttpServer::response(302, "", "Location: file:///etc/hostname\r\n"));
        } else {
            reply.send(LocalHttpServer::response(200, "arrived", "Set-Cookie: at=to\r\n"));
        }
    }};
    Text headers;
    int status = 0;
};

TEST_F(RedirectTest, IsFollowedByDefault) {
    EXPECT_EQ(webRequest(server.url("/from"), {.responseHeaders = &headers, .statusCode = &status}),
              "arrived");
    EXPECT_EQ(status, 200);
    // The headers are those of the final answer only.
    EXPECT_EQ(headers.find("Location"), Text::npos);
    EXPECT_NE(headers.find("Set-Cookie: at=to\r\n"), Text::npos);
}

TEST_F(RedirectTest, IsNotFollowedWithNoRedirect) {
    EXPECT_EQ(webRequest(server.url("/from"),
                         {.responseHeaders = &headers, .statusCode = &status, .noRedirect = true}),
              "moved");
    EXPECT_EQ(status, 302);
    EXPECT_NE(headers.find("Location: /to\r\n"), Text::npos);
    EXPECT_EQ(server.requests().size(), 1u);
}

TEST_F(RedirectTest, ToAnotherSchemeThanHttpIsRefused) {
    EXPECT_EQ(webRequest(server.url("/elsewhere"), {.statusCode = &status}), "");
    EXPECT_EQ(status, 0);
}

TEST(WebRequestServerTest, OnlyHttpAndHttpsAreSpoken) {
    int status = -1;
    EXPECT_EQ(webRequest("file:///etc/hostname", {.statusCode = &status}), "");
    EXPECT_EQ(status, 0);
}

TEST(WebRequestServerTest, OneSecondTimeoutAgainstAThreeSecondDelayGivesEmptyInAboutASecond) {
    LocalHttpServer server([](const ReceivedRequest&, LocalHttpServer::Reply& reply) {
        if (reply.pause(3000)) {
            reply.send(LocalHttpServer::response(200, "late"));
        }
    });
    Text headers = "untouched";
    int status = -1;
    const auto start = SteadyClock::now();
    const std::string body =
        webRequest(server.url("/slow"),
                   {.responseHeaders = &headers, .statusCode = &status, .timeoutSeconds = 1});
    const auto elapsed = std::chrono::duration_cast<milliseconds>(SteadyClock::now() - start);
    EXPECT_EQ(body, "");
    EXPECT_EQ(headers, "");
    EXPECT_EQ(status, 0);
    EXPECT_GE(elapsed, milliseconds(950));
    EXPECT_LT(elapsed, milliseconds(1500));
}

TEST(WebRequestServerTest, StallInTheMiddleOfTheBodyTimesOut) {
    LocalHttpServer server([](const ReceivedRequest&, LocalHttpServer::Reply& reply) {
        reply.send("HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nhalf");
        reply.pause(3000);
    });
    const auto start = SteadyClock::now();
    EXPECT_EQ(webRequest(server.url("/"), {.timeoutSeconds = 1}), "");
    EXPECT_LT(SteadyClock::now() - start, milliseconds(1500));
}

TEST(WebRequestServerTest, ErrorStatusComesWithItsBody) {
    LocalHttpServer server(answering(LocalHttpServer::response(500, "boom")));
    int status = 0;
    EXPECT_EQ(webRequest(server.url("/"), {.statusCode = &status}), "boom");
    EXPECT_EQ(status, 500);
}

TEST(WebRequestServerTest, HundredMegabyteAnswerIsCutAtTheCap) {
    constexpr std::size_t kAnnounced = std::size_t{100} * 1024 * 1024;
    LocalHttpServer server([](const ReceivedRequest&, LocalHttpServer::Reply& reply) {
        reply.send("HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(kAnnounced) + "\r\n\r\n");
        const std::string chunk(1 << 20, 'x');
        for (std::size_t sent = 0; sent < kAnnounced && reply.send(chunk); sent += chunk.size()) {
        }
    });
    int status = 0;
    const std::string body = webRequest(server.url("/big"), {.statusCode = &status});
    EXPECT_EQ(body.size(), CurlHttpRequest::kBodyCap);
    EXPECT_EQ(body.size(), std::size_t{16} * 1024 * 1024);
    EXPECT_EQ(status, 200);
}

TEST(WebRequestServerTest, UnreachableServerGivesEmptyEverything) {
    Text sent = "a = 1";
    Text received = "stale";
    Text headers = "stale";
    int status = -1;
    EXPECT_EQ(webRequest("http://127.0.0.1:" + std::to_string(closedLocalPort()) + "/",
                         {.sendCookies = &sent,
                          .receivedCookies = &received,
                          .responseHeaders = &headers,
                          .statusCode = &status}),
              "");
    EXPECT_EQ(headers, "");
    EXPECT_EQ(status, 0);
    // Merging still runs, with nothing received.
    EXPECT_EQ(received, "a=1");
    EXPECT_EQ(sent, "a=1");
}

TEST(WebRequestServerTest, ProxyGetsTheRequestWithBasicAuthorization) {
    LocalHttpServer proxy(answering(LocalHttpServer::response(200, "via proxy")));
    EXPECT_EQ(webRequest("http://target.invalid/page?q=1", {.proxyAddress = proxy.hostAndPort(),
                                                            .proxyUser = Text("user"),
                                                            .proxyPassword = Text("secret")}),
              "via proxy");
    ASSERT_EQ(proxy.requests().size(), 1u);
    const ReceivedRequest request = proxy.requests()[0];
    EXPECT_EQ(request.target, "http://target.invalid/page?q=1");
    EXPECT_EQ(request.headerValues("Proxy-Authorization"),
              std::vector<std::string>{"Basic " + base64Encode("user:secret")});
}

TEST(WebRequestServerTest, StopFlagEndsARunningExchangeAtOnce) {
    LocalHttpServer server(
        [](const ReceivedRequest&, LocalHttpServer::Reply& reply) { reply.pause(5000); });
    std::atomic<bool> stop{false};
    const auto request = CurlHttpRequest::create(&stop);
    ASSERT_TRUE(request);
    std::thread stopper([&stop] {
        std::this_thread::sleep_for(milliseconds(200));
        stop = true;
    });
    const auto start = SteadyClock::now();
    EXPECT_EQ(webRequest(server.url("/"), {.requestObject = request.get()}), "");
    EXPECT_LT(SteadyClock::now() - start, milliseconds(600));
    stopper.join();
}

TEST(WebRequestServerTest, RequestObjectRefusesHeaderLinesThatWouldSplit) {
    LocalHttpServer server(answering(LocalHttpServer::response(200, "")));
    const auto request = CurlHttpRequest::create();
    request->open("GET", server.url("/"), false);
    request->setRequestHeader("X-Good", "1");
    request->setRequestHeader("X-Bad", "1\r\nX-Injected: 1");
    request->setRequestHeader("X-Bad: 2\r\nX-Injected", "1");
    request->sendText("");
    EXPECT_EQ(request->status(), 200);
    const ReceivedRequest received = server.requests().at(0);
    EXPECT_EQ(received.headerValues("X-Good"), std::vector<std::string>{"1"});
    EXPECT_TRUE(received.headerValues("X-Bad").empty());
    EXPECT_TRUE(received.headerValues("X-Injected").empty());
}

} // namespace
