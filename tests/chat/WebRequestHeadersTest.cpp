// What the web request routine asks of its request object, seen through a recording one.

#include "RecordingHttpRequest.h"
#include "chat/WebRequest.h"
#include "chat/WebRequestText.h"
#include "common/Codec.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using Lines = std::vector<std::string>;

const Text kUrl = "http://example.test/path?q=1";
const std::string kAccept = "Accept: */*";
const std::string kReferer = "Referer: " + kUrl;
const std::string kLanguage = "Accept-Language: zh-cn";
const std::string kAgent = "User-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";
const std::string kFormType = "Content-Type: application/x-www-form-urlencoded";

class WebRequestObjectTest : public ::testing::Test {
protected:
    std::string request(WebRequestOptions options) {
        options.requestObject = &recorder;
        return webRequest(kUrl, options);
    }
    RecordingHttpRequest recorder;
};

struct HeaderCase {
    const char* name;
    std::optional<int> method;
    std::optional<Text> extraHeaders;
    std::string openedAs;
    Lines headers;
};

class HeaderCompletionTest : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(HeaderCompletionTest, SetsTheCompletedHeadersInOrder) {
    RecordingHttpRequest recorder;
    Text extra = GetParam().extraHeaders.value_or(Text());
    webRequest(kUrl, {.method = GetParam().method,
                      .extraHeaders = GetParam().extraHeaders ? &extra : nullptr,
                      .requestObject = &recorder});
    EXPECT_EQ(recorder.callsStartingWith("open"),
              Lines{"open " + GetParam().openedAs + " " + kUrl + " sync"});
    EXPECT_EQ(recorder.headers(), GetParam().headers);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, HeaderCompletionTest,
    ::testing::Values(
        HeaderCase{"PostGetsFiveDefaults",
                   1,
                   std::nullopt,
                   "POST",
                   {kAccept, kReferer, kLanguage, kAgent, kFormType}},
        HeaderCase{"LeftOutMethodIsGetWithFourDefaults",
                   std::nullopt,
                   std::nullopt,
                   "GET",
                   {kAccept, kReferer, kLanguage, kAgent}},
        HeaderCase{"PostRenamesLowercaseContentType",
                   1,
                   Text("content-type: text/plain"),
                   "POST",
                   {"Content-Type: text/plain", kAccept, kReferer, kLanguage, kAgent}},
        HeaderCase{"MethodNineIsGetAndKeepsLowercaseContentType",
                   9,
                   Text("content-type: text/plain"),
                   "GET",
                   {"content-type: text/plain", kAccept, kReferer, kLanguage, kAgent}},
        HeaderCase{"MethodMinusOneIsGetAndKeepsLowercaseContentType",
                   -1,
                   Text("content-type: text/plain"),
                   "GET",
                   {"content-type: text/plain", kAccept, kReferer, kLanguage, kAgent}},
        HeaderCase{"XAcceptCountsAsAccept",
                   0,
                   Text("X-Accept: foo"),
                   "GET",
                   {"X-Accept: foo", kReferer, kLanguage, kAgent}},
        HeaderCase{"LowercaseAcceptDoesNotCount",
                   0,
                   Text("accept: text/html"),
                   "GET",
                   {"accept: text/html", kAccept, kReferer, kLanguage, kAgent}},
        HeaderCase{"CallerLinesKeepTheirPlaceAndEmptyLinesAreSkipped",
                   3,
                   Text("Referer: r\r\n\r\nNo colon\r\nUser-Agent: me\r\n"),
                   "PUT",
                   {"Referer: r", "User-Agent: me", kAccept, kLanguage}},
        HeaderCase{"EmptyGivenHeadersAreCompletedLikeLeftOut",
                   5,
                   Text(""),
                   "DELETE",
                   {kAccept, kReferer, kLanguage, kAgent}}),
    [](const ::testing::TestParamInfo<HeaderCase>& info) { return std::string(info.param.name); });

TEST_F(WebRequestObjectTest, GivenHeadersAreCompletedInPlace) {
    Text extra = "X-Accept: foo";
    request({.method = 1, .extraHeaders = &extra});
    EXPECT_EQ(extra, "X-Accept: foo\r\n" + kReferer + "\r\n" + kLanguage + "\r\n" + kAgent +
                         "\r\n" + kFormType);
}

struct TimeoutCase {
    const char* name;
    std::optional<int> seconds;
    Lines calls;
};

class TimeoutTest : public ::testing::TestWithParam<TimeoutCase> {};

