// The marker walk over a card picture's bytes, and the decode for a card's slot: a supplied card,
// a large photo, the largest pictures the bounds let through, and files made to cost the walk
// or the decoder time. The walk is timed as the median of 21 runs, the decode of 5.
#include "bench_util.h"
#include "pictures/jpeg_layout.h"
#include "pictures/jpeg_picture.h"
#include "support/file_bytes.h"
#include "support/picture_bombs.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

#include <cstdio>
#include <filesystem>
#include <string>

using namespace kov;

namespace {

constexpr std::size_t eightMegabytes = 8 * 1024 * 1024;
constexpr QSize cardSlot(86, 129);

std::string milliseconds(double ms) {
    char text[32];
    std::snprintf(text, sizeof text, ms < 1 ? "%.4f ms" : "%.1f ms", ms);
    return text;
}

double walkMs(const std::string& bytes) {
    std::vector<double> runs;
    for (int run = 0; run < 21; ++run) {
        const std::int64_t start = bench::monotonicNs();
        const JpegLayout layout = readJpegLayout(bytes);
        const std::int64_t end = bench::monotonicNs();
        if (layout.scans < 0) // keeps the walk from being optimised away
            std::puts("");
        runs.push_back(static_cast<double>(end - start) / 1e6);
    }
    return bench::median(runs);
}

// The decoder alone over the same bytes, as the walk's yardstick: what reading them costs it.
double decoderAloneMs(const std::string& bytes) {
    const std::int64_t start = bench::monotonicNs();
    QByteArray data = QByteArray::fromStdString(bytes);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpg");
    reader.setScaledSize(cardSlot);
    (void)reader.read();
    return static_cast<double>(bench::monotonicNs() - start) / 1e6;
}

// The whole check and decode for a card's slot, the median of 5; the reason when refused.
double decodeMs(const std::string& bytes, QString& problem) {
    const QByteArray data = QByteArray::fromStdString(bytes);
    std::vector<double> runs;
    for (int run = 0; run < 5; ++run) {
        const std::int64_t start = bench::monotonicNs();
        problem = decodeJpeg(data, cardSlot).problem;
        runs.push_back(static_cast<double>(bench::monotonicNs() - start) / 1e6);
    }
    return bench::median(runs);
}

std::string sizeOf(const std::string& bytes) {
    char text[32];
    std::snprintf(text, sizeof text, "%.0f KB", static_cast<double>(bytes.size()) / 1024);
    return text;
}

// Bytes after a start-of-image marker, unit repeated up to 8 MB.
std::string eightMegabytesOf(const std::string& unit) {
    std::string bytes = "\xFF\xD8";
    while (bytes.size() + unit.size() <= eightMegabytes)
        bytes += unit;
    return bytes;
}

// A photo's worth of detail: smooth shading with fine texture, at 4000 x 6000.
std::string photo() {
    QImage picture(4000, 6000, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const int grain = ((x * 7919) ^ (y * 104729)) % 24;
            line[x] = qRgb((x / 16 + grain) & 255, (y / 24 + grain) & 255, (x + y) / 40 & 255);
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPG", 90);
    return bytes.toStdString();
}

// The walk beside the decoder alone over the same bytes, or (refused early, or a file the decoder
// alone would take hours over) on its own.
void walkRow(const std::string& name, const std::string& bytes, bool alone) {
    const double walk = walkMs(bytes);
    if (alone) {
        bench::printRow("walk: " + name + ", " + sizeOf(bytes), milliseconds(walk), "", "",
                        "< 1 ms", walk < 1.0);
        return;
    }
    const double decoder = decoderAloneMs(bytes);
    char ratio[16];
    std::snprintf(ratio, sizeof ratio, "%.2f", walk / decoder);
    bench::printRow("walk: " + name + ", " + sizeOf(bytes), milliseconds(walk),
                    milliseconds(decoder), ratio, "< the decoder's", walk < decoder);
}

void decodeRow(const std::string& name, const std::string& bytes, bool refused) {
    QString problem;
    const double ms = decodeMs(bytes, problem);
    bench::printRow("decode: " + name + ", " + sizeOf(bytes), milliseconds(ms), "", "",
                    refused ? "refused, < 1 ms" : "shown, < 1 s",
                    problem.isEmpty() != refused && ms < (refused ? 1.0 : 1000.0));
    if (!problem.isEmpty())
        std::printf("  %s: %s\n", name.c_str(), qPrintable(problem));
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <folder holding 7R.jpg>\n", argv[0]);
        return 2;
    }
    const std::string card = test::readBytes(std::filesystem::path(argv[1]) / "7R.jpg");
    const std::string large = photo();
    walkRow("a supplied card", card, true);
    walkRow("a 4000 x 6000 photo", large, true);
    walkRow("255 same-id components",
            test::sameIdComponents(255, static_cast<int>(eightMegabytes / 582)), true);
    walkRow("8 MB of fill bytes", eightMegabytesOf("\xFF"), false);
    walkRow("8 MB of stuffed bytes", eightMegabytesOf(std::string("\xFF\x00", 2)), false);
    walkRow("8 MB of restart markers", eightMegabytesOf("\xFF\xD0"), false);
    walkRow("8 MB of empty comments", eightMegabytesOf(std::string("\xFF\xFE\x00\x02", 4)), true);

    decodeRow("a supplied card", card, false);
    decodeRow("a 4000 x 6000 photo", large, false);
    decodeRow("6000 x 6000, two bits a block", test::oneCodeGrey(QSize(6000, 6000)), false);
    decodeRow("6000 x 6000 grey, 14 progressive scans",
              test::repeatingScans(QSize(6000, 6000), 14, QImage::Format_Grayscale8), false);
    decodeRow("46000 x 46000, two bits a block", test::oneCodeGrey(QSize(46000, 46000)), true);
    decodeRow("6000 x 6000 grey, 64 progressive scans",
              test::repeatingScans(QSize(6000, 6000), 64, QImage::Format_Grayscale8), true);
    decodeRow("30,000 comments before a supplied card", test::commentsBefore(card, 30000), true);
    return 0;
}
