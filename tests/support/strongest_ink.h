#pragma once

// Header only: for the tests that link kov_texts, which measures contrast.
#include "texts/text_contrast.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <algorithm>

namespace kov::test {

// The strongest contrast between a picture's pixels in region and the colour under them.
inline double strongestInk(const QImage& picture, QRect region, const QColor& under) {
    double strongest = 1;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x)
            strongest = std::max(strongest, contrastRatio(picture.pixelColor(x, y), under));
    }
    return strongest;
}

} // namespace kov::test
