#pragma once
// The program's working window: six page buttons over a page control with one tool per page,
// the graphic buttons at its edges, the tray icon and the clock line.

#include "app/TrayEvents.h"

#include <QDialog>
#include <QPoint>

class BatchPage;
class CalcPage;
class ChatPage;
class FormTimer;
class GraphicButton;
class NotesPage;
class PageButton;
class PowerPage;
class QAction;
class QLabel;
class QMenu;
class QSystemTrayIcon;
class QTabWidget;
class SettingsPage;
struct Services;

class MainWindow : public QDialog {
    Q_OBJECT
public:
    explicit MainWindow(Services& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Click of a page button: its page, and the bar under it.
    void showPage(int page);
    // Tick of 时钟1.
    void updateClockLine();
    // The tray icon's events, numbered as the program numbers them.
    void handleTrayEvent(TrayEvent type);
    // 图形按钮3: ask, and end the program on OK.
    void confirmExit();
    // Tray menu item "显示窗口".
    void showWindow();

    QLabel* 图片框1 = nullptr;
    PageButton* 超级按钮1 = nullptr;
    PageButton* 超级按钮2 = nullptr;
    PageButton* 超级按钮3 = nullptr;
    PageButton* 超级按钮5 = nullptr;
    PageButton* 超级按钮6 = nullptr;
    PageButton* 超级按钮4 = nullptr;
    QLabel* 滑块 = nullptr;
    QLabel* 图片框3 = nullptr;
    QTabWidget* 选择夹2 = nullptr;
    GraphicButton* 图形按钮1 = nullptr;
    GraphicButton* 图形按钮2 = nullptr;
    GraphicButton* 图形按钮8 = nullptr;
    GraphicButton* 图形按钮3 = nullptr;
    FormTimer* 时钟1 = nullptr;

    QSystemTrayIcon* trayIcon = nullptr;
    QMenu* 托盘菜单 = nullptr;
    QAction* 显示窗口 = nullptr;
    QAction* 退出软件 = nullptr;
    QAction* 恢复透明度 = nullptr;

    PowerPage* powerPage = nullptr;
    BatchPage* batchPage = nullptr;
    NotesPage* notesPage = nullptr;
    CalcPage* calcPage = nullptr;
    ChatPage* chatPage = nullptr;
    SettingsPage* settingsPage = nullptr;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void buildForm();
    void runCreationSequence();
    void addTrayIcon();

    Services& services_;
    QPoint dragOffset_;
    bool dragging_ = false;
};
