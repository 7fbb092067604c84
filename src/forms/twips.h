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

} // namespace kov
