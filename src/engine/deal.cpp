#include "engine/deal.h"

#include "cards/card_file.h"
#include "cards/shuffle.h"
#include "engine/game_state.h"
#include "engine/hand_display.h"
#include "engine/table_view.h"

namespace kov {

namespace {

constexpr int playerTwoFirstElement = 15; // deck card 8
constexpr int firstDiscardElement = 29;   // deck card 15
constexpr int firstDrawElement = 31;      // deck card 16

} // namespace

std::optional<CardFileProblem> ShuffleDeal(GameState& state, TableView& view,
                                           const CardFile& cardFile) {
    auto contents = cardFile.read();
    if (!contents.cards)
        return contents.problem;
    CardElements deck = shuffledDeck(*contents.cards);
    if (auto problem = cardFile.write(deck))
        return problem;

    state.Deck = deck;
    // Player One gets the deck's first seven cards and Player Two the next seven: no alternating.
    for (int slot = 0; slot < Hand::slotCount; ++slot) {
        Card card = deck.cardAt(2 * slot + 1);
        state.PlayerOneHand.put(slot, card);
        showCardInSlot(state, view, Player::One, slot, card);
    }
    for (int slot = 0; slot < Hand::slotCount; ++slot) {
        Card card = deck.cardAt(playerTwoFirstElement + 2 * slot);
        state.PlayerTwoHand.put(slot, card);
        showCardInSlot(state, view, Player::Two, slot, card);
    }
    // The turned-up card has no effect of its own: even a wild one only sets the card in force,
    // with its own colour character as the colour.
    Card discard = deck.cardAt(firstDiscardElement);
    state.inForce = CardInForce{discard.value, discard.colour};
    state.DeckPosition = firstDrawElement;
    view.showDiscard(discard);
    view.showColourInForce(discard.colour);
    state.phase = Phase::HandInPlay;
    state.toMove = Player::One;
    view.showTurn(Player::One);
    return std::nullopt;
}

} // namespace kov
