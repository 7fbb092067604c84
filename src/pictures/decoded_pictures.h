#pragma once

#include <QImage>
#include <QSize>

#include <cstddef>
#include <list>
#include <string>
#include <string_view>
#include <unordered_map>

namespace kov {

// At most this much is kept, counting each picture's pixels and the file bytes it was decoded
// from: a deck's 54 faces at device pixel ratio 2 (172 x 258 x 4 bytes, and about 33 KB of
// file, each) take 11.4 MB.
inline constexpr std::size_t mostKeptBytes = 12 * 1024 * 1024;

// Pictures decoded before, found again by the very bytes they were decoded from, so that a file
// read again with the same bytes is not decoded again while one with any other bytes is. Only
// complete pictures are kept, all for one slot size: asked for another size (the window went to
// a screen of another pixel density), it lets the others go. The least recently shown go first.
class DecodedPictures {
public:
    // The picture decoded before from exactly these bytes for a slot of size, or a null image.
    [[nodiscard]] QImage find(std::string_view bytes, QSize size);
    // Keeps picture, decoded from bytes for the slot size last asked for (no larger than it).
    void keep(std::string bytes, const QImage& picture);
    // The pixels and file bytes kept now.
    [[nodiscard]] std::size_t heldBytes() const { return held_; }

private:
    struct Kept {
        std::string bytes;
        QImage picture;
    };
    void dropOldest();

    std::list<Kept> kept_; // the most recently shown first
    std::unordered_map<std::string_view, std::list<Kept>::iterator> byBytes_;
    QSize size_;
    std::size_t held_ = 0;
};

} // namespace kov
