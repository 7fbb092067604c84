#include "palette.h"

#include <stdexcept>
#include <string>

namespace kov::art {

namespace {

// Yellow is light, so it alone carries dark ink; the others carry white.
const CardColour red{'R',
                     QColor(212, 36, 38),
                     QColor(236, 92, 88),
                     QColor(168, 20, 26),
                     QColor(255, 255, 255),
                     QColor(90, 8, 10),
                     Pattern::DiagonalStripes};
const CardColour green{'G',
                       QColor(28, 148, 62),
                       QColor(84, 192, 110),
                       QColor(14, 110, 44),
                       QColor(255, 255, 255),
                       QColor(4, 60, 22),
                       Pattern::Dots};
const CardColour blue{'B',
                      QColor(32, 92, 204),
                      QColor(96, 146, 236),
                      QColor(20, 64, 160),
                      QColor(255, 255, 255),
                      QColor(8, 30, 90),
                      Pattern::Waves};
const CardColour yellow{'Y',
                        QColor(244, 200, 24),
                        QColor(255, 232, 120),
                        QColor(252, 220, 70),
                        QColor(40, 30, 6),
                        QColor(255, 248, 210),
                        Pattern::Checks};

} // namespace

const CardColour& cardColour(char letter) {
    switch (letter) {
    case 'R':
        return red;
    case 'G':
        return green;
    case 'B':
        return blue;
    case 'Y':
        return yellow;
    default:
        throw std::invalid_argument("not a card colour: " + std::string(1, letter));
    }
}

QColor wildField() {
    return {34, 34, 40};
}

} // namespace kov::art
