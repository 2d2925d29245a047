#include "chat/ChatPage.h"

#include "chat/ChatConversation.h"
#include "chat/ChatText.h"
#include "chat/EditBoxText.h"
#include "common/Codec.h"
#include "common/Dialogs.h"
#include "common/FormLayout.h"
#include "common/Services.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

ChatPage::ChatPage(Services& services, QWidget* parent)
    : QWidget(parent), services_(services),
      conversation_(std::make_unique<ChatConversation>(
          services.chatbot, services.clock,
          [this](const Text& entry) { appendToTranscript(entry); })) {
    setObjectName("有待完善");
    编辑框7 = placeControl(new QPlainTextEdit(this), "编辑框7", 2, 10, 432, 142);
    编辑框7->setReadOnly(true);
    编辑框7->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    编辑框8 = placeControl(new QPlainTextEdit(this), "编辑框8", 2, 152, 432, 86);
    编辑框8->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    编辑框8->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    编辑框7->setAccessibleName(QString::fromUtf8("聊天记录"));
    编辑框8->setAccessibleName(QString::fromUtf8("输入消息"));
    按钮9 = placeControl(new QPushButton(QString::fromUtf8("发送/Eng"), this), "按钮9", 356, 250,
                         75, 25);
    connect(按钮9, &QPushButton::clicked, this, &ChatPage::sendChatMessage);

    修改昵称 = new QMenu(QString::fromUtf8("修改昵称"), this);
    修改昵称->setObjectName(QString::fromUtf8("修改昵称"));
    自己昵称 = 修改昵称->addAction(QString::fromUtf8("自己昵称"));
    机器人昵称 = 修改昵称->addAction(QString::fromUtf8("机器人昵称"));
    connect(自己昵称, &QAction::triggered, this, &ChatPage::askOwnNickname);
    connect(机器人昵称, &QAction::triggered, this, &ChatPage::askRobotNickname);

    编辑框8->installEventFilter(this);
    // A double click reaches an edit box through its viewport.
    编辑框7->viewport()->installEventFilter(this);
    编辑框8->viewport()->installEventFilter(this);
}

// Workers still asking are stopped before the transcript goes.
ChatPage::~ChatPage() = default;

void ChatPage::writeHelpText() {
    编辑框7->setPlainText(toEditBoxText(chatHelpText()));
}

void ChatPage::sendChatMessage() {
    const Text message = fromEditBoxText(编辑框8->toPlainText());
    appendToTranscript(conversation_->send(message));
    编辑框8->clear();
}

void ChatPage::askOwnNickname() {
    Text nickname;
    if (services_.dialogs.inputBox("提示"_gbk, "请输入自己昵称。"_gbk, nickname)) {
        conversation_->nicknames().setOwn(nickname);
    }
}

void ChatPage::askRobotNickname() {
    Text nickname;
    if (services_.dialogs.inputBox("提示"_gbk, "请输入机器人昵称。"_gbk, nickname)) {
        conversation_->nicknames().setRobot(nickname);
    }
}

bool ChatPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == 编辑框8 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // The key goes on to the edit box, which puts its line break into the emptied
            // input.
            sendChatMessage();
        }
    } else if ((watched == 编辑框7->viewport() || watched == 编辑框8->viewport()) &&
               event->type() == QEvent::MouseButtonDblClick) {
        修改昵称->popup(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
    }
    return QWidget::eventFilter(watched, event);
}

void ChatPage::appendToTranscript(const Text& entry) {
    编辑框7->moveCursor(QTextCursor::End);
    编辑框7->insertPlainText(toEditBoxText(entry));
    编辑框7->ensureCursorVisible();
}
