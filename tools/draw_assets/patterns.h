#pragma once

#include "palette.h"

class QPainter;
class QRectF;

namespace kov::art {

// Fills area with the colour's field and lays its pattern over it. The painter's clip decides
// the final shape; step is the pattern's repeat in pixels.
void paintPatternedField(QPainter& painter, const QRectF& area, const CardColour& colour,
                         double step);

} // namespace kov::art
