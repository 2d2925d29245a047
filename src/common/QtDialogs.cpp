#include "common/QtDialogs.h"

#include "common/Codec.h"
#include "common/InputBox.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <memory>
#include <vector>

namespace {

struct ButtonSpec {
    QMessageBox::StandardButton button;
    int answer;
    const char* caption;
};

// Button sets in the order the platform shows them, with their answers and captions.
std::vector<ButtonSpec> buttonsFor(int style) {
    using B = QMessageBox;
    switch (style & 0x0F) {
    case MessageStyle::OkCancel:
        return {{B::Ok, MessageAnswer::Ok, "确定"}, {B::Cancel, MessageAnswer::Cancel, "取消"}};
    case MessageStyle::AbortRetryIgnore:
        return {{B::Abort, MessageAnswer::Abort, "中止(&A)"},
                {B::Retry, MessageAnswer::Retry, "重试(&R)"},
                {B::Ignore, MessageAnswer::Ignore, "忽略(&I)"}};
    case MessageStyle::YesNoCancel:
        return {{B::Yes, MessageAnswer::Yes, "是(&Y)"},
                {B::No, MessageAnswer::No, "否(&N)"},
                {B::Cancel, MessageAnswer::Cancel, "取消"}};
    case MessageStyle::YesNo:
        return {{B::Yes, MessageAnswer::Yes, "是(&Y)"}, {B::No, MessageAnswer::No, "否(&N)"}};
    case MessageStyle::RetryCancel:
        return {{B::Retry, MessageAnswer::Retry, "重试(&R)"},
                {B::Cancel, MessageAnswer::Cancel, "取消"}};
    default:
        return {{B::Ok, MessageAnswer::Ok, "确定"}};
    }
}

QMessageBox::Icon iconFor(int style) {
    switch (style & 0xF0) {
    case MessageStyle::IconStop:
        return QMessageBox::Critical;
    case MessageStyle::IconQuestion:
        return QMessageBox::Question;
    case MessageStyle::IconWarning:
        return QMessageBox::Warning;
    case MessageStyle::IconInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// Builds the box; `answers` maps each standard button to its answer.
QMessageBox* makeBox(QWidget* owner, const Text& text, const Text& title, int style,
                     std::vector<ButtonSpec>& buttons) {
    auto* box = new QMessageBox(owner);
    box->setAttribute(Qt::WA_DeleteOnClose, false);
    box->setText(toQt(text));
    box->setWindowTitle(toQt(title.empty() ? "信息："_gbk : title));
    box->setIcon(iconFor(style));
    buttons = buttonsFor(style);
    for (const ButtonSpec& spec : buttons) {
        box->addButton(spec.button)->setText(toQt(gbkFromUtf8(spec.caption)));
    }
    box->setDefaultButton(buttons.front().button);
    // Closing the box answers Cancel where there is one, else the only button.
    QMessageBox::StandardButton escape = buttons.front().button;
    for (const ButtonSpec& spec : buttons) {
        if (spec.button == QMessageBox::Cancel || buttons.size() == 1) {
            escape = spec.button;
        }
    }
    box->setEscapeButton(escape);
    box->setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);
    return box;
}

int answerOf(const QMessageBox& box, const std::vector<ButtonSpec>& buttons) {
    const auto pressed = box.standardButton(box.clickedButton());
    for (const ButtonSpec& spec : buttons) {
        if (spec.button == pressed) {
            return spec.answer;
        }
    }
    // No button pressed: the box was closed, which answers as its escape button.
    const auto escape = box.standardButton(box.escapeButton());
    for (const ButtonSpec& spec : buttons) {
        if (spec.button == escape) {
            return spec.answer;
        }
    }
    return MessageAnswer::Cancel;
}

} // namespace

int QtDialogs::messageBox(const Text& text, const Text& title, int style) {
    std::vector<ButtonSpec> buttons;
    std::unique_ptr<QMessageBox> box(makeBox(nullptr, text, title, style, buttons));
    box->exec();
    return answerOf(*box, buttons);
}

bool QtDialogs::inputBox(const Text& prompt, const Text& title, Text& value, const Text& initial) {
    InputBox box(toQt(prompt), toQt(title.empty() ? "请输入："_gbk : title), toQt(initial));
    box.setWindowModality(Qt::ApplicationModal);
    if (box.exec() != QDialog::Accepted) {
        return false;
    }
    value = fromQt(box.value());
    return true;
}

int QtDialogs::timedMessageBox(QWidget* owner, const Text& text, const Text& title, int style,
                               int timeoutMs) {
    std::vector<ButtonSpec> buttons;
    std::unique_ptr<QMessageBox> box(makeBox(owner, text, title, style, buttons));
    bool timedOut = false;
    QTimer closer;
    closer.setSingleShot(true);
    closer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&closer, &QTimer::timeout, box.get(), [&] {
        timedOut = true;
        box->done(0);
    });
    if (timeoutMs > 0) {
        closer.start(timeoutMs);
    }
    box->exec();
    return timedOut ? TimedAnswer::TimedOut : answerOf(*box, buttons) + 1;
}

Text QtDialogs::openFileDialog(const Text& currentName) {
    QFileDialog dialog;
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (!currentName.empty()) {
        dialog.selectFile(toQt(currentName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return currentName;
    }
    return fromQt(dialog.selectedFiles().front());
}

void QtDialogs::waitWithEvents(int ms) {
    if (ms <= 0) {
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

void QtDialogs::pumpPendingMessages() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}
