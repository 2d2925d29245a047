// The chat page against a chatbot stand-in on 127.0.0.1, with the clock and the boxes faked.

#include "chat/ChatPage.h"
#include "LocalHttpServer.h"
#include "WidgetTest.h"
#include "app/MainWindow.h"
#include "chat/ChatConversation.h"
#include "chat/ChatText.h"
#include "chat/EditBoxText.h"
#include "common/Codec.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <chrono>
#include <memory>
#include <thread>

namespace {

constexpr char kKey[] = "0123456789abcdef0123456789abcdef";
constexpr char kSecret[] = "abc123def456";
const std::string kBom = "\xEF\xBB\xBF";

// The question of a chatbot request, decoded from the wire.
std::string questionOf(const ReceivedRequest& request) {
    const std::size_t start = request.target.find("question=");
    const std::size_t end = request.target.find("&api_key=");
    if (start == std::string::npos || end == std::string::npos) {
        return "<no question>";
    }
    return percentDecoded(request.target.substr(start + 9, end - start - 9));
}

// Answers "回答：" and the question, behind a byte-order mark. A question starting with "slow"
// is answered after 600 ms, "hang" after 20 s, "nobom" without the mark.
void chatbotStandIn(const ReceivedRequest& request, LocalHttpServer::Reply& reply) {
    const std::string question = questionOf(request);
    if (question.rfind("slow", 0) == 0 && !reply.pause(600)) {
        return;
    }
    if (question.rfind("hang", 0) == 0 && !reply.pause(20'000)) {
        return;
    }
    const std::string answer = "回答：" + question;
    reply.send(LocalHttpServer::response(200,
                                         question.rfind("nobom", 0) == 0 ? "好的" : kBom + answer,
                                         "Content-Type: text/plain; charset=utf-8\r\n"));
}

class ChatPageTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        services.chatbot = {server.hostAndPort(), kKey, kSecret};
        page = std::make_unique<ChatPage>(services, nullptr);
    }
    void TearDown() override {
        page.reset();
        WidgetTest::TearDown();
    }

