#pragma once

#include "cards/card_file.h"
#include "cards/game_state.h"

#include <optional>
#include <string>

namespace kov {

class Platform;

// One table: the game's state, the card file it deals from and the screen it shows on. The
// window forwards every click here; the per-player procedures are thin doors into rules written
// once for both players.
class Game {
public:
    Game(Platform& platform, CardFile cardFile);

    // Deals a new hand; returns the message to show when the card file cannot be used, in which
    // case nothing has changed.
    [[nodiscard]] std::optional<std::string> ShuffleDeal();

    void CmdNewGame_Click();
    void PlayerOneCard_Click(int slot) { playCardOf(Player::One, slot); }
    void PlayerTwoCard_Click(int slot) { playCardOf(Player::Two, slot); }
    void PickupCard_Click();
    void PickUpOneCardPlayerOne();
    void PickUpOneCardPlayerTwo();

    [[nodiscard]] const GameState& state() const { return state_; }
    // For setting up a position directly; play goes through the handlers above.
    [[nodiscard]] GameState& state() { return state_; }
    [[nodiscard]] const CardFile& cardFile() const { return cardFile_; }

private:
    void playCardOf(Player player, int slot);
    void dealOrReport();

    Platform& platform_;
    CardFile cardFile_;
    GameState state_;
};

} // namespace kov
