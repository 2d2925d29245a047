#include "chat/ChatConversation.h"

#include "chat/ChatText.h"
#include "chat/CurlHttpRequest.h"
#include "chat/WebRequest.h"
#include "common/Clock.h"

#include <QObject>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

namespace {

// A stopped worker leaves the network within one poll of its transfer loop; this only bounds
// the wait should something unforeseen hold it.
constexpr std::chrono::seconds kLeaveNetworkWait{2};

} // namespace

struct ChatConversation::Link {
    ChatNicknames nicknames;
    std::atomic<bool> abandoned{false};
    std::mutex mutex;
    std::condition_variable idle;
    int inFlight = 0;
    // Both null once the conversation is gone; guarded by `mutex`.
    QObject* receiver = nullptr;
    ChatConversation* conversation = nullptr;
};

ChatConversation::ChatConversation(ChatbotEndpoint endpoint, Clock& clock,
                                   std::function<void(const Text& entry)> appendEntry)
    : endpoint_(std::move(endpoint)), clock_(clock), appendEntry_(std::move(appendEntry)),
      receiver_(std::make_unique<QObject>()), link_(std::make_shared<Link>()) {
    link_->receiver = receiver_.get();
    link_->conversation = this;
}

ChatConversation::~ChatConversation() {
    link_->abandoned = true;
    std::unique_lock lock(link_->mutex);
    link_->receiver = nullptr;
    link_->conversation = nullptr;
    link_->idle.wait_for(lock, kLeaveNetworkWait, [this] { return link_->inFlight == 0; });
    // Replies already queued go with the receiver, undelivered.
}

ChatNicknames& ChatConversation::nicknames() {
    return link_->nicknames;
}

int ChatConversation::workersInFlight() const {
    const std::lock_guard lock(link_->mutex);
    return link_->inFlight;
}

Text ChatConversation::send(const Text& message) {
    const Text timeStamp = chatTimeStamp(clock_.now());
    const Text nickname = link_->nicknames.ownForSend();
    {
        const std::lock_guard lock(link_->mutex);
        ++link_->inFlight;
    }
    try {
        std::thread(&ChatConversation::runWorker, link_, chatRequestUrl(endpoint_, message))
            .detach();
    } catch (const std::system_error&) {
        // No thread to ask with: the robot answers with an empty line, as for a failed request.
        {
            const std::lock_guard lock(link_->mutex);
            --link_->inFlight;
        }
        deliver(*link_, link_->nicknames.robotForWorker(), Text());
    }
    return transcriptEntry(nickname, timeStamp, message);
}

void ChatConversation::runWorker(std::shared_ptr<Link> link, Text url) {
    link->nicknames.robotForWorker();
    std::string body;
    if (const auto request = CurlHttpRequest::create(&link->abandoned)) {
        body = webRequest(
            url, {.method = static_cast<int>(HttpMethod::Post), .requestObject = request.get()});
    }
    if (!link->abandoned) {
        deliver(*link, link->nicknames.robot(), chatReplyText(body));
    }
    const std::lock_guard lock(link->mutex);
    --link->inFlight;
    link->idle.notify_all();
}

void ChatConversation::deliver(Link& link, Text nickname, Text reply) {
    // Posting under the lock: the receiver cannot be destroyed meanwhile, and replies are
    // queued in the order they arrive.
    const std::lock_guard lock(link.mutex);
    if (!link.receiver) {
        return;
    }
    QMetaObject::invokeMethod(
        link.receiver,
        [conversation = link.conversation, nickname = std::move(nickname),
         reply = std::move(reply)] { conversation->appendReply(nickname, reply); },
        Qt::QueuedConnection);
}

void ChatConversation::appendReply(const Text& nickname, const Text& reply) {
    // The time stamp is taken when the entry reaches the transcript, on this thread: the
    // moment the reply arrived, read from a clock that is certain to exist.
    appendEntry_(transcriptEntry(nickname, chatTimeStamp(clock_.now()), reply));
}
