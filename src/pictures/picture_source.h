#pragma once

#include <QImage>
#include <QSize>

#include <functional>

namespace kov {

// Gives a picture for a slot of the size asked for, in device pixels: at that size, or smaller
// where the picture itself is smaller, for the slot to scale up as it paints.
using PictureSource = std::function<QImage(QSize devicePixels)>;

} // namespace kov
