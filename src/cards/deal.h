#pragma once

#include <optional>
#include <string>

namespace kov {

class CardFile;
class Platform;
struct GameState;

// Starts a hand: reads the card file, shuffles its order into a new deck, writes that order
// back, deals seven cards to each player, turns up the first discard and gives Player One the
// move. All or nothing: when the file cannot be read or written, returns the message to show
// and leaves the game, the screen and the file exactly as they were.
[[nodiscard]] std::optional<std::string> ShuffleDeal(GameState& state, Platform& platform,
                                                     const CardFile& cardFile);

} // namespace kov
