#pragma once
// The main window's opacity as the settings page's slider sets it.

#include "common/Text.h"

// Slider position 1 to 100 → opacity: 255 − position × 255 / 100, truncated toward zero, so
// 1 gives 252 and 100 gives 0 (invisible, still working).
int windowAlphaForSlider(int position);

// "窗口透明数值：" followed by the opacity.
Text windowAlphaCaption(int alpha);
