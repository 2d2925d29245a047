#include "app/SplashMotion.h"

int nextFadeLevel(int level) {
    const double c = (255 - level) / 20.0;
    const double step = c >= 1 - 1e-7 ? c : 1.0;
    return static_cast<int>(level + step);
}

int nextDotLeft(int left) {
    const int index = left >= 0 ? left / 28 : 0;
    // Left edges never pass 454, so the index stays within the table; the clamp keeps that
    // true for any edge a caller might hand in.
    const int speed = kDotSpeedTable[index < 17 ? index : 16];
    return left <= kDotTrackEnd ? left + speed : kDotTrackEnd;
}

DotLefts stepDots(const DotLefts& lefts) {
    DotLefts moved = lefts.back() >= kDotTrackEnd ? kDotPlacedLefts : lefts;
    for (int& left : moved) {
        left = nextDotLeft(left);
    }
    return moved;
}
