#include "engine/draw.h"

#include "cards/game_state.h"
#include "cards/hand_display.h"
#include "ui/platform.h"

namespace kov {

namespace {

constexpr int lastCardElement = 215;

// The pile never runs out: after the last card it starts again at the deck's second card,
// whatever has become of the cards there.
int nextDeckPosition(int position) {
    if (position >= lastCardElement)
        position = 1;
    return position + 2;
}

} // namespace

std::optional<Card> drawOneCard(GameState& state, Platform& platform, Player player) {
    auto slot = firstFreeSlot(platform, player);
    if (!slot)
        return std::nullopt;
    Card card = state.Deck.cardAt(state.DeckPosition);
    platform.showCardInSlot(player, *slot, card);
    state.hand(player).put(*slot, card);
    state.DeckPosition = nextDeckPosition(state.DeckPosition);
    return card;
}

void drawForPlayerToMove(GameState& state, Platform& platform) {
    auto card = drawOneCard(state, platform, state.toMove);
    if (!card || !isPlayable(*card, state.inForce)) {
        state.toMove = opponentOf(state.toMove);
        platform.showTurn(state.toMove);
    }
}

} // namespace kov
