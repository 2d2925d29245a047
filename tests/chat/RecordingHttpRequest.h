#pragma once
// A request object that records every operation as a line of text and answers with what the
// test gave it.

#include "chat/HttpRequest.h"

#include <string>
#include <vector>

class RecordingHttpRequest final : public HttpRequest {
public:
    void setTimeouts(int resolveMs, int connectMs, int sendMs, int receiveMs) override {
        calls.push_back("timeouts " + std::to_string(resolveMs) + " " + std::to_string(connectMs) +
                        " " + std::to_string(sendMs) + " " + std::to_string(receiveMs));
    }
    void setProxy(int setting, const Text& address) override {
        calls.push_back("proxy " + std::to_string(setting) + " " + address);
    }
    void open(const Text& method, const Text& url, bool asynchronous) override {
        calls.push_back("open " + method + " " + url + (asynchronous ? " async" : " sync"));
    }
    void setRedirectsEnabled(bool enabled) override {
        calls.push_back(enabled ? "redirects on" : "redirects off");
    }
    void setRequestHeader(const Text& name, const Text& value) override {
        calls.push_back("header " + name + ": " + value);
    }
    void sendText(const Text& body) override { calls.push_back("send text " + body); }
    void sendBytes(const std::string& body) override { calls.push_back("send bytes " + body); }

    std::string responseBody() const override { return answerBody; }
    Text allResponseHeaders() const override { return answerHeaders; }
    int status() const override { return answerStatus; }

    // The headers set, as "Name: value", in order.
    std::vector<std::string> headers() const {
        std::vector<std::string> set;
        for (const std::string& call : calls) {
            if (call.rfind("header ", 0) == 0) {
                set.push_back(call.substr(7));
            }
        }
        return set;
    }
    // The calls that start with `prefix`.
    std::vector<std::string> callsStartingWith(const std::string& prefix) const {
        std::vector<std::string> found;
        for (const std::string& call : calls) {
            if (call.rfind(prefix, 0) == 0) {
                found.push_back(call);
            }
        }
        return found;
    }

    std::vector<std::string> calls;
    std::string answerBody;
    Text answerHeaders;
    int answerStatus = 0;
};
