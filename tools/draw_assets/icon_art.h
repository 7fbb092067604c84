#pragma once

#include <QImage>

namespace kov::art {

// Full colour for the PNG icons; Vga16 draws in the sixteen-colour palette without smoothing,
// so the Windows icon's few colours come out clean instead of muddy.
enum class IconStyle { Full, Vga16 };

// The program icon at size x size pixels (16 and 32 hand-fitted to the pixel grid) with a
// transparent background: two fanned cards, the front one bearing a K.
[[nodiscard]] QImage drawIcon(int size, IconStyle style = IconStyle::Full);

} // namespace kov::art
