#pragma once

#include "cards/card.h"

#include <QString>

namespace kov {

// Names of cards as a person would say them ("Red 7", "Blue Skip", "Wild Draw Four"), for
// screen readers and for the face drawn when a card's picture is missing. Characters outside
// the card alphabet are named as they are, or by their byte value when they cannot be printed.
[[nodiscard]] QString valueName(CardCharacter value);
[[nodiscard]] QString colourName(CardCharacter colour);
[[nodiscard]] QString cardName(Card card);

} // namespace kov
