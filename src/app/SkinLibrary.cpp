#include "app/SkinLibrary.h"

#include "common/Codec.h"

#include <QFileInfo>
#include <limits>

bool SkinLibrary::skinEntryAvailable(const Text& path) {
    const QString file = toQt(path);
    if (path.empty() || !QFileInfo(file).isFile()) {
        return false;
    }
    if (library_.fileName() != file || !library_.isLoaded()) {
        attach_ = nullptr;
        // Setting another name lets go of this object's handle without unloading anything,
        // and the hint keeps every library loaded even if something asks to unload it.
        library_.setFileName(file);
        library_.setLoadHints(QLibrary::PreventUnloadHint);
        if (!library_.load()) {
            return false;
        }
        attach_ = reinterpret_cast<AttachFunction>(library_.resolve("SkinH_AttachRes"));
    }
    return attach_ != nullptr;
}

bool SkinLibrary::applySkin(const Text& path, const std::string& skin, const char* password,
                            int hue, int saturation, int brightness) {
    if (!skinEntryAvailable(path) || skin.size() > std::numeric_limits<int>::max()) {
        return false;
    }
    const auto* bytes =
        skin.empty() ? nullptr : reinterpret_cast<const unsigned char*>(skin.data());
    return attach_(bytes, static_cast<int>(skin.size()), password, hue, saturation, brightness) ==
           0;
}
