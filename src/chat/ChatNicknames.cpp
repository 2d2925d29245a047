#include "chat/ChatNicknames.h"

#include "chat/ChatText.h"

Text ChatNicknames::own() const {
    const std::lock_guard lock(mutex_);
    return own_;
}

Text ChatNicknames::robot() const {
    const std::lock_guard lock(mutex_);
    return robot_;
}

void ChatNicknames::setOwn(const Text& nickname) {
    const std::lock_guard lock(mutex_);
    own_ = nickname;
}

void ChatNicknames::setRobot(const Text& nickname) {
    const std::lock_guard lock(mutex_);
    robot_ = nickname;
}

Text ChatNicknames::ownForSend() {
    const std::lock_guard lock(mutex_);
    if (own_.empty()) {
        own_ = defaultOwnNickname();
    }
    return own_;
}

Text ChatNicknames::robotForWorker() {
    const std::lock_guard lock(mutex_);
    if (robot_.empty()) {
        robot_ = defaultRobotNickname();
    }
    return robot_;
}
