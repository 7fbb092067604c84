#pragma once

#include <QImage>

namespace kov::art {

inline constexpr int faceWidth = 256;
inline constexpr int faceHeight = 384;

// The face of the card with this value and colour character. Throws std::invalid_argument for
// a pair that is not a card of the deck.
[[nodiscard]] QImage drawCardFace(char value, char colour);

} // namespace kov::art
