#include "engine/draw.h"

#include "engine/game_state.h"
#include "engine/hand_display.h"
#include "engine/table_view.h"

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

std::optional<Card> drawOneCard(GameState& state, TableView& view, Player player) {
    auto slot = firstFreeSlot(state, player);
    if (!slot)
        return std::nullopt;
    Card card = state.Deck.cardAt(state.DeckPosition);
    showCardInSlot(state, view, player, *slot, card);
    state.hand(player).put(*slot, card);
    state.DeckPosition = nextDeckPosition(state.DeckPosition);
    return card;
}

void drawForPlayerToMove(GameState& state, TableView& view) {
    if (state.phase != Phase::HandInPlay)
        return;
    auto card = drawOneCard(state, view, state.toMove);
    if (!card || !isPlayable(*card, state.inForce)) {
        state.toMove = opponentOf(state.toMove);
        view.showTurn(state.toMove);
    }
}

} // namespace kov
