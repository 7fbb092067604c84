#pragma once

#include "cards/card.h"

namespace kov {

// The card on top of the discard pile, or after a wild card the colour chosen for it.
struct CardInForce {
    CardCharacter CurrentValue;
    CardCharacter CurrentColour;

    friend constexpr bool operator==(const CardInForce&, const CardInForce&) = default;
};

[[nodiscard]] constexpr bool isWild(CardCharacter value) {
    return value.is('W') || value.is('F');
}

// A card may go on the pile when it matches the card in force by colour or by value, or is
// wild. The comparisons are exact: a lower-case "r" does not match "R".
[[nodiscard]] constexpr bool isPlayable(Card card, const CardInForce& inForce) {
    if (card.value.isEmpty())
        return false; // an empty slot never plays, whatever the pile holds
    return card.colour == inForce.CurrentColour || card.value == inForce.CurrentValue ||
           isWild(card.value);
}

// What a card left in the loser's hand scores for the winner.
[[nodiscard]] constexpr int cardPoints(CardCharacter value) {
    for (char digit = '0'; digit <= '9'; ++digit) {
        if (value.is(digit))
            return digit - '0';
    }
    if (value.is('S') || value.is('V') || value.is('D'))
        return 20;
    if (isWild(value))
        return 50;
    return 0;
}

// Skip, reverse, draw-two and wild draw-four let the same player move again.
[[nodiscard]] constexpr bool keepsTurn(CardCharacter value) {
    return value.is('S') || value.is('V') || value.is('D') || value.is('F');
}

// How many cards the opponent must draw after this card.
[[nodiscard]] constexpr int penaltyCards(CardCharacter value) {
    if (value.is('D'))
        return 2;
    if (value.is('F'))
        return 4;
    return 0;
}

} // namespace kov
