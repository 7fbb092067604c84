#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace kov {

// What a picture's markers may ask of the decoder. The walk stops at the first bound passed, so
// that its own cost stays a single pass over the bytes whatever they declare.

// More pixels than this are refused undecoded. The decoder reads every 8 x 8 block of the frame
// whatever size it scales to, so its work grows with the pixels declared: a 4000 x 6000 photo
// has 24 million, and a card is shown at a few hundred pixels across.
inline constexpr std::uint64_t mostDeclaredPixels = 36'000'000;

// A picture whose scans decode more 8 x 8 blocks than this, counting a block again for each
// scan that covers it, is refused undecoded: the decoder's work grows with them. A progressive
// 4000 x 6000 photo decodes about 3 million at 4:2:0 and 5.3 million at 4:4:4.
inline constexpr std::uint64_t mostBlocksDecoded = 8'000'000;

// A picture whose declared size needs more than this to decode is refused undecoded. A
// progressive picture of 4000 x 6000 needs 70 MB at 4:2:0 and 139 MB at 4:4:4, held only while
// it decodes.
inline constexpr std::uint64_t largestDecoderMemory = 144 * 1024 * 1024;

// A picture of more scans than this is refused undecoded: each scan is a pass over the whole
// picture, and a progressive picture has about ten.
inline constexpr int mostScans = 64;

// A picture of more marker segments than this is refused undecoded: the decoder keeps each
// comment and application segment in a list it walks to its end for every new one, so that
// 30,000 of them (180 KB) cost it over a second. A picture has a few dozen; an 8 MB colour
// profile or metadata block split into 64 KB segments has 128.
inline constexpr int mostSegments = 1024;

// The most components a frame and a scan may declare: what the decoder itself takes.
inline constexpr int mostFrameComponents = 10;
inline constexpr int mostScanComponents = 4;

// The first bound a picture's markers pass, in the order the walk meets them.
enum class JpegRefusal {
    None,
    TooManyPixels,         // the frame declares more than mostDeclaredPixels
    TooMuchMemory,         // decoderMemory() passes largestDecoderMemory
    TooMuchWork,           // the scans decode more than mostBlocksDecoded
    TooManyScans,          // more than mostScans
    TooManySegments,       // more than mostSegments
    TooManyComponents,     // a frame of more than mostFrameComponents
    TooManyScanComponents, // a scan of more than mostScanComponents
    // A Huffman-coded scan that codes the first bits of its blocks' DC values spends at least
    // a bit on each block: one whose data is shorter than that was cut short.
    CutShort,
};

// What a JPEG file's markers say before anything is decoded: the frame the first frame header
// declares, and the scans up to the end-of-image marker or up to the first bound passed.
struct JpegLayout {
    struct Component {
        int id = 0;
        int horizontal = 1; // sampling factors, 1 to 4 in a valid file
        int vertical = 1;
        std::uint64_t blocks = 0; // its 8 x 8 blocks over the whole frame
    };
    bool framed = false; // a frame header was found
    bool progressive = false;
    bool arithmetic = false; // arithmetic coding; otherwise Huffman
    int width = 0;
    int height = 0;
    std::vector<Component> components;
    int scans = 0;    // counted up to the first bound passed
    int segments = 0; // marker segments of any kind, counted up to the first bound passed
    std::uint64_t blocksDecoded = 0; // by the scans counted, a block again for each scan
    JpegRefusal refusal = JpegRefusal::None;
};

// Walks the markers of a whole JPEG file, past the entropy-coded data of every scan; reads no
// further than the end-of-image marker, than a segment that runs past the end of the bytes, or
// than the marker that passes a bound. Its cost is one pass over the bytes at most.
[[nodiscard]] JpegLayout readJpegLayout(std::string_view bytes);

// The most the decoder holds for the declared frame, in bytes: the image at one eighth of its
// size (the least the decoder scales to), and, for a picture of more than one scan, the
// coefficients of every 8 x 8 block of the whole frame.
[[nodiscard]] std::uint64_t decoderMemory(const JpegLayout& layout);

} // namespace kov
