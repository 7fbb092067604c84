#include "engine/hand_display.h"

#include "engine/game_state.h"
#include "engine/table_view.h"

namespace kov {

void showCardInSlot(GameState& state, TableView& view, Player player, int slot, Card card) {
    view.showCardInSlot(player, slot, card);
    state.shown(player).at(slotIndex(slot)) = true;
}

void showHand(GameState& state, TableView& view, Player player) {
    for (int slot = 0; slot < Hand::slotCount; ++slot) {
        view.clearSlot(player, slot);
        state.shown(player).at(slotIndex(slot)) = false;
    }
    const Hand& hand = state.hand(player);
    for (int slot = 0; slot < Hand::slotCount; ++slot) {
        if (!hand.at(slot).value.isBlank())
            showCardInSlot(state, view, player, slot, hand.at(slot));
    }
}

std::optional<int> firstFreeSlot(const GameState& state, Player player) {
    for (int slot = 0; slot < Hand::slotCount; ++slot) {
        if (!state.shown(player).at(slotIndex(slot)))
            return slot;
    }
    return std::nullopt;
}

} // namespace kov
