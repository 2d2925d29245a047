#pragma once
// Page 4 "有待完善", reached by the page button "聊天辅助": the chat with the chatbot service.

#include "common/Text.h"

#include <QWidget>

#include <memory>

class ChatConversation;
class QAction;
class QMenu;
class QPlainTextEdit;
class QPushButton;
struct Services;

class ChatPage : public QWidget {
    Q_OBJECT
public:
    ChatPage(Services& services, QWidget* parent);
    ~ChatPage() override;

    // Duty of the main window's creation: the transcript starts with the help text.
    void writeHelpText();
    // Click of 按钮9, or Enter in 编辑框8.
    void sendChatMessage();
    // The items of the menu "修改昵称".
    void askOwnNickname();
    void askRobotNickname();

    ChatConversation& conversation() { return *conversation_; }

    QPlainTextEdit* 编辑框7 = nullptr; // transcript
    QPlainTextEdit* 编辑框8 = nullptr; // message input
    QPushButton* 按钮9 = nullptr;
    QMenu* 修改昵称 = nullptr;
    QAction* 自己昵称 = nullptr;
    QAction* 机器人昵称 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void appendToTranscript(const Text& entry);

    Services& services_;
    std::unique_ptr<ChatConversation> conversation_;
};
