#pragma once

#include "cards/card.h"
#include "cards/player.h"

#include <optional>

namespace kov {

class TableView;
struct GameState;

// Takes the next card of the deck into the player's lowest free slot and returns it; a full
// hand takes nothing. Neither the turn nor the card in force changes.
std::optional<Card> drawOneCard(GameState& state, TableView& view, Player player);

// A click on the draw pile: one card for the player to move, who keeps the turn only when it
// can be played at once. Nothing happens while no hand is in play.
void drawForPlayerToMove(GameState& state, TableView& view);

} // namespace kov
