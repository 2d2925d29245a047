// Quorvell: a small desktop time assistant.

#include "app/EndSignals.h"
#include "app/Fonts.h"
#include "app/MainWindow.h"
#include "app/SkinLocation.h"
#include "app/SplashWindow.h"
#include "assets/Assets.h"
#include "chat/BuiltInChatbot.h"
#include "chat/CurlGlobal.h"
#include "common/Clock.h"
#include "common/Codec.h"
#include "common/ProgramState.h"
#include "common/QtDialogs.h"
#include "common/Services.h"
#include "power/LinuxPowerService.h"
#include "power/QtSoundPlayer.h"

#include <QApplication>
#include <QDBusConnection>
#include <QStandardPaths>

#ifndef QUORVELL_SKIN_DEFAULT_PATH
#define QUORVELL_SKIN_DEFAULT_PATH ""
#endif
#ifndef QUORVELL_SYSTEM_LIBRARY_DIR
#define QUORVELL_SYSTEM_LIBRARY_DIR ""
#endif

namespace {

// Releases the program-wide state when main() returns, whichever way the program ended.
class ReleaseAtEnd {
public:
    explicit ReleaseAtEnd(ProgramState& state) : state_(state) {}
    ~ReleaseAtEnd() { state_.releaseGlobals(); }
    ReleaseAtEnd(const ReleaseAtEnd&) = delete;
    ReleaseAtEnd& operator=(const ReleaseAtEnd&) = delete;

private:
    ProgramState& state_;
};

} // namespace

int main(int argc, char** argv) {
    // libcurl's global set-up comes before any thread exists and ends after the last request.
    const CurlGlobal curl;
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorvell");
    QApplication::setWindowIcon(programIcon());
    installProgramFonts();

    ProgramState state;
    const ReleaseAtEnd release(state);

    SystemClock clock;
    QtDialogs dialogs;
    LinuxPowerService power(QDBusConnection::systemBus(), QDBusConnection::sessionBus());
    QtSoundPlayer sound;
    const ProgramPaths paths{
        fromQt(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)),
        fromQt(QApplication::applicationDirPath()),
        fromQt(QString::fromUtf8(QUORVELL_SYSTEM_LIBRARY_DIR)),
        fromQt(QString::fromUtf8(QUORVELL_SKIN_DEFAULT_PATH)),
    };
    Services services{state,
                      dialogs,
                      clock,
                      power,
                      sound,
                      paths,
                      [] { QCoreApplication::exit(0); },
                      builtInChatbotEndpoint()};
    const EndSignals endSignals(services.endProgram);
    // Where the skin library lies is settled once before any window, with no preferred path;
    // the main window settles it again with the built-in default.
    locateSkinLibrary(state, paths, Text());

    SplashWindow splash(state, dialogs, [&services] {
        MainWindow window(services);
        window.exec();
        // Closing the main window, by Esc or the system's close, ends the program as its
        // exit command does.
        services.endProgram();
    });

    QApplication::exec();
    return 0;
}
