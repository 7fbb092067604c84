#pragma once

#include "cards/card.h"
#include "cards/player.h"

#include <optional>

namespace kov {

class Platform;
struct GameState;

// Takes the next card of the deck into the player's lowest free slot and returns it; a full
// hand takes nothing. Neither the turn nor the card in force changes.
std::optional<Card> drawOneCard(GameState& state, Platform& platform, Player player);

// A click on the draw pile: one card for the player to move, who keeps the turn only when it
// can be played at once.
void drawForPlayerToMove(GameState& state, Platform& platform);

} // namespace kov
