#pragma once

#include "cards/card_elements.h"
#include "cards/hand.h"
#include "cards/player.h"
#include "cards/rules.h"

#include <array>

namespace kov {

// Everything the game knows between two clicks. Which slots show a picture is not here: the
// board's pictures are the record of occupied slots, and the draw reads them from the board.
struct GameState {
    CardElements FileCards; // the card file as the last deal read it
    CardElements Deck;      // the order the last deal made; hands and draws come from it
    Hand PlayerOneHand;
    Hand PlayerTwoHand;
    int DeckPosition = 0; // element index of the next card to draw; always odd once dealt
    CardInForce inForce;
    Player toMove = Player::One;
    std::array<int, 2> totals{}; // running match totals, Player One first

    friend bool operator==(const GameState&, const GameState&) = default;

    [[nodiscard]] Hand& hand(Player player) {
        return player == Player::One ? PlayerOneHand : PlayerTwoHand;
    }
    [[nodiscard]] const Hand& hand(Player player) const {
        return player == Player::One ? PlayerOneHand : PlayerTwoHand;
    }
    [[nodiscard]] int& total(Player player) {
        return totals[static_cast<std::size_t>(indexOf(player))];
    }
    [[nodiscard]] int total(Player player) const {
        return totals[static_cast<std::size_t>(indexOf(player))];
    }
};

} // namespace kov
