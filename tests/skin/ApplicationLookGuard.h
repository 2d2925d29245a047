#pragma once
// Puts the application's palette and style sheet back as they were, so a skin applied by one
// test never shows in the next.

#include <QApplication>
#include <QPalette>
#include <QString>

class ApplicationLookGuard {
public:
    ApplicationLookGuard() : palette_(QApplication::palette()), styleSheet_(qApp->styleSheet()) {}
    ~ApplicationLookGuard() { restore(); }
    ApplicationLookGuard(const ApplicationLookGuard&) = delete;
    ApplicationLookGuard& operator=(const ApplicationLookGuard&) = delete;

    void restore() const {
        QApplication::setPalette(palette_);
        qApp->setStyleSheet(styleSheet_);
    }
    bool unchanged() const {
        return QApplication::palette() == palette_ && qApp->styleSheet() == styleSheet_;
    }
    const QPalette& palette() const { return palette_; }

private:
    QPalette palette_;
    QString styleSheet_;
};
