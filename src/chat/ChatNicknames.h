#pragma once
// The two nicknames of the chat. The user-interface thread and the chat workers read and
// write them; every read and write takes or gives the whole text.

#include "common/Text.h"

#include <mutex>

class ChatNicknames {
public:
    Text own() const;
    Text robot() const;
    void setOwn(const Text& nickname);
    void setRobot(const Text& nickname);

    // The user's nickname for a send, "Milvo" when it was empty (and from then on).
    Text ownForSend();
    // The robot's nickname when a worker starts, "小小" when it was empty (and from then on).
    Text robotForWorker();

private:
    mutable std::mutex mutex_;
    Text own_;
    Text robot_;
};
