#pragma once

#include "cards/card_file.h"
#include "engine/game_state.h"

#include <optional>

namespace kov {

class TableView;

// One table: the game's state, the card file it deals from and the view it shows on. The
// window forwards every click here; the per-player procedures are thin doors into rules written
// once for both players.
class Game {
public:
    // A table before its first deal, or (for tests) at a position set up beforehand.
    Game(TableView& view, CardFile cardFile, GameState start = {});

    // Deals a new hand; says why when the card file cannot be used, and nothing has changed.
    [[nodiscard]] std::optional<CardFileProblem> ShuffleDeal();

    void CmdNewGame_Click();
    void PlayerOneCard_Click(int slot) { playCardOf(Player::One, slot); }
    void PlayerTwoCard_Click(int slot) { playCardOf(Player::Two, slot); }
    void PickupCard_Click();

    [[nodiscard]] const GameState& state() const { return state_; }

private:
    void playCardOf(Player player, int slot);
    void dealOrReport();

    TableView& view_;
    CardFile cardFile_;
    GameState state_;
};

} // namespace kov
