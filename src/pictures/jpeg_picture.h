#pragma once

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

// A picture whose declared size needs more than this to decode is refused undecoded. A
// progressive picture of 4000 x 6000 needs 70 MB at 4:2:0 and 139 MB at 4:4:4, held only while
// it decodes; a card is shown at no more than a few hundred pixels.
inline constexpr std::uint64_t largestDecoderMemory = 144 * 1024 * 1024;

// A picture of more scans than this is refused undecoded: each scan is a pass over the whole
// picture, and a progressive picture has about ten.
inline constexpr int mostScans = 64;

// A JPEG picture decoded at the size it is shown, or why it cannot be.
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

// Decodes a whole JPEG file's bytes to exactly size, with the decoder's own scaling. Data after
// the end-of-image marker is allowed; a picture the decoder found cut short is not, nor one
// whose markers declare more than largestDecoderMemory or mostScans allow.
[[nodiscard]] JpegPicture decodeJpeg(const QByteArray& bytes, QSize size);

} // namespace kov
