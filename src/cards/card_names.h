#pragma once

#include "cards/card.h"

#include <string>

namespace kov {

// Names of cards as a person would say them ("Red 7", "Blue Skip", "Wild Draw Four"), for
// screen readers and for the face drawn when a card's picture is missing. Characters outside
// the card alphabet are named as they are, or by their byte value when they cannot be printed.
[[nodiscard]] std::string valueName(CardCharacter value);
[[nodiscard]] std::string colourName(CardCharacter colour);
[[nodiscard]] std::string cardName(Card card);

} // namespace kov
