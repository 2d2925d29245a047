#pragma once
// Page 5 "其他设置": the window's opacity and the nine colour schemes.

#include "app/SkinLibrary.h"
#include "common/Text.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QRadioButton;
class QSlider;
struct Services;

class SettingsPage : public QWidget {
    Q_OBJECT
public:
    SettingsPage(Services& services, QWidget* parent);

    // Duties of the main window's creation: settle where the skin library lies, starting
    // from `preferred`, then hand it the scheme chosen so far.
    void locateSkinLibrary(const Text& preferred);
    void applyCurrentSkin();

    // Click of 单选框1 … 单选框9: the scheme becomes skinData and is handed to the library,
    // even when it is the scheme already in force.
    void chooseScheme(int radio);
    // Position change of 滑块条1: the main window's opacity and the caption above the slider.
    void showWindowAlpha(int position);

    QLabel* 透明标签窗口 = nullptr;
    QSlider* 滑块条1 = nullptr;
    QGroupBox* 分组框1 = nullptr;
    QRadioButton* 单选框1 = nullptr;
    QRadioButton* 单选框2 = nullptr;
    QRadioButton* 单选框3 = nullptr;
    QRadioButton* 单选框4 = nullptr;
    QRadioButton* 单选框5 = nullptr;
    QRadioButton* 单选框6 = nullptr;
    QRadioButton* 单选框7 = nullptr;
    QRadioButton* 单选框8 = nullptr;
    QRadioButton* 单选框9 = nullptr;
    QLabel* 透明标签窗口2 = nullptr;
    QLabel* 透明标签窗口3 = nullptr;
    QLabel* 透明标签窗口4 = nullptr;
    QLabel* 透明标签窗口5 = nullptr;
    QLabel* 透明标签窗口6 = nullptr;
    QLabel* 透明标签窗口7 = nullptr;
    QLabel* 透明标签窗口8 = nullptr;
    QLabel* 透明标签窗口9 = nullptr;
    QLabel* 透明标签窗口10 = nullptr;

private:
    Services& services_;
    SkinLibrary skinLibrary_;
};
