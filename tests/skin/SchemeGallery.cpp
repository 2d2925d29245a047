// Renders the main window under each of the nine colour schemes, offscreen, into PNG files
// named after the schemes' blobs (grey-white.png, …):  skin_gallery <folder> [page 0-5]
// The page defaults to 3, the calculator, whose rows of buttons show a scheme best. The skin
// library is taken from beside this program, as the program itself finds it.

#include "FakeClock.h"
#include "FakeDialogs.h"
#include "FakeServices.h"
#include "app/Fonts.h"
#include "app/MainWindow.h"
#include "app/SettingsPage.h"
#include "app/SkinSchemes.h"
#include "common/Codec.h"
#include "common/ProgramState.h"
#include "common/Services.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRadioButton>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: skin_gallery <folder> [page 0-5]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int page = argc > 2 ? std::atoi(argv[2]) : 3;
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    installProgramFonts();

    // A home of its own, so no notes file of the user's is read, and a fixed time.
    QTemporaryDir home;
    QDir(home.path()).mkpath("Documents");
    FakeClock clock;
    clock.set(2019, 1, 26, 9, 5, 7);
    FakeDialogs dialogs;
    dialogs.clock = &clock;
    FakePowerService power;
    FakeSoundPlayer sound;
    ProgramState state;
    Services services{state,
                      dialogs,
                      clock,
                      power,
                      sound,
                      {fromQt(home.path() + "/Documents"),
                       fromQt(QApplication::applicationDirPath()), fromQt(home.path() + "/system"),
                       Text()},
                      [] {}};

    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "could not make %s\n", qPrintable(folder));
        return 1;
    }
    int failures = 0;
    for (const SkinSchemeSpec& scheme : kSkinSchemes) {
        MainWindow window(services);
        window.updateClockLine();
        window.showPage(page);
        window.show();
        auto* radio = window.settingsPage->findChild<QRadioButton*>(QString::fromUtf8("单选框") +
                                                                    QString::number(scheme.radio));
        radio->click();
        if (state.skinLibraryPath.empty() || application.styleSheet().isEmpty()) {
            std::fprintf(stderr, "no skin library beside %s\n",
                         qPrintable(QApplication::applicationFilePath()));
            return 1;
        }
        QApplication::processEvents();
        const QString file = folder + '/' +
                             QFileInfo(QString::fromUtf8(scheme.blobName)).completeBaseName() +
                             ".png";
        if (!window.grab().save(file)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(file));
            ++failures;
        }
        window.hide();
    }
    return failures == 0 ? 0 : 1;
}
