#pragma once

#include <QByteArray>
#include <QImage>
#include <QRgb>

#include <array>
#include <vector>

namespace kov::art {

// The sixteen classic VGA colours, in the order Windows 16-colour bitmaps list them.
[[nodiscard]] const std::array<QRgb, 16>& vgaPalette();

// The index of the palette colour closest to the pixel's colour (alpha ignored).
[[nodiscard]] int nearestVgaIndex(QRgb pixel);

// A Windows icon file with one 16-colour (4 bits per pixel) image per entry of images, in that
// order. Pixels under half opacity become transparent through the icon's mask. Every image must
// be square with sides from 1 to 255; anything else throws std::invalid_argument.
[[nodiscard]] QByteArray encodeVgaIcon(const std::vector<QImage>& images);

} // namespace kov::art
