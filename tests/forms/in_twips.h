#pragma once

#include "forms/twips.h"

#include <QRect>

// Logical pixels back in twips, to hold a control's place against the layout's figures.
[[nodiscard]] constexpr QRect inTwips(const QRect& pixels) {
    using kov::twipsPerPixel;
    return QRect(pixels.x() * twipsPerPixel, pixels.y() * twipsPerPixel,
                 pixels.width() * twipsPerPixel, pixels.height() * twipsPerPixel);
}
