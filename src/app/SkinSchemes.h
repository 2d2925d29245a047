#pragma once
// The nine colour schemes of the settings page: which radio button picks which scheme, its
// name, and the skin blob the program carries for it (made by tools/make_skins.py).

#include <array>

struct SkinSchemeSpec {
    int radio;            // 单选框1 … 单选框9
    const char* caption;  // UTF-8, shown in the label beside the radio button
    const char* blobName; // the embedded asset file
    int blobLength;       // bytes; the blob is handed over whole with exactly this length
};

inline constexpr std::array<SkinSchemeSpec, 9> kSkinSchemes = {{
    {1, "简约灰白", "skins/grey-white.she", 7012},
    {2, "简约黑", "skins/black.she", 9205},
    {3, "简约compact", "skins/compact.she", 23295},
    {4, "简约蓝", "skins/blue.she", 6226},
    {5, "简约红", "skins/red.she", 7265},
    {6, "简约蓝紫", "skins/blue-violet.she", 13599},
    {7, "简约纯", "skins/pure.she", 22424},
    {8, "简约绿", "skins/green.she", 12564},
    {9, "简约木", "skins/wood.she", 41098},
}};
