#include "chat/ChatPage.h"

#include "common/FormLayout.h"
#include "common/Services.h"

#include <QPlainTextEdit>
#include <QPushButton>

ChatPage::ChatPage(Services& services, QWidget* parent)
    : QWidget(parent), services_(services) {
    setObjectName("有待完善");
    编辑框7 = placeControl(new QPlainTextEdit(this), "编辑框7", 2, 10, 432, 142);
    编辑框7->setReadOnly(true);
    编辑框7->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    编辑框8 = placeControl(new QPlainTextEdit(this), "编辑框8", 2, 152, 432, 86);
    编辑框8->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    编辑框8->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    按钮9 = placeControl(new QPushButton(QString::fromUtf8("发送/Eng"), this), "按钮9", 356, 250,
                         75, 25);
}

void ChatPage::writeHelpText() {}
