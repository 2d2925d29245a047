#include "app/SettingsPage.h"

#include "common/FormLayout.h"
#include "common/Services.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>

SettingsPage::SettingsPage(Services& services, QWidget* parent)
    : QWidget(parent), services_(services) {
    setObjectName("其他设置");
    透明标签窗口 = placeControl(new QLabel(QString::fromUtf8("窗口透明数值："), this),
                               "透明标签窗口", 5, 16, 280, 20);
    滑块条1 = placeControl(new QSlider(Qt::Horizontal, this), "滑块条1", -4, 48, 449, 28);
    滑块条1->setRange(1, 100);
    滑块条1->setValue(1);
    滑块条1->setPageStep(5);
    滑块条1->setSingleStep(1);
    分组框1 = placeControl(new QGroupBox(QString::fromUtf8("当前配色方案："), this), "分组框1", 12,
                          128, 416, 120);

    struct Scheme {
        QRadioButton** radio;
        const char* radioName;
        int left, top, width, height;
        QLabel** label;
        const char* labelName;
        int labelLeft, labelTop, labelWidth;
        const char* caption;
    };
    const Scheme schemes[] = {
        {&单选框1, "单选框1", 15, 30, 16, 16, &透明标签窗口2, "透明标签窗口2", 48, 25, 64, "简约灰白"},
        {&单选框2, "单选框2", 15, 60, 16, 16, &透明标签窗口3, "透明标签窗口3", 48, 55, 104, "简约黑"},
        {&单选框4, "单选框4", 16, 90, 16, 16, &透明标签窗口5, "透明标签窗口5", 48, 85, 104, "简约蓝"},
        {&单选框3, "单选框3", 128, 30, 16, 15, &透明标签窗口4, "透明标签窗口4", 152, 25, 104,
         "简约compact"},
        {&单选框5, "单选框5", 128, 60, 16, 15, &透明标签窗口6, "透明标签窗口6", 152, 55, 104, "简约红"},
        {&单选框6, "单选框6", 128, 90, 16, 15, &透明标签窗口7, "透明标签窗口7", 152, 85, 104,
         "简约蓝紫"},
        {&单选框7, "单选框7", 272, 30, 16, 15, &透明标签窗口8, "透明标签窗口8", 304, 25, 104, "简约纯"},
        {&单选框8, "单选框8", 272, 60, 16, 15, &透明标签窗口9, "透明标签窗口9", 304, 55, 104, "简约绿"},
        {&单选框9, "单选框9", 272, 90, 16, 15, &透明标签窗口10, "透明标签窗口10", 304, 85, 104,
         "简约木"},
    };
    auto* group = new QButtonGroup(this);
    for (const Scheme& scheme : schemes) {
        *scheme.radio = placeControl(new QRadioButton(分组框1), scheme.radioName, scheme.left,
                                     scheme.top, scheme.width, scheme.height);
        // The caption stands in the label beside the button; the button keeps it as its
        // accessible name so a screen reader can say which scheme it picks.
        (*scheme.radio)->setAccessibleName(QString::fromUtf8(scheme.caption));
        group->addButton(*scheme.radio);
        *scheme.label = placeControl(new QLabel(QString::fromUtf8(scheme.caption), 分组框1),
                                     scheme.labelName, scheme.labelLeft, scheme.labelTop,
                                     scheme.labelWidth, 24);
        (*scheme.label)->setBuddy(*scheme.radio);
    }
    单选框1->setChecked(true);
}

void SettingsPage::locateSkinLibrary(const Text& preferred) { (void)preferred; }

void SettingsPage::applyCurrentSkin() {}
