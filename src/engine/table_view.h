#pragma once

#include "cards/card.h"
#include "cards/card_file_problem.h"
#include "cards/player.h"

#include <optional>

namespace kov {

// What the rules show on the table. The rules hold the whole game and tell the table what to
// show; the one thing they ask is the colour after a wild card. The window decides how each
// event looks and what it says.
class TableView {
public:
    virtual ~TableView() = default;

    // A card's picture in one of a player's seven slots (0 to 6), or no picture there.
    virtual void showCardInSlot(Player player, int slot, Card card) = 0;
    virtual void clearSlot(Player player, int slot) = 0;

    // The top card of the discard pile, and the colour the next card must match.
    virtual void showDiscard(Card card) = 0;
    virtual void showColourInForce(CardCharacter colour) = 0;

    // The player to move, or no one while no hand is in play.
    virtual void showTurn(std::optional<Player> toMove) = 0;
    virtual void showTotal(Player player, int total) = 0;

    // Asks the player who played a wild card for a colour: 'B', 'G', 'R' or 'Y', or nothing when
    // the chooser was closed without OK.
    [[nodiscard]] virtual std::optional<char> chooseColour() = 0;

    // The winner of a hand; the winner of the match with his total. Each returns once the
    // players have seen it.
    virtual void showHandWon(Player winner) = 0;
    virtual void showMatchWon(Player winner, int total) = 0;
    // The card file cannot be used: nothing has been dealt.
    virtual void showProblem(const CardFileProblem& problem) = 0;
};

} // namespace kov