TEST_P(TimeoutTest, SetsTheSameTimeoutForAllFourPhases) {
    RecordingHttpRequest recorder;
    webRequest(kUrl, {.timeoutSeconds = GetParam().seconds, .requestObject = &recorder});
    EXPECT_EQ(recorder.callsStartingWith("timeouts"), GetParam().calls);
}

INSTANTIATE_TEST_SUITE_P(
    Timeouts, TimeoutTest,
    ::testing::Values(TimeoutCase{"LeftOut", std::nullopt, {"timeouts 15000 15000 15000 15000"}},
                      TimeoutCase{"Zero", 0, {"timeouts 15000 15000 15000 15000"}},
                      TimeoutCase{"MinusFive", -5, {"timeouts 15000 15000 15000 15000"}},
                      TimeoutCase{"MinusOneKeepsTheObjectsOwn", -1, {}},
                      TimeoutCase{"Two", 2, {"timeouts 2000 2000 2000 2000"}},
                      TimeoutCase{"HugeIsCappedNotOverflowed",
                                  3'000'000,
                                  {"timeouts 2147483647 2147483647 2147483647 2147483647"}}),
    [](const ::testing::TestParamInfo<TimeoutCase>& info) { return std::string(info.param.name); });

TEST_F(WebRequestObjectTest, ProxyUserWithoutAddressSendsNoAuthorization) {
    request({.proxyUser = Text("user"), .proxyPassword = Text("pw")});
    EXPECT_TRUE(recorder.callsStartingWith("proxy").empty());
    EXPECT_TRUE(recorder.callsStartingWith("header Proxy-Authorization").empty());
}

TEST_F(WebRequestObjectTest, ProxyWithUserSendsBasicAuthorizationOfTheGbkBytes) {
    request({.proxyAddress = Text("127.0.0.1:3128"),
             .proxyUser = "用户"_gbk,
             .proxyPassword = Text("pw")});
    EXPECT_EQ(recorder.callsStartingWith("proxy"), Lines{"proxy 2 127.0.0.1:3128"});
    EXPECT_EQ(recorder.callsStartingWith("header Proxy-Authorization"),
              Lines{"header Proxy-Authorization: Basic " + base64Encode("用户"_gbk + ":pw")});
}

TEST_F(WebRequestObjectTest, ProxyAuthorizationModeOtherThanOneSendsNone) {
    request({.proxyAddress = Text("127.0.0.1:3128"), .proxyUser = Text("u"), .proxyAuthMode = 2});
    EXPECT_EQ(recorder.callsStartingWith("proxy"), Lines{"proxy 2 127.0.0.1:3128"});
    EXPECT_TRUE(recorder.callsStartingWith("header Proxy-Authorization").empty());
}

TEST_F(WebRequestObjectTest, ByteBodyWinsOverTextBody) {
    request({.textBody = Text("text"), .byteBody = std::string("\x01\x00\xFF", 3)});
    EXPECT_EQ(recorder.callsStartingWith("send"),
              Lines{std::string("send bytes \x01\x00\xFF", 14)});
}

TEST_F(WebRequestObjectTest, EmptyByteBodySendsTheTextBody) {
    request({.textBody = Text("text"), .byteBody = std::string()});
    EXPECT_EQ(recorder.callsStartingWith("send"), Lines{"send text text"});
}

TEST_F(WebRequestObjectTest, RedirectsAreTurnedOffOnlyOnRequest) {
    request({.noRedirect = false});
    EXPECT_TRUE(recorder.callsStartingWith("redirects").empty());
    request({.noRedirect = true});
    EXPECT_EQ(recorder.callsStartingWith("redirects"), Lines{"redirects off"});
}

TEST_F(WebRequestObjectTest, UrlGoesToOpenAndRefererInItsWireForm) {
    webRequest("http://h/api.php?question=a\r\nX-Injected: 1", {.requestObject = &recorder});
    EXPECT_EQ(recorder.callsStartingWith("open"),
              Lines{"open GET http://h/api.php?question=a%0D%0AX-Injected:%201 sync"});
    EXPECT_EQ(recorder.callsStartingWith("header Referer"),
              Lines{"header Referer: http://h/api.php?question=a%0D%0AX-Injected:%201"});
    EXPECT_TRUE(recorder.callsStartingWith("header X-Injected").empty());
}

