#include "engine/hand_end.h"

#include "cards/game_state.h"
#include "cards/rules.h"
#include "ui/platform.h"

#include <string>

namespace kov {

namespace {

std::string nameOf(Player player) {
    return player == Player::One ? "Player One" : "Player Two";
}

} // namespace

void scoreHand(GameState& state, Platform& platform, Player winner) {
    const Hand& loserHand = state.hand(opponentOf(winner));
    for (int slot = 0; slot < Hand::slotCount; ++slot) {
        Card card = loserHand.at(slot);
        if (card.value.isEmpty())
            break;
        state.total(winner) += cardPoints(card.value);
        platform.showTotal(winner, state.total(winner));
    }

    platform.showMessage("Play Again", nameOf(winner) + " is the winner.");

    if (state.total(winner) > matchTarget) {
        platform.showMessage("Game Over", nameOf(winner) + " is the Total Game winner. " +
                                              std::to_string(state.total(winner)) +
                                              " Total Points.");
        for (Player player : {Player::One, Player::Two}) {
            state.total(player) = 0;
            platform.showTotal(player, 0);
        }
    }
}

} // namespace kov
