#include "pictures/jpeg_layout.h"

#include <algorithm>
#include <cstring>

namespace kov {

namespace {

constexpr unsigned char startOfScan = 0xDA;
constexpr unsigned char endOfImage = 0xD9;

// Markers that stand alone, without a length: the start of the image, the restart markers of
// entropy-coded data, and TEM.
bool standsAlone(unsigned char marker) {
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8);
}

// Every start-of-frame marker: C0 to CF except DHT (C4), JPG (C8) and DAC (CC).
bool startsFrame(unsigned char marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

unsigned byteAt(std::string_view bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]);
}

unsigned twoBytesAt(std::string_view bytes, std::size_t at) {
    return byteAt(bytes, at) << 8 | byteAt(bytes, at + 1);
}

std::uint64_t roundUpDivide(std::uint64_t value, std::uint64_t by) {
    return (value + by - 1) / by;
}

// The 8 x 8 blocks of each component over the whole frame, at its own sampling: counted once
// per frame, however many scans name the component.
void countBlocks(JpegLayout& layout) {
    int widest = 1;
    int tallest = 1;
    for (const JpegLayout::Component& each : layout.components) {
        widest = std::max(widest, each.horizontal);
        tallest = std::max(tallest, each.vertical);
    }
    auto wide = [](int value) {
        return static_cast<std::uint64_t>(std::max(value, 0));
    };
    for (JpegLayout::Component& component : layout.components)
        component.blocks =
            roundUpDivide(wide(layout.width) * wide(component.horizontal), wide(widest) * 8) *
            roundUpDivide(wide(layout.height) * wide(component.vertical), wide(tallest) * 8);
}

JpegRefusal readFrame(std::string_view segment, unsigned char marker, JpegLayout& layout) {
    // Precision, height, width, component count, then three bytes a component.
    if (segment.size() < 6)
        return JpegRefusal::None;
    layout.framed = true;
    layout.progressive = marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
    layout.arithmetic = marker >= 0xC9;
    layout.height = static_cast<int>(twoBytesAt(segment, 1));
    layout.width = static_cast<int>(twoBytesAt(segment, 3));
    const std::size_t declared = byteAt(segment, 5);
    if (declared > static_cast<std::size_t>(mostFrameComponents))
        return JpegRefusal::TooManyComponents;
    const std::size_t count = std::min(declared, (segment.size() - 6) / 3);
    for (std::size_t index = 0; index < count; ++index) {
        const std::size_t at = 6 + 3 * index;
        const unsigned sampling = byteAt(segment, at + 1);
        layout.components.push_back({static_cast<int>(byteAt(segment, at)),
                                     static_cast<int>(std::max(1U, sampling >> 4)),
                                     static_cast<int>(std::max(1U, sampling & 0x0F))});
    }
    countBlocks(layout);
    const auto pixels =
        static_cast<std::uint64_t>(layout.width) * static_cast<std::uint64_t>(layout.height);
    return pixels > mostDeclaredPixels ? JpegRefusal::TooManyPixels : JpegRefusal::None;
}

// A scan's header: the blocks its components cover, counted into the layout, and the bits its
// data must at least hold, a bit for each block whose DC value it starts (Huffman coding). A
// scan component is the first frame component of its id, as the decoder takes it.
struct Scan {
    JpegRefusal refusal = JpegRefusal::None;
    std::uint64_t leastBits = 0;
};
Scan readScan(std::string_view segment, JpegLayout& layout) {
    // Component count, two bytes a component, then spectral start and end and approximation.
    const std::size_t count = byteAt(segment, 0);
    if (++layout.scans > mostScans)
        return {JpegRefusal::TooManyScans};
    if (count > static_cast<std::size_t>(mostScanComponents))
        return {JpegRefusal::TooManyScanComponents};
    if (segment.size() < 1 + 2 * count + 3)
        return {};
    std::uint64_t blocks = 0;
    for (std::size_t index = 0; index < count; ++index) {
        const auto id = static_cast<int>(byteAt(segment, 1 + 2 * index));
        const auto found = std::find_if(
            layout.components.begin(), layout.components.end(),
            [id](const JpegLayout::Component& component) { return component.id == id; });
        if (found != layout.components.end())
            blocks += found->blocks;
    }
    layout.blocksDecoded += blocks;
    if (layout.blocksDecoded > mostBlocksDecoded)
        return {JpegRefusal::TooMuchWork};
    const unsigned spectralStart = byteAt(segment, 1 + 2 * count);
    const unsigned approximationHigh = byteAt(segment, 3 + 2 * count) >> 4;
    const bool startsDC = spectralStart == 0 && approximationHigh == 0;
    return {JpegRefusal::None, startsDC && !layout.arithmetic ? blocks : 0};
}

} // namespace

