#pragma once

#include "cards/card_elements.h"

namespace kov {

// Exchanges the deck's elements at SwapCardBigOneIndex and SwapCardOneSmallIndex, then those at
// SwapCardBigTwoIndex and SwapCardTwoSmallIndex.
void CardShuffle(CardElements& deck, int SwapCardBigOneIndex, int SwapCardBigTwoIndex,
                 int SwapCardOneSmallIndex, int SwapCardTwoSmallIndex);

// The deck a deal makes from the card file's order: the file's four quarters of 27 cards in
// reverse order, then 32 fixed exchanges. Nothing here is random: the same file always gives
// the same deck, and since the result is written back, each deal permutes the last one's order.
[[nodiscard]] CardElements shuffledDeck(const CardElements& fileCards);

} // namespace kov
