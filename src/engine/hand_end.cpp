#include "engine/hand_end.h"

#include "cards/rules.h"
#include "engine/game_state.h"
#include "engine/table_view.h"

namespace kov {

void scoreHand(GameState& state, TableView& view, Player winner) {
    state.phase = Phase::NoHand;
    const Hand& loserHand = state.hand(opponentOf(winner));
    for (int slot = 0; slot < Hand::slotCount; ++slot) {
        Card card = loserHand.at(slot);
        if (card.value.isEmpty())
            break;
        state.total(winner) += cardPoints(card.value);
        view.showTotal(winner, state.total(winner));
    }

    view.showHandWon(winner);

    if (state.total(winner) > matchTarget) {
        view.showMatchWon(winner, state.total(winner));
        for (Player player : {Player::One, Player::Two}) {
            state.total(player) = 0;
            view.showTotal(player, 0);
        }
    }
}

} // namespace kov
