#pragma once

#include "cards/player.h"

#include <QString>

namespace kov {

// The names of the main window's controls that others find them by: tests, benchmarks and
// tools that drive the window.
[[nodiscard]] inline QString cardSlotControlName(Player player, int slot) {
    return (player == Player::One ? QStringLiteral("PlayerOneCard%1")
                                  : QStringLiteral("PlayerTwoCard%1"))
        .arg(slot);
}
[[nodiscard]] inline QString pickupCardControlName() {
    return QStringLiteral("PickupCard");
}

} // namespace kov
