#include "power/ProcessWindow.h"

#include "common/Clock.h"
#include "common/Dialogs.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace {

constexpr double kSearchLimitMs = 31'536'000;
// Between two searches the wait sleeps with events running; a window that appears is found
// within this time, and the processor stays idle meanwhile.
constexpr int kSearchIntervalMs = 50;

bool canOwn(const QWidget& widget) {
    const Qt::WindowType type = widget.windowType();
    return widget.isVisible() && type != Qt::Popup && type != Qt::ToolTip;
}

// Qt lists top-level windows newest first, which is how a desktop stacks them unless the user
// rearranged them: the walk goes from the top down, as the platform's window walk does.
QWidget* firstVisibleWindow() {
    const QWidgetList widgets = QApplication::topLevelWidgets();
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
        for (QWidget* widget : widgets) {
            if (widget->windowHandle() == window && canOwn(*widget)) {
                return widget;
            }
        }
    }
    return nullptr;
}

} // namespace

QWidget* findProcessWindow(qint64 processId, Dialogs& dialogs, const Clock& clock) {
    const std::int64_t start = clock.uptimeMs();
    for (;;) {
        if (static_cast<double>(clock.uptimeMs() - start) - kSearchLimitMs >= -0.0000001) {
            return nullptr;
        }
        if (processId == QCoreApplication::applicationPid()) {
            if (QWidget* window = firstVisibleWindow()) {
                return window;
            }
        }
        dialogs.waitWithEvents(kSearchIntervalMs);
    }
}
