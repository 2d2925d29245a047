#include "chat/BuiltInChatbot.h"

ChatbotEndpoint builtInChatbotEndpoint() {
    return {QUORVELL_CHATBOT_HOST, QUORVELL_CHATBOT_API_KEY, QUORVELL_CHATBOT_API_SECRET};
}
