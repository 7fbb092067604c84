#pragma once

#include <QFont>

namespace kov {

// The face the windows were laid out in, "MS Sans Serif", at the given size. Where a system
// lacks it, a sans face of close metrics stands in (Microsoft Sans Serif, Tahoma, then the
// system's own sans), never whatever the font matcher would reach for next: under Wine that is
// the first face on the host, often a wide serif one that no longer fits the boxes.
[[nodiscard]] QFont classicSansFont(const QFont& base, qreal points);

} // namespace kov
