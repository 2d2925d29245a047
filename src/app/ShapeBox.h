#pragma once
// A shape box of the splash: a small round dot.

#include <QColor>
#include <QWidget>

class ShapeBox : public QWidget {
    Q_OBJECT
public:
    ShapeBox(const QColor& colour, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
};
