#include "app/SettingsPage.h"
#include "ApplicationLookGuard.h"
#include "Contrast.h"
#include "WidgetTest.h"
#include "app/MainWindow.h"
#include "app/PageButton.h"
#include "app/SkinLocation.h"
#include "app/SkinSchemes.h"
#include "assets/Assets.h"
#include "common/Codec.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>

#include <memory>

namespace {

// The main window's frame behind the page buttons, at its lightest.
const QColor kFrame("#34445A");

class SettingsPageTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        look = std::make_unique<ApplicationLookGuard>();
    }
    void TearDown() override {
        look.reset();
        WidgetTest::TearDown();
    }

    // Puts the library this build made into `folder` (a link, so one copy is ever loaded).
    void installLibrary(const QString& folder) const {
        ASSERT_TRUE(QDir().mkpath(folder));
        ASSERT_TRUE(QFile::link(QString::fromUtf8(QUORVELL_TEST_SKIN_LIBRARY),
                                folder + "/" + kSkinLibraryFileName));
    }
    QString programDir() const { return toQt(services.paths.programDir); }
    QString systemDir() const { return toQt(services.paths.systemLibraryDir); }

    static QRadioButton* radio(const MainWindow& window, int number) {
        return window.settingsPage->findChild<QRadioButton*>(QString::fromUtf8("单选框") +
                                                             QString::number(number));
    }
    static QByteArray blob(int number) {
        return assetBytes(QString::fromUtf8(kSkinSchemes[number - 1].blobName));
    }
    QByteArray skinData() const {
        return QByteArray(state.skinData.data(), static_cast<qsizetype>(state.skinData.size()));
    }

    std::unique_ptr<ApplicationLookGuard> look;
};

TEST_F(SettingsPageTest, CreationFindsTheLibraryBesideTheProgramAndKeepsTheOwnLook) {
    installLibrary(programDir());
    MainWindow window(services);
    EXPECT_EQ(state.skinLibraryPath, services.paths.programDir + "/libSkinH_EL.so");
    EXPECT_TRUE(state.skinData.empty());
    EXPECT_TRUE(look->unchanged());
    EXPECT_TRUE(radio(window, 1)->isChecked());
}

TEST_F(SettingsPageTest, CreationPrefersTheSystemDirectoryCopy) {
    installLibrary(programDir());
    installLibrary(systemDir());
    MainWindow window(services);
    EXPECT_EQ(state.skinLibraryPath, services.paths.systemLibraryDir + "/libSkinH_EL.so");
}

class SchemeRadioTest : public SettingsPageTest,
                        public ::testing::WithParamInterface<SkinSchemeSpec> {};

TEST_P(SchemeRadioTest, ClickAppliesTheSchemeToTheWholeProgram) {
    installLibrary(programDir());
    MainWindow window(services);
    const int number = GetParam().radio;
    radio(window, number)->click();
    // A palette reaches the widgets through posted events, as the event loop would deliver.
    QApplication::processEvents();

    EXPECT_TRUE(radio(window, number)->isChecked());
    EXPECT_EQ(skinData(), blob(number));
    EXPECT_EQ(state.skinData.size(), static_cast<std::size_t>(GetParam().blobLength));
    EXPECT_NE(QApplication::palette(), look->palette());
    EXPECT_NE(window.settingsPage->palette().color(QPalette::Window),
              look->palette().color(QPalette::Window));
    // The page buttons stand on the dark frame; the scheme keeps their captions readable.
    const QColor caption = window.超级按钮1->property("textColor").value<QColor>();
    EXPECT_GE(contrastRatio(caption, kFrame), 4.5) << caption.name().toStdString();
}

INSTANTIATE_TEST_SUITE_P(SettingsPage, SchemeRadioTest, ::testing::ValuesIn(kSkinSchemes),
                         [](const auto& info) {
                             return "Radio" + std::to_string(info.param.radio);
                         });

