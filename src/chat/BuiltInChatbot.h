#pragma once
// The chatbot service the program is built to ask (host, API key, API secret).

#include "common/Services.h"

ChatbotEndpoint builtInChatbotEndpoint();
