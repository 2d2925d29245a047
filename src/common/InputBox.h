#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

// The program's input box: a prompt line, one entry field, "确认输入(&O)" and "取消(&C)".
class InputBox : public QDialog {
    Q_OBJECT
public:
    InputBox(const QString& prompt, const QString& title, const QString& initial,
             QWidget* parent = nullptr);
    QString value() const;
    QLineEdit* entry() const { return entry_; }

private:
    QLineEdit* entry_ = nullptr;
};
