#pragma once

namespace kov {

enum class Player { One, Two };

[[nodiscard]] constexpr Player opponentOf(Player player) {
    return player == Player::One ? Player::Two : Player::One;
}

[[nodiscard]] constexpr int indexOf(Player player) {
    return player == Player::One ? 0 : 1;
}

} // namespace kov
