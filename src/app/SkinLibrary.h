#pragma once
// The skin library, loaded at run time from a path and called through its one export. A
// library once loaded stays loaded for the rest of the run.

#include "common/Text.h"

#include <QLibrary>
#include <string>

class SkinLibrary {
public:
    // True when `path` names a file that loads as a library exporting SkinH_AttachRes.
    bool skinEntryAvailable(const Text& path);

    // Hands `skin` (the empty buffer as a null pointer and count 0) to the library at `path`.
    // True when the library accepted it; false, silently, when there is no usable library or
    // it refused the skin.
    bool applySkin(const Text& path, const std::string& skin, const char* password, int hue,
                   int saturation, int brightness);

private:
    using AttachFunction = int (*)(const unsigned char*, int, const char*, int, int, int);

    QLibrary library_;
    AttachFunction attach_ = nullptr;
};
