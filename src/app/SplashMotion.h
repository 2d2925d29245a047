#pragma once
// The arithmetic of the splash window: the colour fade of the title and the five moving dots.

#include <array>

// The fade runs from 0 to this level; the title's green and blue follow it.
constexpr int kFadeEnd = 253;

// The level after `level`: (255 − level) / 20, at least 1, added whole.
int nextFadeLevel(int level);

// Speed in pixels per tick of a dot whose left edge lies in band index × 28 … index × 28 + 27.
constexpr std::array<int, 17> kDotSpeedTable = {6, 6, 6, 5, 4, 3, 2, 2, 2, 2, 3, 4, 5, 6, 6, 6, 6};

// The window's width: a dot at or past it has left the window.
constexpr int kDotTrackEnd = 448;

using DotLefts = std::array<int, 5>; // 外形框1 … 外形框5

constexpr DotLefts kDotStartLefts = {264, 240, 216, 192, 168};
constexpr DotLefts kDotPlacedLefts = {0, -72, -144, -216, -288};

// The new left edge of one dot.
int nextDotLeft(int left);

// One tick: when the last dot has reached the end all five are placed again, then each moves.
DotLefts stepDots(const DotLefts& lefts);
