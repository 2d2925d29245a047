#pragma once
// Controls of a form carry the form's name as their object name and stand at the form's
// place and size.

#include <QString>
#include <QWidget>

template <class Control>
Control* placeControl(Control* control, const char* name, int left, int top, int width,
                      int height) {
    control->setObjectName(QString::fromUtf8(name));
    control->setGeometry(left, top, width, height);
    return control;
}
