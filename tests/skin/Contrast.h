#pragma once
// The contrast ratio of two colours as the web's accessibility guidelines define it: 1 for
// equal colours, 21 for black on white; 4.5 is the least for ordinary text.

#include <QColor>
#include <algorithm>
#include <cmath>

inline double relativeLuminance(const QColor& colour) {
    const auto channel = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

inline double contrastRatio(const QColor& a, const QColor& b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
