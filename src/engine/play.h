#pragma once

#include "cards/player.h"

namespace kov {

class TableView;
struct GameState;

enum class PlayOutcome {
    Ignored,     // no hand in play, out of turn, an empty slot, or a card that does not match
    Played,      // the hand goes on
    HandEmptied, // the player has gone out and wins the hand
};

// A click on one of the player's slots: plays that card if the rules allow it, with its
// effects (colour choice, penalty draws for the opponent, the turn kept or passed).
PlayOutcome playCard(GameState& state, TableView& view, Player player, int slot);

} // namespace kov
