#pragma once

#include <QImage>

namespace kov::art {

inline constexpr int backWidth = 120;
inline constexpr int backHeight = 192;

// The back every card shares.
[[nodiscard]] QImage drawCardBack();

} // namespace kov::art
