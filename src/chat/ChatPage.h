#pragma once
// Page 4 "有待完善", reached by the page button "聊天辅助": the chat with the chatbot service.

#include <QWidget>

class QPlainTextEdit;
class QPushButton;
struct Services;

class ChatPage : public QWidget {
    Q_OBJECT
public:
    ChatPage(Services& services, QWidget* parent);

    // Duty of the main window's creation: the transcript starts with the help text.
    void writeHelpText();

    QPlainTextEdit* 编辑框7 = nullptr; // transcript
    QPlainTextEdit* 编辑框8 = nullptr; // message input
    QPushButton* 按钮9 = nullptr;

private:
    Services& services_;
};
