#pragma once

#include <QRect>

namespace kov {

// The board is laid out in twips, 15 to a logical pixel; every measure of the layout divides
// evenly.
constexpr int twipsPerPixel = 15;

[[nodiscard]] constexpr int fromTwips(int twips) {
    return twips / twipsPerPixel;
}

[[nodiscard]] constexpr QRect rectFromTwips(int left, int top, int width, int height) {
    return QRect(fromTwips(left), fromTwips(top), fromTwips(width), fromTwips(height));
}

// Logical pixels back in twips, to hold a control's place against the layout's figures.
[[nodiscard]] constexpr QRect inTwips(const QRect& pixels) {
    return QRect(pixels.x() * twipsPerPixel, pixels.y() * twipsPerPixel,
                 pixels.width() * twipsPerPixel, pixels.height() * twipsPerPixel);
}

} // namespace kov
