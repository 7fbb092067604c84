#include "engine/play.h"

#include "cards/game_state.h"
#include "cards/hand_display.h"
#include "engine/draw.h"
#include "ui/platform.h"

namespace kov {

PlayOutcome playCard(GameState& state, Platform& platform, Player player, int slot) {
    if (state.toMove != player)
        return PlayOutcome::Ignored;
    Hand& hand = state.hand(player);
    const Card card = hand.at(slot);
    if (!isPlayable(card, state.inForce))
        return PlayOutcome::Ignored;

    platform.showDiscard(card);
    state.inForce = CardInForce{card.value, card.colour};
    platform.showColourInForce(state.inForce.CurrentColour);
    // Closing the chooser without OK leaves the wild card's own colour character in force.
    if (isWild(card.value)) {
        if (auto colour = platform.chooseColour()) {
            state.inForce.CurrentColour = CardCharacter(*colour);
            platform.showColourInForce(state.inForce.CurrentColour);
        }
    }

    hand.remove(slot);
    showHand(platform, player, hand);

    // The opponent draws only as many cards as he has free slots.
    const Player opponent = opponentOf(player);
    for (int draw = 0; draw < penaltyCards(card.value); ++draw)
        drawOneCard(state, platform, opponent);

    if (!keepsTurn(card.value)) {
        state.toMove = opponent;
        platform.showTurn(opponent);
    }
    return hand.isEmpty() ? PlayOutcome::HandEmptied : PlayOutcome::Played;
}

} // namespace kov
