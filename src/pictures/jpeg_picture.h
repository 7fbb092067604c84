#pragma once

#include "pictures/jpeg_layout.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>
#include <filesystem>
#include <string>

namespace kov {

// A picture file larger than this is refused unread: no card picture comes near it.
inline constexpr qint64 largestPictureFile = 8 * 1024 * 1024;

// A JPEG picture decoded for the size it is shown at, or why it cannot be.
struct JpegPicture {
    QImage image;
    QString problem; // empty when image holds the picture
};

// A picture file's bytes, or why they cannot be read.
struct PictureFile {
    std::string bytes;
    QString problem; // empty when bytes holds the whole file
};

// Reads the picture file at path. Only a regular file (or a link to one) of at most
// largestPictureFile bytes is read, and opening it never waits, whatever the path names.
[[nodiscard]] PictureFile readPictureFile(const std::filesystem::path& path);

// Decodes a whole JPEG file's bytes for a slot of size, with the decoder's own scaling, to
// exactly decodedSize(): never larger than the picture itself, so that a small picture on a
// large slot costs no more than the picture, and painting scales it up. Data after the
// end-of-image marker is allowed; a picture the decoder found cut short is not, nor one whose
// markers pass a bound of readJpegLayout().
[[nodiscard]] JpegPicture decodeJpeg(const QByteArray& bytes, QSize size);

// The size a picture whose frame declares layout is decoded at for a slot of size: the slot's
// size, but no wider and no taller than the picture.
[[nodiscard]] QSize decodedSize(const JpegLayout& layout, QSize size);

} // namespace kov
