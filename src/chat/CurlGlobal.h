#pragma once
// libcurl's process-wide set-up, held for as long as web requests can be made. Create one at
// the start of main(), before any thread exists, and let it end after the last request.

class CurlGlobal {
public:
    CurlGlobal();
    ~CurlGlobal();
    CurlGlobal(const CurlGlobal&) = delete;
    CurlGlobal& operator=(const CurlGlobal&) = delete;

    bool ready() const { return ready_; }

private:
    bool ready_ = false;
};
