#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace kov::art {

// A baseline (neither optimised nor progressive) JPEG, which every decoder reads.
[[nodiscard]] QByteArray encodeBaselineJpeg(const QImage& image, int quality);

[[nodiscard]] QByteArray encodePng(const QImage& image);

// Writes bytes to path, replacing any file there; throws std::runtime_error on failure.
void writeFileBytes(const QString& path, const QByteArray& bytes);

} // namespace kov::art
