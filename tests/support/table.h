#pragma once

#include "engine/game.h"
#include "support/card_files.h"
#include "support/recording_view.h"
#include "support/table_rules.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kov::test {

// Card codes, one a slot: as a QTest column, a hand to lay out.
using Codes = std::vector<std::string>;

// The cards a hand holds, counted from slot 0 to the first empty one or beyond.
[[nodiscard]] int cardsHeld(const Hand& hand);

// A dealt game on a recording view, in a program folder of its own. A position is laid out by
// changing the dealt state; the game then goes on from the changed position.
struct Table {
    explicit Table(const std::string& cardFileBytes = numberedCardFile());

    void adjust(const std::function<void(GameState&)>& change);
    // Gives the player exactly these cards in slots 0 onwards and shows them; "" leaves a gap.
    void setHand(Player player, const std::vector<std::string>& codes);
    void setInForce(const std::string& code);
    void setToMove(Player player);
    [[nodiscard]] const GameState& state() const { return game->state(); }
    [[nodiscard]] int handSize(Player player) const { return cardsHeld(state().hand(player)); }
    // The first rule a table just dealt breaks, empty when it keeps them all.
    [[nodiscard]] QString brokenDealRule() const {
        return QString::fromStdString(test::brokenDealRule(state(), view).value_or(""));
    }

    ProgramFolder folder;
    RecordingView view;
    std::optional<Game> game;
};

// A card file whose first deal gives Player One the codes one from slot 0 and Player Two the codes
// two, turns up discard and leaves nextDraw on top of the pile; every other card is a red 9.
[[nodiscard]] std::string cardFileDealing(const std::vector<std::string>& one,
                                          const std::vector<std::string>& two,
                                          const std::string& discard, const std::string& nextDraw);

} // namespace kov::test
