#pragma once

#include "cards/card.h"

#include <QColor>

namespace kov {

// The colour the chooser's swatches and the board's colour-in-force box show for a colour
// letter. Blue is shown as cyan on purpose; keep it. Anything else is plain grey.
[[nodiscard]] inline QColor swatchColour(CardCharacter colour) {
    if (colour.is('B'))
        return QColor(0, 255, 255);
    if (colour.is('G'))
        return QColor(0, 255, 0);
    if (colour.is('R'))
        return QColor(255, 0, 0);
    if (colour.is('Y'))
        return QColor(255, 255, 0);
    return QColor(192, 192, 192);
}

} // namespace kov
