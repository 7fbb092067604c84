#pragma once

#include <QColor>

namespace kov::art {

// How a colour marks its field besides the hue itself, so a player who cannot tell the hues
// apart still tells the cards apart.
enum class Pattern { DiagonalStripes, Dots, Waves, Checks };

struct CardColour {
    char letter;
    QColor field; // the card's background
    QColor shade; // pattern marks drawn over the field
    QColor plate; // the solid disc behind the big value
    QColor ink;   // text and symbols drawn on the colour
    QColor edge;  // outline around ink so it holds against the pattern
    Pattern pattern;
};

// The four card colours in the deck's order: red, green, blue, yellow.
inline constexpr char colourLetters[] = {'R', 'G', 'B', 'Y'};

// The colour for a colour character; throws std::invalid_argument for any other character.
[[nodiscard]] const CardColour& cardColour(char letter);

// The near-black field of the wild cards.
[[nodiscard]] QColor wildField();

} // namespace kov::art
