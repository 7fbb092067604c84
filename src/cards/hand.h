#pragma once

#include "cards/card.h"

#include <array>
#include <cstddef>

namespace kov {

// A slot number as the index of the arrays kept a slot each.
[[nodiscard]] constexpr std::size_t slotIndex(int slot) {
    return static_cast<std::size_t>(slot);
}

// A player's hand: slot k holds card k+1. Played cards are taken out by closing the gap, so
// after a play the cards stand in slots 0 to k-1 and the rest are empty.
class Hand {
public:
    static constexpr int slotCount = 7;

    [[nodiscard]] Card at(int slot) const { return cards_.at(slotIndex(slot)); }
    void put(int slot, Card card) { cards_.at(slotIndex(slot)) = card; }

    // Takes out the card in this slot; the cards above it move down one slot each.
    void remove(int slot);

    // Whether the first card is empty: the player has gone out.
    [[nodiscard]] bool isEmpty() const { return cards_[0].value.isEmpty(); }

    friend bool operator==(const Hand&, const Hand&) = default;

private:
    std::array<Card, slotCount> cards_{};
};

} // namespace kov
