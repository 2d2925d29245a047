#include "app/SettingsPage.h"

#include "app/SkinLocation.h"
#include "app/SkinSchemes.h"
#include "app/WindowAlpha.h"
#include "assets/Assets.h"
#include "common/Codec.h"
#include "common/FormLayout.h"
#include "common/ProgramState.h"
#include "common/Services.h"
#include "common/WindowPlacement.h"

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
    透明标签窗口->setBuddy(滑块条1);
    滑块条1->setRange(1, 100);
    滑块条1->setValue(1);
    滑块条1->setPageStep(5);
    滑块条1->setSingleStep(1);
    分组框1 = placeControl(new QGroupBox(QString::fromUtf8("当前配色方案："), this), "分组框1", 12,
                           128, 416, 120);

    // Places in the form; the scheme each radio button picks comes from kSkinSchemes.
    struct Place {
        int radio;
        QRadioButton** control;
        const char* name;
        int left, top, width, height;
        QLabel** label;
        const char* labelName;
        int labelLeft, labelTop, labelWidth;
    };
    const Place places[] = {
        {1, &单选框1, "单选框1", 15, 30, 16, 16, &透明标签窗口2, "透明标签窗口2", 48, 25, 64},
        {2, &单选框2, "单选框2", 15, 60, 16, 16, &透明标签窗口3, "透明标签窗口3", 48, 55, 104},
        {4, &单选框4, "单选框4", 16, 90, 16, 16, &透明标签窗口5, "透明标签窗口5", 48, 85, 104},
        {3, &单选框3, "单选框3", 128, 30, 16, 15, &透明标签窗口4, "透明标签窗口4", 152, 25, 104},
        {5, &单选框5, "单选框5", 128, 60, 16, 15, &透明标签窗口6, "透明标签窗口6", 152, 55, 104},
        {6, &单选框6, "单选框6", 128, 90, 16, 15, &透明标签窗口7, "透明标签窗口7", 152, 85, 104},
        {7, &单选框7, "单选框7", 272, 30, 16, 15, &透明标签窗口8, "透明标签窗口8", 304, 25, 104},
        {8, &单选框8, "单选框8", 272, 60, 16, 15, &透明标签窗口9, "透明标签窗口9", 304, 55, 104},
        {9, &单选框9, "单选框9", 272, 90, 16, 15, &透明标签窗口10, "透明标签窗口10", 304, 85, 104},
    };
    auto* group = new QButtonGroup(this);
    for (const Place& place : places) {
        const QString caption = QString::fromUtf8(kSkinSchemes[place.radio - 1].caption);
        QRadioButton* radio = placeControl(new QRadioButton(分组框1), place.name, place.left,
                                           place.top, place.width, place.height);
        // The caption stands in the label beside the button; the button keeps it as its
        // accessible name so a screen reader can say which scheme it picks.
        radio->setAccessibleName(caption);
        group->addButton(radio);
        connect(radio, &QRadioButton::clicked, this,
                [this, number = place.radio] { chooseScheme(number); });
        *place.control = radio;
        *place.label = placeControl(new QLabel(caption, 分组框1), place.labelName, place.labelLeft,
                                    place.labelTop, place.labelWidth, 24);
        (*place.label)->setBuddy(radio);
    }
    单选框1->setChecked(true);
    connect(滑块条1, &QSlider::valueChanged, this, &SettingsPage::showWindowAlpha);
}

void SettingsPage::locateSkinLibrary(const Text& preferred) {
    ::locateSkinLibrary(services_.state, services_.paths, preferred);
}

void SettingsPage::applyCurrentSkin() {
    // The result is deliberately ignored: without a usable library the program keeps its look.
    skinLibrary_.applySkin(services_.state.skinLibraryPath, services_.state.skinData, nullptr, 0, 0,
                           0);
}

void SettingsPage::chooseScheme(int radio) {
    const QByteArray blob = assetBytes(QString::fromUtf8(kSkinSchemes[radio - 1].blobName));
    services_.state.skinData.assign(blob.constData(), static_cast<std::size_t>(blob.size()));
    applyCurrentSkin();
}

void SettingsPage::showWindowAlpha(int position) {
    services_.state.windowAlpha = windowAlphaForSlider(position);
    setWindowAlpha(*window(), services_.state.windowAlpha);
    透明标签窗口->setText(toQt(windowAlphaCaption(services_.state.windowAlpha)));
}
