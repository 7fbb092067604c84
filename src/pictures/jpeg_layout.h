#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace kov {

// What a JPEG file's markers say before anything is decoded: the frame the first frame header
// declares, the number of scans up to the end-of-image marker, and whether the data is long
// enough for what the scans declare.
struct JpegLayout {
    struct Component {
        int id = 0;
        int horizontal = 1; // sampling factors, 1 to 4 in a valid file
        int vertical = 1;
    };
    bool framed = false; // a frame header was found
    bool progressive = false;
    bool arithmetic = false; // arithmetic coding; otherwise Huffman
    int width = 0;
    int height = 0;
    std::vector<Component> components;
    int scans = 0;
    // A Huffman-coded scan that codes the first bits of its blocks' DC values spends at least
    // a bit on each block: one whose data is shorter than that was cut short.
    bool cutShort = false;
};

// Walks the markers of a whole JPEG file, past the entropy-coded data of every scan; reads no
// further than the end-of-image marker, or than a segment that runs past the end of the bytes.
[[nodiscard]] JpegLayout readJpegLayout(std::string_view bytes);

// The most the decoder holds for the declared frame, in bytes: the image at one eighth of its
// size (the least the decoder scales to), and, for a picture of more than one scan, the
// coefficients of every 8 x 8 block of the whole frame.
[[nodiscard]] std::uint64_t decoderMemory(const JpegLayout& layout);

} // namespace kov
