#include "power/PowerPage.h"

#include "common/Clock.h"
#include "common/FormLayout.h"
#include "common/FormTimer.h"
#include "common/Services.h"
#include "power/AlarmClock.h"
#include "power/PowerSchedule.h"
#include "power/ProcessWindow.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <utility>

namespace {

// A time list whose item k reads k and stores k.
QComboBox* timeList(QWidget* parent, const char* name, int left, int top, int count) {
    auto* list = placeControl(new QComboBox(parent), name, left, top, 40, 20);
    for (int k = 0; k < count; ++k) {
        list->addItem(QString::number(k), k);
    }
    list->setMaxVisibleItems(12);
    list->setCurrentIndex(-1);
    return list;
}

QLabel* unitLabel(QWidget* parent, const char* name, int left, int top, const char* caption) {
    return placeControl(new QLabel(QString::fromUtf8(caption), parent), name, left, top, 20, 20);
}

QPushButton* button(QWidget* parent, const char* name, int left, int top, const char* caption) {
    return placeControl(new QPushButton(QString::fromUtf8(caption), parent), name, left, top, 80,
                        25);
}

struct TimeLists {
    QComboBox* hour;
    QComboBox* minute;
    QComboBox* second;
};

// The stored value of the selected item, -1 when none is selected.
int selectedValue(const QComboBox* list) {
    return list->currentIndex() < 0 ? -1 : list->currentData().toInt();
}

TimeOfDay readTime(const TimeLists& lists) {
    return {selectedValue(lists.hour), selectedValue(lists.minute), selectedValue(lists.second)};
}

// Item index and stored value agree, so selecting by index shows and holds the time. Selecting
// by program raises no item-selected event (only `activated`, a user's pick, does).
void showTime(const TimeLists& lists, const LocalDateTime& now) {
    lists.hour->setCurrentIndex(now.hour);
    lists.minute->setCurrentIndex(now.minute);
    lists.second->setCurrentIndex(now.second);
}

template <typename Handler>
void onUserPick(const TimeLists& lists, QObject* context, Handler handler) {
    for (QComboBox* list : {lists.hour, lists.minute, lists.second}) {
        QObject::connect(list, &QComboBox::activated, context, handler);
    }
}

} // namespace

PowerPage::PowerPage(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
    setObjectName("定时关机");
    分组框2 = placeControl(new QGroupBox(this), "分组框2", 0, 0, 500, 260);
    标签5导航 =
        placeControl(new QLabel(QString::fromUtf8("当前："), this), "标签5导航", 2, 10, 435, 24);
    按钮1 = button(this, "按钮1", 0, 40, "关机");
    按钮2 = button(this, "按钮2", 0, 72, "重启");
    按钮5 = button(this, "按钮5", 0, 104, "注销");
    组合框时1 = timeList(this, "组合框时1", 150, 72, 24);
    透明标签5 = unitLabel(this, "透明标签5", 200, 72, "时");
    组合框分1 = timeList(this, "组合框分1", 225, 72, 60);
    透明标签6 = unitLabel(this, "透明标签6", 275, 72, "分");
    组合框秒1 = timeList(this, "组合框秒1", 300, 72, 60);
    透明标签7 = unitLabel(this, "透明标签7", 350, 72, "秒");
    按钮7 = button(this, "按钮7", 152, 115, "取消闹钟");
    按钮6 = button(this, "按钮6", 280, 115, "设置闹钟");
    组合框时 = timeList(this, "组合框时", 150, 160, 24);
    透明标签2 = unitLabel(this, "透明标签2", 200, 160, "时");
    组合框分 = timeList(this, "组合框分", 225, 160, 60);
    透明标签3 = unitLabel(this, "透明标签3", 275, 160, "分");
    组合框秒 = timeList(this, "组合框秒", 300, 160, 60);
    透明标签4 = unitLabel(this, "透明标签4", 350, 160, "秒");
    按钮3 = button(this, "按钮3", 150, 208, "定时关机");
    按钮4 = button(this, "按钮4", 280, 208, "定时重启");

    // Each unit caption labels its list for a screen reader.
    const std::pair<QLabel*, QComboBox*> captions[] = {
        {透明标签5, 组合框时1}, {透明标签6, 组合框分1}, {透明标签7, 组合框秒1},
        {透明标签2, 组合框时},  {透明标签3, 组合框分},  {透明标签4, 组合框秒}};
    for (const auto& [caption, list] : captions) {
        caption->setBuddy(list);
    }

    时钟2 = new FormTimer("时钟2", 0, this);
    时钟3 = new FormTimer("时钟3", 0, this);
    时钟4 = new FormTimer("时钟4", 0, this);
    时钟6 = new FormTimer("时钟6", 1000, this);
    时钟7 = new FormTimer("时钟7", 1000, this);

    const NoticeOwnerFinder findOwner = [&services] {
        return findProcessWindow(QCoreApplication::applicationPid(), services.dialogs,
                                 services.clock);
    };
    schedule_ = std::make_unique<PowerSchedule>(services, findOwner, *时钟2, *时钟3, *时钟7);
    alarm_ = std::make_unique<AlarmClock>(services, findOwner, *时钟4, *时钟6);
    bindPowerControls();
    bindAlarmControls();
}

PowerPage::~PowerPage() = default;

void PowerPage::bindPowerControls() {
    const TimeLists lists{组合框时, 组合框分, 组合框秒};
    // The lists show the time from the start rather than stand empty until the first tick.
    showTime(lists, services_.clock.now());
    connect(按钮1, &QPushButton::clicked, this,
            [this] { schedule_->requestNow(PowerMode::ShutDown); });
    connect(按钮2, &QPushButton::clicked, this,
            [this] { schedule_->requestNow(PowerMode::Restart); });
    connect(按钮5, &QPushButton::clicked, this,
            [this] { schedule_->requestNow(PowerMode::LogOff); });
    connect(按钮3, &QPushButton::clicked, this,
            [this, lists] { schedule_->arm(PowerMode::ShutDown, readTime(lists)); });
    connect(按钮4, &QPushButton::clicked, this,
            [this, lists] { schedule_->arm(PowerMode::Restart, readTime(lists)); });
    connect(时钟2, &FormTimer::tick, this, [this] { schedule_->check(PowerMode::ShutDown); });
    connect(时钟3, &FormTimer::tick, this, [this] { schedule_->check(PowerMode::Restart); });
    connect(时钟7, &FormTimer::tick, this,
            [this, lists] { showTime(lists, services_.clock.now()); });
    onUserPick(lists, this, [this] { schedule_->listPickedByUser(); });
}

void PowerPage::bindAlarmControls() {
    const TimeLists lists{组合框时1, 组合框分1, 组合框秒1};
    showTime(lists, services_.clock.now());
    connect(按钮6, &QPushButton::clicked, this,
            [this, lists] { alarm_->set([lists] { return readTime(lists); }); });
    connect(按钮7, &QPushButton::clicked, this, [this] { alarm_->cancel(); });
    connect(时钟4, &FormTimer::tick, this, [this] { alarm_->check(); });
    connect(时钟6, &FormTimer::tick, this,
            [this, lists] { showTime(lists, services_.clock.now()); });
    onUserPick(lists, this, [this] { alarm_->listPickedByUser(); });
}
