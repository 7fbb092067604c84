#pragma once

#include "engine/game.h"
#include "support/card_files.h"
#include "support/fake_platform.h"

#include <string>
#include <vector>

namespace kov::test {

// A dealt game on the fake screen, in a program folder of its own, with ways to lay out a
// position directly.
struct Table {
    explicit Table(const std::string& cardFileBytes = numberedCardFile());

    // Gives the player exactly these cards in slots 0 onwards and shows them; "" leaves a gap.
    void setHand(Player player, const std::vector<std::string>& codes);
    void setInForce(const std::string& code);
    void setToMove(Player player);
    [[nodiscard]] int handSize(Player player) const;

    ProgramFolder folder;
    FakePlatform platform;
    Game game;
};

[[nodiscard]] Card card(const std::string& code);

} // namespace kov::test
