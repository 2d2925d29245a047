#pragma once
// Page 0 "定时关机": power buttons, timed shutdown and restart, the daily alarm, and the
// clock line at its top.

#include <QWidget>

#include <memory>

class AlarmClock;
class FormTimer;
class PowerSchedule;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
struct Services;

class PowerPage : public QWidget {
    Q_OBJECT
public:
    PowerPage(Services& services, QWidget* parent);
    ~PowerPage() override;

    PowerSchedule& schedule() { return *schedule_; }
    AlarmClock& alarm() { return *alarm_; }

    QGroupBox* 分组框2 = nullptr;
    QLabel* 标签5导航 = nullptr; // the clock line, written by the main window
    QPushButton* 按钮1 = nullptr;
    QPushButton* 按钮2 = nullptr;
    QPushButton* 按钮5 = nullptr;
    QComboBox* 组合框时1 = nullptr;
    QLabel* 透明标签5 = nullptr;
    QComboBox* 组合框分1 = nullptr;
    QLabel* 透明标签6 = nullptr;
    QComboBox* 组合框秒1 = nullptr;
    QLabel* 透明标签7 = nullptr;
    QPushButton* 按钮7 = nullptr;
    QPushButton* 按钮6 = nullptr;
    QComboBox* 组合框时 = nullptr;
    QLabel* 透明标签2 = nullptr;
    QComboBox* 组合框分 = nullptr;
    QLabel* 透明标签3 = nullptr;
    QComboBox* 组合框秒 = nullptr;
    QLabel* 透明标签4 = nullptr;
    QPushButton* 按钮3 = nullptr;
    QPushButton* 按钮4 = nullptr;

    FormTimer* 时钟2 = nullptr; // timed-shutdown check
    FormTimer* 时钟3 = nullptr; // timed-restart check
    FormTimer* 时钟4 = nullptr; // alarm check
    FormTimer* 时钟6 = nullptr; // alarm lists follow the clock
    FormTimer* 时钟7 = nullptr; // power lists follow the clock

private:
    void bindPowerControls();
    void bindAlarmControls();

    Services& services_;
    std::unique_ptr<PowerSchedule> schedule_;
    std::unique_ptr<AlarmClock> alarm_;
};
