#pragma once

#include "cards/card.h"

#include <QColor>

#include <array>

namespace kov {

// The four colours of the cards, in the colour chooser's order, top to bottom.
struct CardColour {
    char letter;      // the colour character of a card code, and what the chooser stores
    const char* name; // in English: it names the colour's controls (lblBlue)
    QRgb swatch;      // the chooser's swatch and the colour-in-force strip
    QRgb face;        // the band across a drawn face
};

// Blue's swatch is cyan on purpose; keep it.
inline constexpr std::array<CardColour, 4> cardColours{{
    {'B', "Blue", qRgb(0, 255, 255), qRgb(30, 90, 200)},
    {'G', "Green", qRgb(0, 255, 0), qRgb(30, 140, 60)},
    {'R', "Red", qRgb(255, 0, 0), qRgb(200, 40, 40)},
    {'Y', "Yellow", qRgb(255, 255, 0), qRgb(220, 180, 0)},
}};

// The colour this character names, or nothing when it names none.
[[nodiscard]] constexpr const CardColour* cardColourOf(CardCharacter colour) {
    for (const CardColour& each : cardColours) {
        if (colour.is(each.letter))
            return &each;
    }
    return nullptr;
}

// A character that names no colour shows in plain grey.
[[nodiscard]] inline QColor swatchColour(CardCharacter colour) {
    const CardColour* known = cardColourOf(colour);
    return known ? QColor(known->swatch) : QColor(192, 192, 192);
}
[[nodiscard]] inline QColor faceColour(CardCharacter colour) {
    const CardColour* known = cardColourOf(colour);
    return known ? QColor(known->face) : QColor(110, 110, 110);
}

} // namespace kov
