#pragma once
// An owner-drawn page button: its caption in "楷体", 12 pixels high, on the button band.

#include <QColor>
#include <QPushButton>

class PageButton : public QPushButton {
    Q_OBJECT
    // Colours a skin may set through its style sheet (qproperty-textColor and so on).
    Q_PROPERTY(QColor textColor MEMBER textColor_ DESIGNABLE true)
    Q_PROPERTY(QColor hoverColor MEMBER hoverColor_ DESIGNABLE true)
    Q_PROPERTY(QColor pressedColor MEMBER pressedColor_ DESIGNABLE true)
public:
    PageButton(const QString& caption, QWidget* parent);
    QSize sizeHint() const override { return {50, 25}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QColor textColor_{226, 232, 240};
    QColor hoverColor_{242, 165, 65};
    QColor pressedColor_{214, 128, 36};
};
