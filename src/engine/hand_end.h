#pragma once

#include "cards/player.h"

namespace kov {

class TableView;
struct GameState;

// A match is won by the first total over this; reaching it exactly is not enough.
constexpr int matchTarget = 500;

// Scores a hand the winner has just emptied: the loser's cards are added to the winner's total
// one by one, the win is shown, and a total over the target ends the match with both totals
// back at 0. The hand is then over; the caller deals the next one.
void scoreHand(GameState& state, TableView& view, Player winner);

} // namespace kov
