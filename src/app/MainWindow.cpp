#include "app/MainWindow.h"

#include "app/ClockLine.h"
#include "app/GraphicButton.h"
#include "app/Navigation.h"
#include "app/PageButton.h"
#include "app/SettingsPage.h"
#include "assets/Assets.h"
#include "batch/BatchPage.h"
#include "calc/CalcPage.h"
#include "chat/ChatPage.h"
#include "common/Codec.h"
#include "common/Dialogs.h"
#include "common/FormLayout.h"
#include "common/FormTimer.h"
#include "common/ProgramState.h"
#include "common/Services.h"
#include "common/WindowPlacement.h"
#include "notes/NotesPage.h"
#include "power/PowerPage.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTabBar>
#include <QTabWidget>
#include <QWindow>

namespace {

QLabel* pictureBox(QWidget* parent, const char* name, int left, int top, int width, int height,
                   const char* picture) {
    auto* box = placeControl(new QLabel(parent), name, left, top, width, height);
    box->setPixmap(assetPicture(QString::fromUtf8(picture)));
    box->setScaledContents(true);
    return box;
}

} // namespace

MainWindow::MainWindow(Services& services, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint), services_(services) {
    setObjectName("MainWindow");
    setWindowTitle(QString::fromUtf8("“Quorvell^Milvo”"));
    buildForm();
    runCreationSequence();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect whole = screen->geometry();
        move(whole.left() + (whole.width() - width()) / 2,
             whole.top() + (whole.height() - height()) / 2);
    }
}

MainWindow::~MainWindow() = default;

void MainWindow::buildForm() {
    // The design size; the creation sequence sets the height the window really has.
    resize(500, 337);

    图片框1 = pictureBox(this, "图片框1", 0, 0, 500, 320, "background.png");

    选择夹2 = placeControl(new QTabWidget(图片框1), "选择夹2", 60, 40, 440, 280);
    // The page buttons do the navigation; the control's own tab strip is not drawn.
    选择夹2->tabBar()->hide();
    选择夹2->setDocumentMode(true);
    powerPage = new PowerPage(services_, 选择夹2);
    batchPage = new BatchPage(services_, 选择夹2);
    notesPage = new NotesPage(services_, 选择夹2);
    calcPage = new CalcPage(services_, 选择夹2);
    chatPage = new ChatPage(services_, 选择夹2);
    settingsPage = new SettingsPage(services_, 选择夹2);
    for (QWidget* page : std::initializer_list<QWidget*>{powerPage, batchPage, notesPage, calcPage,
                                                         chatPage, settingsPage}) {
        page->setAutoFillBackground(true);
        选择夹2->addTab(page, page->objectName());
    }
    选择夹2->setCurrentIndex(0);

    图片框3 = pictureBox(图片框1, "图片框3", 60, 40, 440, 10, "strip.png");
    图片框3->setAttribute(Qt::WA_TransparentForMouseEvents);

    PageButton** buttons[] = {&超级按钮1, &超级按钮2, &超级按钮3,
                              &超级按钮5, &超级按钮6, &超级按钮4};
    for (std::size_t i = 0; i < kPageButtons.size(); ++i) {
        const PageButtonSpec& spec = kPageButtons[i];
        // 超级按钮5 and 超级按钮6 stand on the window itself, the others on the background.
        QWidget* parent = spec.page == 3 || spec.page == 4 ? static_cast<QWidget*>(this) : 图片框1;
        *buttons[i] = placeControl(new PageButton(QString::fromUtf8(spec.caption), parent),
                                   spec.name, spec.left, 16, 50, 25);
        connect(*buttons[i], &QPushButton::clicked, this,
                [this, page = spec.page] { showPage(page); });
    }

    滑块 = pictureBox(图片框1, "滑块", 70, 40, 50, 3, "slider.png");
    滑块->setAttribute(Qt::WA_TransparentForMouseEvents);

    struct Graphic {
        GraphicButton** control;
        const char* name;
        const char* picture; // "<picture>.png" at rest, "<picture>_hover.png" under the mouse
        const char* role;
        int left, top, size;
    };
    const Graphic graphics[] = {
        {&图形按钮1, "图形按钮1", "minimise", "最小化", 433, 8, 30},
        {&图形按钮2, "图形按钮2", "close", "退出", 469, 8, 30},
        {&图形按钮8, "图形按钮8", "emblem", "时钟", 0, 200, 60},
        {&图形按钮3, "图形按钮3", "exit", "询问后退出", 0, 260, 60},
    };
    for (const Graphic& graphic : graphics) {
        const QString picture = QString::fromUtf8(graphic.picture);
        *graphic.control = placeControl(
            new GraphicButton(assetPicture(picture + ".png"), assetPicture(picture + "_hover.png"),
                              QString::fromUtf8(graphic.role), 图片框1),
            graphic.name, graphic.left, graphic.top, graphic.size, graphic.size);
    }
    connect(图形按钮1, &QAbstractButton::clicked, this, [this] { placeMinimised(*this); });
    connect(图形按钮2, &QAbstractButton::clicked, this, [this] { services_.endProgram(); });
    connect(图形按钮3, &QAbstractButton::clicked, this, &MainWindow::confirmExit);

    托盘菜单 = new QMenu(QString::fromUtf8("托盘菜单"), this);
    托盘菜单->setObjectName("托盘菜单");
    显示窗口 = 托盘菜单->addAction(QString::fromUtf8("显示窗口"));
    退出软件 = 托盘菜单->addAction(QString::fromUtf8("退出软件"));
    恢复透明度 = 托盘菜单->addAction(QString::fromUtf8("恢复透明度"));
    connect(显示窗口, &QAction::triggered, this, &MainWindow::showWindow);
    connect(退出软件, &QAction::triggered, this, [this] { services_.endProgram(); });
    connect(恢复透明度, &QAction::triggered, this, [this] { setWindowAlpha(*this, 255); });

    时钟1 = new FormTimer("时钟1", 1000, this);
    connect(时钟1, &FormTimer::tick, this, &MainWindow::updateClockLine);
}

