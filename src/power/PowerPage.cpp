#include "power/PowerPage.h"

#include "common/FormLayout.h"
#include "common/FormTimer.h"
#include "common/Services.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

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

} // namespace

PowerPage::PowerPage(Services& services, QWidget* parent)
    : QWidget(parent), services_(services) {
    setObjectName("定时关机");
    分组框2 = placeControl(new QGroupBox(this), "分组框2", 0, 0, 500, 260);
    标签5导航 = placeControl(new QLabel(QString::fromUtf8("当前："), this), "标签5导航", 2, 10, 435, 24);
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

    时钟2 = new FormTimer("时钟2", 0, this);
    时钟3 = new FormTimer("时钟3", 0, this);
    时钟4 = new FormTimer("时钟4", 0, this);
    时钟6 = new FormTimer("时钟6", 1000, this);
    时钟7 = new FormTimer("时钟7", 1000, this);
}
