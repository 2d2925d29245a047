#pragma once
// The one export of the skin library libSkinH_EL.so. The program never links the library: it
// loads it by path at run time and looks this name up.

extern "C" {

// Restyles every window of the program from a skin blob (see skin/SkinFormat.h): the
// application's palette and style sheet. A null skin with count 0 brings back the program's
// own look. The password is not used (blobs are not encrypted), and hue, saturation and
// brightness must be 0: this library applies a scheme as its blob gives it.
// Returns 0 on success; otherwise one of SkinAttachResult, and nothing has changed.
int SkinH_AttachRes(const unsigned char* skin, int count, const char* password, int hue,
                    int saturation, int brightness);

} // extern "C"

enum SkinAttachResult : int {
    kSkinAttached = 0,
    kSkinNoApplication = 1, // no widget application, or called from another thread
    kSkinBadArguments = 2,  // a negative count, a null skin with a count, or a colour shift
    kSkinMalformed = 3,     // the blob is not a well-formed skin of a version this library reads
};