JpegLayout readJpegLayout(std::string_view bytes) {
    JpegLayout layout;
    std::size_t scanData = 0; // where the data of the scan being walked starts
    std::uint64_t scanBits = 0;
    auto endScan = [&](std::size_t at) {
        if (scanBits > 0 && (at - scanData) * 8 < scanBits)
            layout.refusal = JpegRefusal::CutShort;
        scanBits = 0;
    };
    std::size_t at = 2; // past the start-of-image marker
    while (at + 1 < bytes.size()) {
        // Entropy-coded data, or bytes between segments: on to the next 0xFF.
        if (byteAt(bytes, at) != 0xFF) {
            const void* next = std::memchr(bytes.data() + at, 0xFF, bytes.size() - at);
            if (next == nullptr)
                break;
            at = static_cast<std::size_t>(static_cast<const char*>(next) - bytes.data());
            continue;
        }
        const auto marker = static_cast<unsigned char>(byteAt(bytes, at + 1));
        if (marker == 0xFF) { // fill bytes: on to the last of the run
            const auto* run = reinterpret_cast<const unsigned char*>(bytes.data());
            const std::size_t end = bytes.size() - 1;
            ++at;
            while (at < end && run[at + 1] == 0xFF)
                ++at;
            continue;
        }
        if (marker == 0x00 || standsAlone(marker)) { // a stuffed 0xFF in the data, a restart
            at += 2;
            continue;
        }
        endScan(at);
        if (layout.refusal != JpegRefusal::None || marker == endOfImage || at + 4 > bytes.size())
            return layout;
        const std::size_t length = twoBytesAt(bytes, at + 2);
        if (length < 2 || at + 2 + length > bytes.size())
            return layout;
        const std::string_view segment = bytes.substr(at + 4, length - 2);
        at += 2 + length;
        if (++layout.segments > mostSegments) {
            layout.refusal = JpegRefusal::TooManySegments;
            return layout;
        }
        if (startsFrame(marker) && !layout.framed) {
            layout.refusal = readFrame(segment, marker, layout);
        } else if (marker == startOfScan && !segment.empty()) {
            const Scan scan = readScan(segment, layout);
            layout.refusal = scan.refusal;
            scanData = at;
            scanBits = scan.leastBits;
        } else {
            continue;
        }
        if (layout.refusal == JpegRefusal::None && decoderMemory(layout) > largestDecoderMemory)
            layout.refusal = JpegRefusal::TooMuchMemory;
        if (layout.refusal != JpegRefusal::None)
            return layout;
    }
    endScan(bytes.size());
    return layout;
}

std::uint64_t decoderMemory(const JpegLayout& layout) {
    // 32 bits a pixel, one pixel for each 8 x 8 block of the frame.
    std::uint64_t memory = roundUpDivide(static_cast<std::uint64_t>(layout.width), 8) *
                           roundUpDivide(static_cast<std::uint64_t>(layout.height), 8) * 4;
    if (!layout.progressive && layout.scans <= 1)
        return memory;
    // 64 coefficients of 2 bytes a block.
    for (const JpegLayout::Component& component : layout.components)
        memory += component.blocks * 128;
    return memory;
}

} // namespace kov
