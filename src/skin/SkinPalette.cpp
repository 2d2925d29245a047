#include "skin/SkinPalette.h"

#include <QColor>

// The blob numbers colour roles as this Qt does; the format must not drift if Qt's does.
static_assert(QPalette::WindowText == 0 && QPalette::Window == 10 && QPalette::NoRole == 17 &&
              QPalette::PlaceholderText == 20);
static_assert(QPalette::Active == 0 && QPalette::Disabled == 1 && QPalette::Inactive == 2);

QPalette skinPalette(QPalette base, const SkinScheme& scheme) {
    for (const SkinColour& entry : scheme.palette) {
        const QColor colour(entry.red, entry.green, entry.blue, entry.alpha);
        const auto role = static_cast<QPalette::ColorRole>(entry.role);
        if (entry.group == static_cast<std::uint8_t>(SkinColourGroup::All)) {
            base.setColor(role, colour);
        } else {
            base.setColor(static_cast<QPalette::ColorGroup>(entry.group), role, colour);
        }
    }
    return base;
}
