#include "common/InputBox.h"

#include "common/Codec.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

InputBox::InputBox(const QString& prompt, const QString& title, const QString& initial,
                   QWidget* parent)
    : QDialog(parent), entry_(new QLineEdit(initial, this)) {
    setObjectName("InputBox");
    setWindowTitle(title);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    auto* promptLabel = new QLabel(prompt, this);
    promptLabel->setBuddy(entry_);
    layout->addWidget(promptLabel);
    layout->addWidget(entry_);
    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(toQt("确认输入(&O)"_gbk), QDialogButtonBox::AcceptRole);
    buttons->addButton(toQt("取消(&C)"_gbk), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(300);
}

QString InputBox::value() const {
    return entry_->text();
}
