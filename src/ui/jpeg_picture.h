#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace kov {

// A picture file larger than this is refused unread: no card picture comes near it.
inline constexpr qint64 largestPictureFile = 8 * 1024 * 1024;

// A JPEG picture decoded at the size it is shown, or why it cannot be.
struct JpegPicture {
    QImage image;
    QString problem; // empty when image holds the picture
};

// Reads the JPEG file at path and decodes it to exactly size (in device pixels). Only a regular
// file (or a link to one) of at most largestPictureFile bytes is read, and opening it never
// waits, whatever the path names.
[[nodiscard]] JpegPicture readJpeg(const QString& path, QSize size);

// Decodes a whole JPEG file's bytes to exactly size, with the decoder's own scaling. Data after
// the end-of-image marker is allowed; a picture the decoder found cut short is not.
[[nodiscard]] JpegPicture decodeJpeg(const QByteArray& bytes, QSize size);

} // namespace kov
