#pragma once
// The look of the whole application: its palette and style sheet, which every window of the
// program follows. Remembers the program's own look the first time it is touched, so an
// empty skin can bring it back.

#include "skin/SkinFormat.h"

#include <QPalette>
#include <QString>

class QApplication;

class ApplicationLook {
public:
    // Applies the scheme on top of the program's own look.
    void apply(QApplication& application, const SkinScheme& scheme);
    // Brings back the program's own look (nothing to do if no scheme was ever applied).
    void restoreOwn(QApplication& application);

private:
    void rememberOwn(const QApplication& application);

    bool remembered_ = false;
    QPalette ownPalette_;
    QString ownStyleSheet_;
};
