#pragma once

#include "cards/hand.h"
#include "cards/player.h"

#include <optional>

namespace kov {

class Platform;

// Shows a player's hand again after a play: every slot is cleared, then each card whose value
// character is not blank is shown in its own slot. A blank card leaves its slot empty.
void showHand(Platform& platform, Player player, const Hand& hand);

// The lowest slot that shows no picture. The pictures, not the hand, say which slots are taken.
[[nodiscard]] std::optional<int> firstFreeSlot(const Platform& platform, Player player);

} // namespace kov
