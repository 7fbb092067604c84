#pragma once

// Pictures made to cost the program time or memory, for tests and benchmarks (the fuzzer's picture
// corpus holds each as a file). Header only: for the programs that link Qt Gui.
#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QImageWriter>
#include <QSize>

#include <string>

namespace kov::test {

// The bytes of a picture written in a format, progressive where the format can be.
inline std::string encoded(const QImage& picture, const char* format, bool progressive = false) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(picture);
    return bytes.toStdString();
}

// A plain red picture written as a JPEG, progressive or baseline.
inline std::string redJpeg(QSize size, bool progressive = true,
                           QImage::Format format = QImage::Format_RGB32) {
    QImage picture(size, format);
    picture.fill(QColor(200, 40, 40));
    return encoded(picture, "jpg", progressive);
}

inline std::string bigEndian16(unsigned value) {
    return {static_cast<char>(value >> 8 & 0xFF), static_cast<char>(value & 0xFF)};
}

inline std::string segment(unsigned char marker, const std::string& body) {
    return std::string("\xFF") + static_cast<char>(marker) +
           bigEndian16(static_cast<unsigned>(body.size() + 2)) + body;
}

// A progressive picture of 8 x 8 pixels whose frame header declares another size, at 4:2:0, or
// at 4:4:4 (four times the coefficients).
inline std::string declaringSize(QSize declared, bool fullChroma = false) {
    std::string bomb = redJpeg(QSize(8, 8));
    const std::size_t frame = bomb.find("\xFF\xC2");
    bomb.replace(frame + 5, 4,
                 bigEndian16(static_cast<unsigned>(declared.height())) +
                     bigEndian16(static_cast<unsigned>(declared.width())));
    if (fullChroma)
        bomb[frame + 11] = '\x11'; // the first component's sampling, 2 x 2 at 4:2:0
    return bomb;
}

// A progressive picture whose scans after the first are repeated up to scans in all: each is
// a pass over the whole picture.
inline std::string repeatingScans(QSize size, int scans, QImage::Format format) {
    const std::string picture = redJpeg(size, true, format);
    const std::size_t last = picture.rfind("\xFF\xDA");
    const std::string repeated = picture.substr(last, picture.rfind("\xFF\xD9") - last);
    std::string bomb = picture.substr(0, picture.rfind("\xFF\xD9"));
    std::size_t made = 0;
    for (std::size_t at = bomb.find("\xFF\xDA"); at != std::string::npos;
         at = bomb.find("\xFF\xDA", at + 2))
        ++made;
    for (; made < static_cast<std::size_t>(scans); ++made)
        bomb += repeated;
    return bomb + "\xFF\xD9";
}

// The first scan of a small progressive picture, repeated.
inline std::string manyScans(int scans) {
    const std::string small = redJpeg(QSize(8, 8));
    const std::size_t first = small.find("\xFF\xDA");
    const std::string scan = small.substr(first, small.find("\xFF\xDA", first + 2) - first);
    std::string bomb = small.substr(0, first);
    for (int each = 0; each < scans; ++each)
        bomb += scan;
    return bomb + "\xFF\xD9";
}

// A baseline grey picture whose Huffman tables hold one code each: every 8 x 8 block is two bits.
inline std::string oneCodeGrey(QSize size) {
    std::string picture = "\xFF\xD8";
    picture += segment(0xDB, std::string(1, '\0') + std::string(64, '\1'));
    // Precision, then the size and one component.
    picture += segment(0xC0, '\x08' + bigEndian16(static_cast<unsigned>(size.height())) +
                                 bigEndian16(static_cast<unsigned>(size.width())) +
                                 std::string("\x01\x01\x11\x00", 4));
    const std::string oneCode = std::string("\x01", 1) + std::string(15, '\0') + '\0';
    picture += segment(0xC4, '\x00' + oneCode); // DC: category 0
    picture += segment(0xC4, '\x10' + oneCode); // AC: end of block
    picture += segment(0xDA, std::string("\x01\x01\x00\x00\x3F\x00", 6));
    const auto blocks = static_cast<std::size_t>((size.width() + 7) / 8) *
                        static_cast<std::size_t>((size.height() + 7) / 8);
    picture += std::string((blocks * 2 + 7) / 8, '\0');
    return picture + "\xFF\xD9";
}

// A frame of components that all carry the same id, and scans that each name them all.
inline std::string sameIdComponents(int components, int scans) {
    // Precision, then the size and the components.
    std::string frame = '\x08' + bigEndian16(64) + bigEndian16(64) + static_cast<char>(components);
    std::string scan(1, static_cast<char>(components));
    for (int each = 0; each < components; ++each) {
        frame += std::string("\x01\x11\x00", 3);
        scan += std::string("\x01\x00", 2);
    }
    scan += std::string("\x00\x3F\x00", 3);
    std::string picture = "\xFF\xD8" + segment(0xC0, frame);
    for (int each = 0; each < scans; ++each)
        picture += segment(0xDA, scan) + std::string(64, '\x55');
    return picture + "\xFF\xD9";
}

// A picture with comments of one byte after its start-of-image marker.
inline std::string commentsBefore(const std::string& picture, int comments) {
    std::string bomb = picture.substr(0, 2);
    for (int each = 0; each < comments; ++each)
        bomb += segment(0xFE, "c");
    return bomb + picture.substr(2);
}

} // namespace kov::test
