#pragma once

#include "cards/card.h"
#include "cards/player.h"

#include <optional>

namespace kov {

class TableView;
struct GameState;

// Shows a card in one of the player's slots; the slot is then taken.
void showCardInSlot(GameState& state, TableView& view, Player player, int slot, Card card);

// Shows a player's hand again after a play: every slot is cleared, then each card whose value
// character is not blank is shown in its own slot. A blank card leaves its slot empty and free.
void showHand(GameState& state, TableView& view, Player player);

// The lowest slot that shows no card.
[[nodiscard]] std::optional<int> firstFreeSlot(const GameState& state, Player player);

} // namespace kov
