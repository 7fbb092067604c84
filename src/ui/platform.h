#pragma once

#include "cards/card.h"
#include "cards/player.h"

#include <optional>
#include <string>

namespace kov {

// What the game needs of the screen. The game's rules call only this; the Qt board implements
// it and the tests fake it, so no rule ever opens a window of its own.
class Platform {
public:
    virtual ~Platform() = default;

    // A card's picture in one of a player's seven slots (0 to 6).
    virtual void showCardInSlot(Player player, int slot, Card card) = 0;
    virtual void clearSlot(Player player, int slot) = 0;
    // A slot is free exactly when it shows no picture.
    [[nodiscard]] virtual bool slotShowsPicture(Player player, int slot) const = 0;

    // The top card of the discard pile, and the colour the next card must match.
    virtual void showDiscard(Card card) = 0;
    virtual void showColourInForce(CardCharacter colour) = 0;

    // Exactly one player's name is shown: the player to move.
    virtual void showTurn(Player toMove) = 0;
    virtual void showTotal(Player player, int total) = 0;

    // Asks the player who played a wild card for a colour: "B", "G", "R" or "Y", or nothing when
    // the chooser was closed without OK.
    [[nodiscard]] virtual std::optional<char> chooseColour() = 0;

    // An information box with an OK button; returns when it has been closed.
    virtual void showMessage(const std::string& title, const std::string& text) = 0;
    // Something went wrong that the player should know about (a card file that cannot be used).
    virtual void showProblem(const std::string& title, const std::string& text) = 0;
};

} // namespace kov
