#pragma once
// A button drawn from pictures of its own: one at rest, one under the mouse. It shows the hand
// cursor and keeps a name for screen readers, since it shows no text.

#include <QAbstractButton>
#include <QPixmap>

class GraphicButton : public QAbstractButton {
    Q_OBJECT
public:
    GraphicButton(const QPixmap& normal, const QPixmap& hover, const QString& role,
                  QWidget* parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QPixmap normal_;
    QPixmap hover_;
};
