#include "app/WindowAlpha.h"

#include "common/Codec.h"

int windowAlphaForSlider(int position) {
    return static_cast<int>(255.0 - position * 255.0 / 100.0);
}

Text windowAlphaCaption(int alpha) {
    return "窗口透明数值："_gbk + decimal(alpha);
}
