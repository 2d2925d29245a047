// The reference chatbot service of tools/ against the web request routine and the chat page.

#include "ProcessLines.h"
#include "WidgetTest.h"
#include "chat/ChatPage.h"
#include "chat/ChatText.h"
#include "chat/EditBoxText.h"
#include "chat/WebRequest.h"
#include "common/Codec.h"

#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

namespace {

constexpr char kKey[] = "00112233445566778899aabbccddeeff";
constexpr char kSecret[] = "s3cr3tsecret";

class ChatbotServiceTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        service.setProcessChannelMode(QProcess::SeparateChannels);
        service.start("python3", {QUORVELL_CHATBOT_SERVICE_SCRIPT, "--port", "0", "--api-key", kKey,
                                  "--api-secret", kSecret});
        ASSERT_TRUE(service.waitForStarted(5000));
        const std::string line = nextLineOf(service);
        const std::string announcement = "listening on http://";
        ASSERT_EQ(line.rfind(announcement, 0), 0u) << line;
        host = line.substr(announcement.size());
    }
    void TearDown() override {
        service.terminate();
        service.waitForFinished(5000);
        WidgetTest::TearDown();
    }

    std::string ask(const Text& question, const Text& key, int* status) {
        return webRequest("http://" + host + "/api.php?question=" + question + "&api_key=" + key +
                              "&api_secret=" + kSecret,
                          {.method = static_cast<int>(HttpMethod::Post), .statusCode = status});
    }

    QProcess service;
    std::string host;
};

TEST_F(ChatbotServiceTest, AnswersWithAByteOrderMarkAndRefusesAWrongKey) {
    int status = 0;
    const std::string answer = ask("你好"_gbk, kKey, &status);
    EXPECT_EQ(status, 200);
    EXPECT_EQ(answer, "\xEF\xBB\xBF你好！");

    const std::string refusal = ask("你好"_gbk, "ffffffffffffffffffffffffffffffff", &status);
    EXPECT_EQ(status, 403);
    EXPECT_EQ(chatReplyText(refusal), "api_key或api_secret错误，请求被拒绝。"_gbk);
}

TEST_F(ChatbotServiceTest, ChatPageGetsItsAnswer) {
    services.chatbot = {host, kKey, kSecret};
    ChatPage page(services, nullptr);
    page.编辑框8->setPlainText(QString::fromUtf8("上海天气"));
    page.按钮9->click();
    const Text expected =
        "Milvo    9：5：7\r\n上海天气\r\n小小    9：5：7\r\n上海的天气：本地参考服务没有天气数据。\r\n"_gbk;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return fromEditBoxText(page.编辑框7->toPlainText()) == expected; }, 10'000))
        << page.编辑框7->toPlainText().toStdString();
}

} // namespace
