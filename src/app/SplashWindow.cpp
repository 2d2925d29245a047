#include "app/SplashWindow.h"

#include "app/ShapeBox.h"
#include "common/Codec.h"
#include "common/Dialogs.h"
#include "common/FormLayout.h"
#include "common/FormTimer.h"
#include "common/ProgramState.h"
#include "common/WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int kDotTickMs = 10;

QLabel* fixedFontLabel(QWidget* parent, const char* name, const char* text, int left, int top,
                       int width, int height, int pixelSize, const QColor& colour) {
    auto* label =
        placeControl(new QLabel(QString::fromUtf8(text), parent), name, left, top, width, height);
    QFont font(QString::fromUtf8("微软雅黑"));
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Normal);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

} // namespace

SplashWindow::SplashWindow(ProgramState& state, Dialogs& dialogs,
                           std::function<void()> openMainWindow)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), state_(state), dialogs_(dialogs),
      openMainWindow_(std::move(openMainWindow)) {
    setObjectName("SplashWindow");
    setWindowTitle(QString());
    setFixedSize(448, 252);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);

    const QColor dotColour(255, 194, 193);
    ShapeBox** dots[] = {&外形框1, &外形框2, &外形框3, &外形框4, &外形框5};
    const char* names[] = {"外形框1", "外形框2", "外形框3", "外形框4", "外形框5"};
    for (int i = 0; i < 5; ++i) {
        *dots[i] =
            placeControl(new ShapeBox(dotColour, this), names[i], kDotStartLefts[i], 172, 8, 8);
    }
    透明标签2 = fixedFontLabel(this, "透明标签2", "正在验证...", 16, 224, 424, 16, 15,
                               QColor(255, 194, 193));
    透明标签1 = fixedFontLabel(this, "透明标签1", "LOVE YOU", 88, 72, 288, 78, 48, Qt::white);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect whole = screen->geometry();
        move(whole.left() + (whole.width() - width()) / 2,
             whole.top() + (whole.height() - height()) / 2);
    }

    // Both timers run from loading on, visible or not.
    时钟1 = new FormTimer("时钟1", kDotTickMs, this);
    _初始化时钟 = new FormTimer("_初始化时钟", 1, this);
    connect(时钟1, &FormTimer::tick, this, &SplashWindow::stepDotsOnce);
    connect(_初始化时钟, &FormTimer::tick, this, &SplashWindow::fadeTitle);
}

void SplashWindow::fadeTitle() {
    if (state_.fadeLevel == 0) {
        setTitleColour(255, 0, 0);
        makeVisible();
    }
    while (state_.fadeLevel < kFadeEnd) {
        state_.fadeLevel = nextFadeLevel(state_.fadeLevel);
        setTitleColour(255, state_.fadeLevel, state_.fadeLevel);
        dialogs_.waitWithEvents(10);
    }
    setWindowAlpha(*this, 255);
    _初始化时钟->setPeriod(0);
}

void SplashWindow::stepDotsOnce() {
    const DotLefts moved = stepDots(dotLefts());
    ShapeBox* dots[] = {外形框1, 外形框2, 外形框3, 外形框4, 外形框5};
    for (int i = 0; i < 5; ++i) {
        dots[i]->move(moved[i], dots[i]->y());
    }
}

void SplashWindow::showStatusTexts() {
    for (const char* status :
         {"正在验证...", "正在启动...", "正在读取...", "正在初始化...", "准备就绪。"}) {
        透明标签2->setText(QString::fromUtf8(status));
        dialogs_.waitWithEvents(10);
    }
    if (fromQt(透明标签2->text()) == "准备就绪。"_gbk) {
        hide();
        openMainWindow_();
    }
}

DotLefts SplashWindow::dotLefts() const {
    return {外形框1->x(), 外形框2->x(), 外形框3->x(), 外形框4->x(), 外形框5->x()};
}

QColor SplashWindow::titleColour() const {
    return 透明标签1->palette().color(QPalette::WindowText);
}

void SplashWindow::setTitleColour(int red, int green, int blue) {
    QPalette palette = 透明标签1->palette();
    palette.setColor(QPalette::WindowText, QColor(red, green, blue));
    透明标签1->setPalette(palette);
}

void SplashWindow::makeVisible() {
    show();
    raise();
    activateWindow();
    // Showing a window activates it. Where the window system is slow to say so, or never
    // does (no window manager), the activation is taken as given once the show is done.
    QTimer::singleShot(0, this, &SplashWindow::firstActivated);
}

void SplashWindow::firstActivated() {
    if (activated_ || !isVisible()) {
        return;
    }
    activated_ = true;
    showStatusTexts();
}

void SplashWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        firstActivated();
    }
}

// Nobody sees the dots of a hidden splash, so their timer rests while it is hidden (the
// splash stays loaded for the whole run, and a timer ticking 100 times a second would be
// the program's main idle cost); shown again, the dots go on from where they stood.
void SplashWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    时钟1->setPeriod(kDotTickMs);
}

void SplashWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    时钟1->setPeriod(0);
}

void SplashWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