void MainWindow::runCreationSequence() {
    settingsPage->locateSkinLibrary(services_.paths.skinDefaultPath);
    settingsPage->applyCurrentSkin();
    resize(width(), 320);
    batchPage->registerDropTarget(选择夹2);
    services_.state.powerStatusText.clear();
    services_.state.alarmStatusText.clear();
    setWindowAlpha(*this, 225);
    addTrayIcon();
    calcPage->startWithFirstOperand();
    notesPage->readNotes();
    batchPage->resetProgressDisplay();
    chatPage->writeHelpText();
}

void MainWindow::addTrayIcon() {
    trayIcon = new QSystemTrayIcon(programIcon(), this);
    trayIcon->setToolTip("Halvane");
    connect(trayIcon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                switch (reason) {
                case QSystemTrayIcon::Trigger:
                    handleTrayEvent(TrayEvent::Click);
                    break;
                case QSystemTrayIcon::DoubleClick:
                    handleTrayEvent(TrayEvent::DoubleClick);
                    break;
                case QSystemTrayIcon::Context:
                    handleTrayEvent(TrayEvent::Context);
                    break;
                default:
                    break;
                }
            });
    // Without a notification area the program simply has no tray icon.
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        trayIcon->show();
    }
}

void MainWindow::showPage(int page) {
    for (const PageButtonSpec& spec : kPageButtons) {
        if (spec.page == page) {
            选择夹2->setCurrentIndex(page);
            滑块->move(spec.left, 滑块->y());
            return;
        }
    }
}

void MainWindow::updateClockLine() {
    powerPage->标签5导航->setText(toQt(clockLineText(
        services_.clock.now(), services_.state.powerStatusText, services_.state.alarmStatusText)));
}

void MainWindow::handleTrayEvent(TrayEvent type) {
    switch (type) {
    case TrayEvent::DoubleClick:
        show();
        break;
    case TrayEvent::Context:
        托盘菜单->popup(QCursor::pos() + QPoint(3, 3));
        break;
    default:
        break;
    }
}

void MainWindow::confirmExit() {
    if (services_.dialogs.messageBox("真的要退出吗？"_gbk, "提示信息"_gbk,
                                     MessageStyle::OkCancel) == MessageAnswer::Ok) {
        services_.endProgram();
    }
}

void MainWindow::showWindow() {
    show();
    placeCentred(*this);
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QDialog::mousePressEvent(event);
        return;
    }
    // A press anywhere on the surface drags the window. The window system moves it where it
    // can; otherwise the window follows the mouse itself.
    dragging_ = !(windowHandle() && windowHandle()->startSystemMove());
    dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
    event->accept();
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - dragOffset_);
        event->accept();
        return;
    }
    QDialog::mouseMoveEvent(event);
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
    dragging_ = false;
    QDialog::mouseReleaseEvent(event);
}
