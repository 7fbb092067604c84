#pragma once

// Header only: for the tests that link Qt Gui, which decodes pictures.
#include <QImage>
#include <QImageReader>
#include <QSize>
#include <QString>

#include <filesystem>

namespace kov::test {

// A card's size on the screen in pixels, at a device pixel ratio of 1.
constexpr QSize slotPixels(86, 129);

// The file decoded straight to size by Qt's JPEG reader, to be shown at the given ratio.
inline QImage decodedAt(const std::filesystem::path& file, QSize size, qreal ratio = 1.0) {
    QImageReader reader(QString::fromStdString(file.string()), "jpg");
    reader.setScaledSize(size);
    QImage picture = reader.read();
    picture.setDevicePixelRatio(ratio);
    return picture;
}

} // namespace kov::test
