#include "engine/play.h"

#include "engine/draw.h"
#include "engine/game_state.h"
#include "engine/hand_display.h"
#include "engine/table_view.h"

namespace kov {

PlayOutcome playCard(GameState& state, TableView& view, Player player, int slot) {
    if (state.phase != Phase::HandInPlay || state.toMove != player)
        return PlayOutcome::Ignored;
    Hand& hand = state.hand(player);
    const Card card = hand.at(slot);
    if (!isPlayable(card, state.inForce))
        return PlayOutcome::Ignored;

    view.showDiscard(card);
    state.inForce = CardInForce{card.value, card.colour};
    view.showColourInForce(state.inForce.CurrentColour);
    // Closing the chooser without OK leaves the wild card's own colour character in force.
    if (isWild(card.value)) {
        if (auto colour = view.chooseColour()) {
            state.inForce.CurrentColour = CardCharacter(*colour);
            view.showColourInForce(state.inForce.CurrentColour);
        }
    }

    hand.remove(slot);
    showHand(state, view, player);

    // The opponent draws only as many cards as he has free slots.
    const Player opponent = opponentOf(player);
    for (int draw = 0; draw < penaltyCards(card.value); ++draw)
        drawOneCard(state, view, opponent);

    if (!keepsTurn(card.value)) {
        state.toMove = opponent;
        view.showTurn(opponent);
    }
    return hand.isEmpty() ? PlayOutcome::HandEmptied : PlayOutcome::Played;
}

} // namespace kov
