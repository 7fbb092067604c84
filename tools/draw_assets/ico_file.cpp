#include "ico_file.h"

#include <cstdint>
#include <limits>
#include <stdexcept>

namespace kov::art {

namespace {

constexpr int directoryBytes = 6;
constexpr int entryBytes = 16;
constexpr int headerBytes = 40;
constexpr int paletteBytes = 16 * 4;

void put16(QByteArray& out, int value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

void put32(QByteArray& out, std::int64_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.append(static_cast<char>((value >> shift) & 0xFF));
}

// Bitmap rows are padded to whole 32-bit words.
int rowBytes(int width, int bitsPerPixel) {
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

int imageBytes(int side) {
    return headerBytes + paletteBytes + side * rowBytes(side, 4) + side * rowBytes(side, 1);
}

QByteArray encodeImage(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int side = image.width();
    QByteArray out;

    // The height counts the colour bitmap and the mask stacked together.
    put32(out, headerBytes);
    put32(out, side);
    put32(out, 2 * side);
    put16(out, 1); // planes
    put16(out, 4); // bits per pixel
    put32(out, 0); // uncompressed
    put32(out, side * rowBytes(side, 4) + side * rowBytes(side, 1));
    put32(out, 0);  // horizontal resolution, unused
    put32(out, 0);  // vertical resolution, unused
    put32(out, 16); // colours used
    put32(out, 0);  // all colours important

    for (const QRgb c : vgaPalette()) {
        out.append(static_cast<char>(qBlue(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qRed(c)));
        out.append('\0');
    }

    // Both bitmaps run bottom row first. A transparent pixel is black in the colour bitmap and
    // set in the mask, which is what every reader expects.
    const auto transparent = [&](int x, int y) {
        return qAlpha(image.pixel(x, y)) < 128;
    };
    for (int y = side - 1; y >= 0; --y) {
        QByteArray row(rowBytes(side, 4), '\0');
        for (int x = 0; x < side; ++x) {
            const int index = transparent(x, y) ? 0 : nearestVgaIndex(image.pixel(x, y));
            const int shift = x % 2 == 0 ? 4 : 0;
            row[x / 2] = static_cast<char>(row[x / 2] | (index << shift));
        }
        out.append(row);
    }
    for (int y = side - 1; y >= 0; --y) {
        QByteArray row(rowBytes(side, 1), '\0');
        for (int x = 0; x < side; ++x) {
            if (transparent(x, y))
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

} // namespace

const std::array<QRgb, 16>& vgaPalette() {
    static const std::array<QRgb, 16> palette{
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    return palette;
}

int nearestVgaIndex(QRgb pixel) {
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < 16; ++i) {
        const QRgb c = vgaPalette()[static_cast<std::size_t>(i)];
        const int dr = qRed(pixel) - qRed(c);
        const int dg = qGreen(pixel) - qGreen(c);
        const int db = qBlue(pixel) - qBlue(c);
        // Weighted the way the eye weighs the channels, green most.
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

QByteArray encodeVgaIcon(const std::vector<QImage>& images) {
    for (const QImage& image : images) {
        if (image.width() != image.height() || image.width() < 1 || image.width() > 255)
            throw std::invalid_argument("icon images must be square, 1 to 255 pixels a side");
    }
    QByteArray out;
    put16(out, 0); // reserved
    put16(out, 1); // an icon, not a cursor
    put16(out, static_cast<int>(images.size()));

    std::int64_t offset = directoryBytes + entryBytes * static_cast<std::int64_t>(images.size());
    for (const QImage& image : images) {
        const int side = image.width();
        out.append(static_cast<char>(side));
        out.append(static_cast<char>(side));
        out.append(static_cast<char>(16)); // colours in the palette
        out.append('\0');
        put16(out, 1); // planes
        put16(out, 4); // bits per pixel
        put32(out, imageBytes(side));
        put32(out, offset);
        offset += imageBytes(side);
    }
    for (const QImage& image : images)
        out.append(encodeImage(image));
    return out;
}

} // namespace kov::art
