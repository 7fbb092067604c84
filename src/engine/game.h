#pragma once

#include "cards/card_file.h"
#include "engine/game_state.h"

#include <optional>

namespace kov {

class TableView;

// One table: the game's state, the card file it deals from and the view it shows on. The
// players' actions come here as the game's own verbs; the rules behind them are written once
// for both players.
//
// One action at a time: an action that arrives while another is still running (from inside
// the colour chooser's question or a message box of the view) is ignored, so no two ever
// interleave.
class Game {
public:
    // A table before its first deal, or (for tests) at a position set up beforehand.
    Game(TableView& view, CardFile cardFile, GameState start = {});

    // Deals a new hand; says why when the card file cannot be used, and nothing has changed.
    [[nodiscard]] std::optional<CardFileProblem> ShuffleDeal();

    // Deals again, keeping the totals; a refused deal is shown, and changes nothing.
    void newGame();
    // Plays the player's card in this slot (0 to 6), if the rules allow it.
    void play(Player player, int slot);
    // One card from the pile for the player to move.
    void draw();

    [[nodiscard]] const GameState& state() const { return state_; }

private:
    void dealOrReport();

    TableView& view_;
    CardFile cardFile_;
    GameState state_;
    bool acting_ = false; // an action is running
};

} // namespace kov
