#pragma once
// The conversation with the chatbot service. A send gives the user's transcript entry at once
// and starts one detached worker for the message; the worker asks the service and hands the
// robot's entry to the thread that made the conversation (the user-interface thread) as one
// queued call, so entries arrive in the order the replies do and the caller never waits for
// the network.

#include "chat/ChatNicknames.h"
#include "common/Services.h"
#include "common/Text.h"

#include <functional>
#include <memory>

class Clock;
class QObject;

class ChatConversation {
public:
    // `appendEntry` runs on the constructing thread, once per reply.
    ChatConversation(ChatbotEndpoint endpoint, Clock& clock,
                     std::function<void(const Text& entry)> appendEntry);
    // Workers still asking are told to stop and deliver nothing; this returns once they have
    // left the network (a few milliseconds), so nothing of theirs runs under a program that is
    // ending.
    ~ChatConversation();
    ChatConversation(const ChatConversation&) = delete;
    ChatConversation& operator=(const ChatConversation&) = delete;

    // Takes the time stamp, restores the user's nickname when it is empty, starts the worker
    // for `message`, and returns the user's entry.
    Text send(const Text& message);

    ChatNicknames& nicknames();
    // Workers that have not finished yet.
    int workersInFlight() const;

private:
    struct Link; // what the workers share with the conversation; outlives both

    static void runWorker(std::shared_ptr<Link> link, Text url);
    static void deliver(Link& link, Text nickname, Text reply);
    void appendReply(const Text& nickname, const Text& reply);

    ChatbotEndpoint endpoint_;
    Clock& clock_;
    std::function<void(const Text&)> appendEntry_;
    std::unique_ptr<QObject> receiver_;
    std::shared_ptr<Link> link_;
};
