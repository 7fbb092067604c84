#pragma once

#include <QKeySequence>

namespace kov {

// The keys that play the table without a mouse: 1 to 7 click that slot of the player to move,
// D clicks the draw pile.
[[nodiscard]] inline QKeySequence slotKey(int slot) {
    return QKeySequence(static_cast<int>(Qt::Key_1) + slot);
}
[[nodiscard]] inline QKeySequence drawPileKey() {
    return QKeySequence(Qt::Key_D);
}

} // namespace kov