TEST_F(WebRequestObjectTest, EmptySentCookiesStillSendACookieHeaderAndReceiveTheMerge) {
    recorder.answerHeaders = "Set-Cookie: sid=1; Path=/\r\n";
    Text sent;
    Text received = "stale";
    request({.sendCookies = &sent, .receivedCookies = &received});
    EXPECT_EQ(recorder.callsStartingWith("header Cookie"), Lines{"header Cookie: "});
    EXPECT_EQ(sent, "sid=1");
    EXPECT_EQ(received, "sid=1");
}

TEST_F(WebRequestObjectTest, LeftOutCookiesSendNoCookieHeader) {
    recorder.answerHeaders = "Set-Cookie: sid=1\r\n";
    Text received;
    request({.receivedCookies = &received});
    EXPECT_TRUE(recorder.callsStartingWith("header Cookie").empty());
    EXPECT_EQ(received, "sid=1");
}

TEST_F(WebRequestObjectTest, MergingOffLeavesSentCookiesAlone) {
    recorder.answerHeaders = "Set-Cookie: b=3\r\n";
    Text sent = "a = 1; b=2";
    Text received;
    request({.sendCookies = &sent, .receivedCookies = &received, .autoMergeCookies = false});
    EXPECT_EQ(sent, "a = 1; b=2");
    EXPECT_EQ(received, "b=3");
}

TEST_F(WebRequestObjectTest, OutputsCarryWhatTheObjectAnswered) {
    recorder.answerBody = "body";
    recorder.answerHeaders = "Content-Type: text/plain\r\n";
    recorder.answerStatus = 404;
    Text headers;
    int status = 0;
    EXPECT_EQ(request({.responseHeaders = &headers, .statusCode = &status}), "body");
    EXPECT_EQ(headers, "Content-Type: text/plain\r\n");
    EXPECT_EQ(status, 404);
}

TEST_F(WebRequestObjectTest, GivenObjectStaysUsableForTheNextCall) {
    request({.method = 1});
    request({.method = 0});
    EXPECT_EQ(recorder.callsStartingWith("open").size(), 2u);
}

TEST(WebRequestCreationTest, NoObjectMeansEmptyResultAndNoOutputWritten) {
    Text extra = "X: 1";
    Text sent = "a=1";
    Text received = "untouched";
    Text headers = "untouched";
    int status = 77;
    const std::string body = webRequest(kUrl,
                                        {.sendCookies = &sent,
                                         .receivedCookies = &received,
                                         .extraHeaders = &extra,
                                         .responseHeaders = &headers,
                                         .statusCode = &status},
                                        [] { return std::unique_ptr<HttpRequest>(); });
    EXPECT_EQ(body, "");
    EXPECT_EQ(extra, "X: 1");
    EXPECT_EQ(sent, "a=1");
    EXPECT_EQ(received, "untouched");
    EXPECT_EQ(headers, "untouched");
    EXPECT_EQ(status, 77);
}

struct ExtractionCase {
    const char* name;
    Text responseHeaders;
    Text cookies;
};

class CookieExtractionTest : public ::testing::TestWithParam<ExtractionCase> {};

TEST_P(CookieExtractionTest, TakesTheNameValuePairOfEachSetCookieLine) {
    RecordingHttpRequest recorder;
    recorder.answerHeaders = GetParam().responseHeaders;
    Text received = "stale";
    webRequest(kUrl, {.receivedCookies = &received, .requestObject = &recorder});
    EXPECT_EQ(received, GetParam().cookies);
}

INSTANTIATE_TEST_SUITE_P(
    SetCookieLines, CookieExtractionTest,
    ::testing::Values(
        ExtractionCase{"TwoLinesWithAndWithoutAttributes",
                       "Date: x\r\nSet-Cookie: sid=abc; Path=/\r\nSet-Cookie: theme=dark\r\n",
                       "sid=abc; theme=dark"},
        ExtractionCase{"NoCookieLineGivesEmpty", "Content-Length: 0\r\n", ""},
        ExtractionCase{"NameIsComparedWithCase", "set-cookie: a=1\r\n", ""},
        ExtractionCase{"NameMustBeFollowedByColonAndSpace", "Set-Cookie:a=1\r\n", ""},
        ExtractionCase{"ValueIsTrimmed", "Set-Cookie:   a=1  \r\n", "a=1"},
        ExtractionCase{"FailedExchangeGivesEmpty", "", ""}),
    [](const ::testing::TestParamInfo<ExtractionCase>& info) {
        return std::string(info.param.name);
    });

} // namespace
