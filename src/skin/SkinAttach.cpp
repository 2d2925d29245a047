#include "skin/SkinAttach.h"

#include "skin/ApplicationLook.h"
#include "skin/SkinFormat.h"

#include <QApplication>
#include <QThread>

extern "C" Q_DECL_EXPORT int SkinH_AttachRes(const unsigned char* skin, int count,
                                             const char* password, int hue, int saturation,
                                             int brightness) {
    (void)password;
    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!application || QThread::currentThread() != application->thread()) {
        return kSkinNoApplication;
    }
    if (count < 0 || (!skin && count != 0) || hue != 0 || saturation != 0 || brightness != 0) {
        return kSkinBadArguments;
    }
    // One look per process: the library restyles the one application it is loaded into.
    static ApplicationLook look;
    if (count == 0) {
        look.restoreOwn(*application);
        return kSkinAttached;
    }
    const SkinParseResult parsed = parseSkin({skin, static_cast<std::size_t>(count)});
    if (parsed.error != SkinFormatError::None) {
        return kSkinMalformed;
    }
    look.apply(*application, parsed.scheme);
    return kSkinAttached;
}
