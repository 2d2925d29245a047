// libcurl's global set-up for the whole test run, made before any test starts a thread.

#include "chat/CurlGlobal.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class CurlEnvironment final : public ::testing::Environment {
public:
    void SetUp() override {
        curl_ = std::make_unique<CurlGlobal>();
        ASSERT_TRUE(curl_->ready());
    }
    void TearDown() override { curl_.reset(); }

private:
    std::unique_ptr<CurlGlobal> curl_;
};

[[maybe_unused]] ::testing::Environment* const curlEnvironment =
    ::testing::AddGlobalTestEnvironment(new CurlEnvironment);

} // namespace
