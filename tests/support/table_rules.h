#pragma once

#include "engine/game_state.h"
#include "support/recording_view.h"

#include <optional>
#include <string>

// What must hold after every click, whatever was clicked; plain C++, for the fuzz target too.
namespace kov::test {

// The card file one more deal writes after this one (its first 216 bytes count).
[[nodiscard]] std::string nextOrder(const std::string& file);

// The first rule the table breaks, or nothing: hands closed up from slot 0, shown exactly as held,
// turn, totals, colour in force and draw position as held, and no problem shown.
[[nodiscard]] std::optional<std::string> brokenTableRule(const GameState& state,
                                                         const RecordingView& view);

// The same just after a deal: Player One to move, every slot shown, drawing from deck card 16.
[[nodiscard]] std::optional<std::string> brokenDealRule(const GameState& state,
                                                        const RecordingView& view);

// What is wrong with the card file a deal wrote from `dealtFrom`: its size, its closing record,
// whether it holds the same bytes, and whether it is the order that deal makes.
[[nodiscard]] std::optional<std::string> brokenDealtFile(const std::string& written,
                                                         const std::string& dealtFrom);

} // namespace kov::test
