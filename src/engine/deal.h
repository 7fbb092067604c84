#pragma once

#include "cards/card_file_problem.h"

#include <optional>

namespace kov {

class CardFile;
class TableView;
struct GameState;

// Starts a hand: reads the card file, shuffles its order into a new deck, writes that order
// back, deals seven cards to each player, turns up the first discard and gives Player One the
// move. All or nothing: when the file cannot be read or written, says why and leaves the game,
// the table and the file exactly as they were.
[[nodiscard]] std::optional<CardFileProblem> ShuffleDeal(GameState& state, TableView& view,
                                                         const CardFile& cardFile);

} // namespace kov
