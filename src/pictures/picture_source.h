#pragma once

#include <QImage>
#include <QSize>

#include <functional>

namespace kov {

// Gives a picture at exactly the size asked for, in device pixels.
using PictureSource = std::function<QImage(QSize devicePixels)>;

} // namespace kov