    Text transcript() const { return fromEditBoxText(page->编辑框7->toPlainText()); }
    Text input() const { return fromEditBoxText(page->编辑框8->toPlainText()); }
    void type(const Text& message) { page->编辑框8->setPlainText(toEditBoxText(message)); }
    void send(const Text& message) {
        type(message);
        page->按钮9->click();
    }
    // Runs events until the transcript has `count` entries' worth of robot replies.
    bool waitForReplies(int count) {
        return QTest::qWaitFor(
            [&] {
                int found = 0;
                for (std::size_t at = transcript().find(robot()); at != Text::npos;
                     at = transcript().find(robot(), at + 1)) {
                    ++found;
                }
                return found >= count;
            },
            10'000);
    }
    Text robot() const { return "小小    "_gbk; }

    LocalHttpServer server{chatbotStandIn};
    std::unique_ptr<ChatPage> page;
};

TEST_F(ChatPageTest, SendPutsOwnEntryAtOnceAndTheReplyWhenItArrives) {
    send("你好"_gbk);
    EXPECT_EQ(transcript(), "Milvo    9：5：7\r\n你好\r\n"_gbk);
    EXPECT_EQ(input(), "");

    clock.setTime(9, 5, 9);
    ASSERT_TRUE(waitForReplies(1));
    EXPECT_EQ(transcript(), "Milvo    9：5：7\r\n你好\r\n小小    9：5：9\r\n回答：你好\r\n"_gbk);

    ASSERT_EQ(server.requests().size(), 1u);
    const ReceivedRequest request = server.requests()[0];
    EXPECT_EQ(request.method, "POST");
    EXPECT_EQ(request.target, "/api.php?question=%E4%BD%A0%E5%A5%BD&api_key=" + std::string(kKey) +
                                  "&api_secret=" + kSecret);
    EXPECT_EQ(request.headerValues("Referer"),
              std::vector<std::string>{server.url(request.target)});
}

TEST_F(ChatPageTest, EnterSendsAndItsLineBreakStaysInTheEmptiedInput) {
    type("hi");
    page->编辑框8->moveCursor(QTextCursor::End);
    QTest::keyClick(page->编辑框8, Qt::Key_Return);
    EXPECT_EQ(transcript(), "Milvo    9：5：7\r\nhi\r\n"_gbk);
    EXPECT_EQ(input(), "\r\n");
    // Other keys only type.
    QTest::keyClick(page->编辑框8, Qt::Key_A);
    EXPECT_EQ(input(), "\r\na");
    EXPECT_EQ(transcript(), "Milvo    9：5：7\r\nhi\r\n"_gbk);
}

TEST_F(ChatPageTest, EmptyInputStillSendsAnEmptyQuestion) {
    send("");
    EXPECT_EQ(transcript(), "Milvo    9：5：7\r\n\r\n"_gbk);
    ASSERT_TRUE(waitForReplies(1));
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(questionOf(server.requests()[0]), "");
}

TEST_F(ChatPageTest, LineBreaksOfAMessageTravelAsDataInsideTheQueryNeverAsAHeader) {
    send("hi\r\nX-Injected: 1"_gbk);
    EXPECT_EQ(transcript(), "Milvo    9：5：7\r\nhi\r\nX-Injected: 1\r\n"_gbk);
    ASSERT_TRUE(waitForReplies(1));
    const ReceivedRequest request = server.requests().at(0);
    EXPECT_EQ(request.target.rfind("/api.php?question=hi%0D%0AX-Injected:%201&api_key=", 0), 0u);
    EXPECT_TRUE(request.headerValues("X-Injected").empty());
    EXPECT_EQ(request.head.find("\r\nX-Injected"), std::string::npos);
    EXPECT_EQ(questionOf(request), "hi\r\nX-Injected: 1");
}

TEST_F(ChatPageTest, ReplyWithoutByteOrderMarkKeepsItsFirstCharacter) {
    send("nobom");
    ASSERT_TRUE(waitForReplies(1));
    EXPECT_EQ(transcript(), "Milvo    9：5：7\r\nnobom\r\n小小    9：5：7\r\n好的\r\n"_gbk);
}

TEST_F(ChatPageTest, UnreachableServiceGivesTheRobotAnEmptyLine) {
    services.chatbot.host = "127.0.0.1:" + std::to_string(closedLocalPort());
    page = std::make_unique<ChatPage>(services, nullptr);
    send("anyone?");
    ASSERT_TRUE(waitForReplies(1));
    EXPECT_EQ(transcript(), "Milvo    9：5：7\r\nanyone?\r\n小小    9：5：7\r\n\r\n"_gbk);
}

TEST_F(ChatPageTest, TwoQuickSendsGiveTwoEntriesAtOnceAndRepliesInArrivalOrder) {
    send("slow first");
    clock.setTime(9, 5, 8);
    send("fast second");
    EXPECT_EQ(transcript(),
              "Milvo    9：5：7\r\nslow first\r\nMilvo    9：5：8\r\nfast second\r\n"_gbk);

    clock.setTime(9, 6, 0);
    ASSERT_TRUE(waitForReplies(2));
    EXPECT_EQ(transcript(), "Milvo    9：5：7\r\nslow first\r\nMilvo    9：5：8\r\nfast second\r\n"
                            "小小    9：6：0\r\n回答：fast second\r\n"
                            "小小    9：6：0\r\n回答：slow first\r\n"_gbk);
}

TEST_F(ChatPageTest, DoubleClickInEitherEditBoxPopsUpTheNicknameMenu) {
    for (QPlainTextEdit* box : {page->编辑框7, page->编辑框8}) {
        page->修改昵称->hide();
        QTest::mouseDClick(box->viewport(), Qt::LeftButton);
        EXPECT_TRUE(page->修改昵称->isVisible()) << box->objectName().toStdString();
    }
    page->修改昵称->hide();
    const QList<QAction*> items = page->修改昵称->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0]->text(), QString::fromUtf8("自己昵称"));
    EXPECT_EQ(items[1]->text(), QString::fromUtf8("机器人昵称"));
}