TEST_F(SettingsPageTest, TheSameSchemeChosenTwiceIsAppliedTwice) {
    installLibrary(programDir());
    MainWindow window(services);
    radio(window, 6)->click();
    const QPalette applied = QApplication::palette();
    look->restore();
    ASSERT_NE(QApplication::palette(), applied);

    radio(window, 6)->click();
    EXPECT_EQ(QApplication::palette(), applied);
}

TEST_F(SettingsPageTest, WithoutALibraryAClickChangesNothingVisible) {
    MainWindow window(services);
    EXPECT_EQ(state.skinLibraryPath, services.paths.skinDefaultPath);
    radio(window, 9)->click();
    EXPECT_TRUE(radio(window, 9)->isChecked());
    EXPECT_FALSE(radio(window, 1)->isChecked());
    EXPECT_EQ(skinData(), blob(9));
    EXPECT_TRUE(look->unchanged());
    EXPECT_TRUE(dialogs.boxes().empty());
}

// ---- opacity

struct SliderCase {
    int position;
    int alpha;
};

class SliderTest : public SettingsPageTest, public ::testing::WithParamInterface<SliderCase> {};

TEST_P(SliderTest, PositionSetsTheOpacityAndTheCaption) {
    MainWindow window(services);
    // The slider starts at 1, so it is moved elsewhere first to come back to 1 as a change.
    window.settingsPage->滑块条1->setValue(GetParam().position == 1 ? 2 : 1);
    window.settingsPage->滑块条1->setValue(GetParam().position);
    EXPECT_EQ(state.windowAlpha, GetParam().alpha);
    EXPECT_DOUBLE_EQ(window.windowOpacity(), GetParam().alpha / 255.0);
    EXPECT_EQ(fromQt(window.settingsPage->透明标签窗口->text()),
              "窗口透明数值："_gbk + decimal(GetParam().alpha));
}

INSTANTIATE_TEST_SUITE_P(SettingsPage, SliderTest,
                         ::testing::Values(SliderCase{1, 252}, SliderCase{50, 127},
                                           SliderCase{99, 2}, SliderCase{100, 0}),
                         [](const auto& info) {
                             return "Position" + std::to_string(info.param.position);
                         });

TEST_F(SettingsPageTest, BeforeTheSliderMovesTheCaptionHasNoNumberAndTheWindowIs225) {
    MainWindow window(services);
    EXPECT_EQ(window.settingsPage->透明标签窗口->text(), QString::fromUtf8("窗口透明数值："));
    EXPECT_DOUBLE_EQ(window.windowOpacity(), 225 / 255.0);
    const QSlider* slider = window.settingsPage->滑块条1;
    EXPECT_EQ(slider->value(), 1);
    EXPECT_EQ(slider->minimum(), 1);
    EXPECT_EQ(slider->maximum(), 100);
    EXPECT_EQ(slider->pageStep(), 5);
}

TEST_F(SettingsPageTest, RestoringOpacityMakesTheWindowOpaqueAndLeavesSliderAndCaption) {
    MainWindow window(services);
    window.settingsPage->滑块条1->setValue(100);
    ASSERT_DOUBLE_EQ(window.windowOpacity(), 0.0);

    window.恢复透明度->trigger();
    EXPECT_DOUBLE_EQ(window.windowOpacity(), 1.0);
    EXPECT_EQ(window.settingsPage->滑块条1->value(), 100);
    EXPECT_EQ(window.settingsPage->透明标签窗口->text(), QString::fromUtf8("窗口透明数值：0"));
    EXPECT_EQ(state.windowAlpha, 0);
}

TEST_F(SettingsPageTest, SchemeAndOpacityStayIndependent) {
    installLibrary(programDir());
    MainWindow window(services);
    window.settingsPage->滑块条1->setValue(50);
    radio(window, 3)->click();
    EXPECT_DOUBLE_EQ(window.windowOpacity(), 127 / 255.0);
    const QPalette applied = QApplication::palette();
    window.settingsPage->滑块条1->setValue(20);
    EXPECT_EQ(QApplication::palette(), applied);
    EXPECT_EQ(skinData(), blob(3));
}

} // namespace
