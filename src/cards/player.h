#pragma once

#include <cstddef>

namespace kov {

enum class Player { One, Two };

[[nodiscard]] constexpr Player opponentOf(Player player) {
    return player == Player::One ? Player::Two : Player::One;
}

// Where the player's entry stands in the arrays kept a player each, Player One's first.
[[nodiscard]] constexpr std::size_t indexOf(Player player) {
    return player == Player::One ? 0 : 1;
}

} // namespace kov
