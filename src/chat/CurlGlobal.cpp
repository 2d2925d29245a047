#include "chat/CurlGlobal.h"

#include <curl/curl.h>

CurlGlobal::CurlGlobal() : ready_(curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK) {}

CurlGlobal::~CurlGlobal() {
    if (ready_) {
        curl_global_cleanup();
    }
}
