#pragma once
// The palette a scheme gives: its colours set, in order, on top of a palette it starts from.

#include "skin/SkinFormat.h"

#include <QPalette>

QPalette skinPalette(QPalette base, const SkinScheme& scheme);
