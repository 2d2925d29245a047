#pragma once
// The texts of the chat: time stamps, transcript entries, the help text, the request URL and
// the reply.

#include "common/Clock.h"
#include "common/Services.h"
#include "common/Text.h"

#include <string_view>

// Hour, minute and second without leading zeros, joined by the full-width colon: 9：5：7.
Text chatTimeStamp(const LocalDateTime& time);

// The nickname, four spaces, the time stamp, a line break, the text and a line break.
Text transcriptEntry(const Text& nickname, const Text& timeStamp, const Text& text);

// The twelve lines of the service's commands, each ended by a line break, and one more line
// break, so an empty line comes before the first entry.
const Text& chatHelpText();

// The request for one message: the message goes into the query exactly as typed.
Text chatRequestUrl(const ChatbotEndpoint& endpoint, const Text& message);

// The reply text of a response body: the body decoded from UTF-8, without the byte-order mark
// the service puts in front. A reply without one keeps its first character.
Text chatReplyText(std::string_view body);

// The nicknames a send and a reply take when theirs is empty.
const Text& defaultOwnNickname();
const Text& defaultRobotNickname();
