#include "WidgetTest.h"

#include "common/Codec.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QWidget>

void WidgetTest::SetUp() {
    home_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(home_->isValid());
    QDir(home_->path()).mkpath("Documents");
    savedHome_ = qgetenv("HOME");
    qputenv("HOME", home_->path().toLocal8Bit());
    dialogs.clock = &clock;
    services.paths.documentsDir = fromQt(documentsDir());
    services.paths.programDir = fromQt(homeDir() + "/program");
    services.paths.systemLibraryDir = fromQt(homeDir() + "/system");
    services.paths.skinDefaultPath = fromQt(homeDir() + "/preferred/libSkinH_EL.so");

    // A real modal dialog in a test means something bypassed the dialogs interface; close it
    // and fail rather than wait for a click that never comes.
    watchdog_.setInterval(250);
    QObject::connect(&watchdog_, &QTimer::timeout, [] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->isVisible() && top->isModal()) {
                    modal = top;
                }
            }
        }
        if (modal) {
            ADD_FAILURE() << "a modal dialog was left open: " << modal->windowTitle().toStdString()
                          << " (" << modal->metaObject()->className() << ")";
            if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                dialog->reject();
            } else {
                modal->close();
            }
        }
    });
    watchdog_.start();
}

void WidgetTest::TearDown() {
    watchdog_.stop();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        top->close();
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qputenv("HOME", savedHome_);
    home_.reset();
}

QString WidgetTest::homeDir() const {
    return home_->path();
}

QString WidgetTest::documentsDir() const {
    return home_->path() + "/Documents";
}
