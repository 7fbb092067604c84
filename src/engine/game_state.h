#pragma once

#include "cards/card_elements.h"
#include "cards/hand.h"
#include "cards/player.h"
#include "cards/rules.h"

#include <array>
#include <cstddef>

namespace kov {

// Whether there is a hand to play: none before the first deal, and none after a won hand whose
// next deal was refused, until a deal succeeds.
enum class Phase { NoHand, HandInPlay };

// Which of a player's seven slots show a card. A slot that shows none is free, and the draw
// fills the first free one; a blank card left out of the display counts as free too.
using SlotsShown = std::array<bool, Hand::slotCount>;

// Everything the game knows between two clicks, including what the table shows.
struct GameState {
    CardElements Deck; // the order the last deal made; hands and draws come from it
    Hand PlayerOneHand;
    Hand PlayerTwoHand;
    std::array<SlotsShown, 2> slotsShown{}; // Player One's first
    int DeckPosition = 0; // element index of the next card to draw; always odd once dealt
    CardInForce inForce;
    Phase phase = Phase::NoHand;
    Player toMove = Player::One;
    std::array<int, 2> totals{}; // running match totals, Player One first

    friend bool operator==(const GameState&, const GameState&) = default;

    [[nodiscard]] Hand& hand(Player player) {
        return player == Player::One ? PlayerOneHand : PlayerTwoHand;
    }
    [[nodiscard]] const Hand& hand(Player player) const {
        return player == Player::One ? PlayerOneHand : PlayerTwoHand;
    }
    [[nodiscard]] SlotsShown& shown(Player player) { return slotsShown[indexOf(player)]; }
    [[nodiscard]] const SlotsShown& shown(Player player) const {
        return slotsShown[indexOf(player)];
    }
    [[nodiscard]] int& total(Player player) { return totals[indexOf(player)]; }
    [[nodiscard]] int total(Player player) const { return totals[indexOf(player)]; }
};

} // namespace kov
