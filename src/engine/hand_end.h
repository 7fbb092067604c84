#pragma once

#include "cards/player.h"

namespace kov {

class Platform;
struct GameState;

// A match is won by the first total over this; reaching it exactly is not enough.
constexpr int matchTarget = 500;

// Scores a hand the winner has just emptied: the loser's cards are added to the winner's total
// one by one, the hand's message is shown, and a total over the target ends the match with its
// own message and both totals back at 0. The caller deals the next hand.
void scoreHand(GameState& state, Platform& platform, Player winner);

} // namespace kov