TEST_F(ChatPageTest, NicknameBoxesAskWithTheirTitlesAndSetTheNicknames) {
    dialogs.inputAnswers = {Text("阿明"_gbk), Text("助手"_gbk)};
    page->自己昵称->trigger();
    page->机器人昵称->trigger();
    const auto boxes = dialogs.callsOf(DialogCall::Input);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].title, "请输入自己昵称。"_gbk);
    EXPECT_EQ(boxes[0].text, "提示"_gbk);
    EXPECT_EQ(boxes[1].title, "请输入机器人昵称。"_gbk);
    EXPECT_EQ(boxes[1].text, "提示"_gbk);

    send("hello");
    ASSERT_TRUE(QTest::qWaitFor([&] { return transcript().find("助手    "_gbk) != Text::npos; }));
    EXPECT_EQ(transcript(), "阿明    9：5：7\r\nhello\r\n助手    9：5：7\r\n回答：hello\r\n"_gbk);
}

TEST_F(ChatPageTest, EmptyNicknamesConfirmedAreRestoredAtTheNextSend) {
    dialogs.inputAnswers = {Text("阿明"_gbk), Text("助手"_gbk), Text(""), Text("")};
    for (int i = 0; i < 2; ++i) {
        page->自己昵称->trigger();
        page->机器人昵称->trigger();
    }
    EXPECT_EQ(page->conversation().nicknames().own(), "");
    EXPECT_EQ(page->conversation().nicknames().robot(), "");
    send("again");
    ASSERT_TRUE(waitForReplies(1));
    EXPECT_EQ(transcript(), "Milvo    9：5：7\r\nagain\r\n小小    9：5：7\r\n回答：again\r\n"_gbk);
}

TEST_F(ChatPageTest, CancelledNicknameBoxLeavesTheNicknameAndNeverShowsIt) {
    dialogs.inputAnswers = {Text("阿明"_gbk), std::nullopt};
    page->自己昵称->trigger();
    page->自己昵称->trigger();
    EXPECT_EQ(page->conversation().nicknames().own(), "阿明"_gbk);
    send("x");
    EXPECT_EQ(transcript().rfind("阿明    "_gbk, 0), 0u);
}

TEST_F(ChatPageTest, HelpTextFillsTheTranscriptAndEntriesFollowTheEmptyLine) {
    page->writeHelpText();
    EXPECT_EQ(transcript(), chatHelpText());
    send("hi");
    EXPECT_EQ(transcript(), chatHelpText() + "Milvo    9：5：7\r\nhi\r\n"_gbk);
}

TEST_F(ChatPageTest, MainWindowWritesTheHelpTextWhenCreated) {
    MainWindow window(services);
    EXPECT_EQ(fromEditBoxText(window.chatPage->编辑框7->toPlainText()), chatHelpText());
}

TEST_F(ChatPageTest, ClosingWithRequestsInFlightIsQuickAndDeliversNothing) {
    for (int i = 0; i < 3; ++i) {
        send("hang " + std::to_string(i));
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.requests().size() == 3; }, 5000));
    EXPECT_EQ(page->conversation().workersInFlight(), 3);

    const auto start = std::chrono::steady_clock::now();
    page.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
    // Nothing queued for the gone page may run.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

TEST_F(ChatPageTest, ConversationOutlivedByARepliedWorkerDropsTheReply) {
    send("slow reply");
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.requests().size() == 1; }, 5000));
    // The reply is queued while no event runs, and the page goes before the queue is served.
    while (page->conversation().workersInFlight() > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    page.reset();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

} // namespace
