#include "card_back.h"
#include "card_face.h"
#include "deck.h"
#include "ico_file.h"
#include "icon_art.h"
#include "image_files.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <set>

using namespace kov::art;

namespace {

// Little-endian fields of a file image.
int read16(const QByteArray& b, int at) {
    return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}
int read32(const QByteArray& b, int at) {
    return read16(b, at) | read16(b, at + 2) << 16;
}

// The card the way a player who sees no colour at all sees it, at the size of a hand slot.
QImage asSeenInGrey(const QImage& face) {
    return face.scaled(86, 129, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_Grayscale8);
}

int clearlyDifferentPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 48)
                ++count;
        }
    }
    return count;
}

// The field's texture at hand-slot size in grey: a strip of background between the corner
// marks, each pixel less the strip's mean so brightness alone tells nothing.
std::vector<double> fieldTexture(char colour) {
    const QImage grey = asSeenInGrey(drawCardFace('0', colour));
    const QRect strip(26, 6, 30, 20);
    std::vector<double> texture;
    for (int y = strip.top(); y <= strip.bottom(); ++y) {
        for (int x = strip.left(); x <= strip.right(); ++x)
            texture.push_back(qGray(grey.pixel(x, y)));
    }
    double mean = 0;
    for (const double v : texture)
        mean += v / static_cast<double>(texture.size());
    for (double& v : texture)
        v -= mean;
    return texture;
}

double spread(const std::vector<double>& texture) {
    double sum = 0;
    for (const double v : texture)
        sum += v * v;
    return std::sqrt(sum / static_cast<double>(texture.size()));
}

// 1 for the same pattern at any strength, near 0 for unrelated ones.
double likeness(const std::vector<double>& a, const std::vector<double>& b) {
    double sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        sum += a[i] * b[i];
    return sum / static_cast<double>(a.size()) / (spread(a) * spread(b));
}

// The start-of-frame marker of a JPEG, found by walking its segments: 0xC0 for baseline,
// 0xC2 for progressive; 0 if there is none.
int frameMarker(const QByteArray& jpeg) {
    int at = 2; // past the start-of-image marker
    while (at + 4 <= jpeg.size() && static_cast<unsigned char>(jpeg[at]) == 0xFF) {
        const int marker = static_cast<unsigned char>(jpeg[at + 1]);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            return marker;
        if (marker == 0xDA) // the scan starts: no frame header came first
            return 0;
        at += 2 + (static_cast<unsigned char>(jpeg[at + 2]) << 8 |
                   static_cast<unsigned char>(jpeg[at + 3]));
    }
    return 0;
}

} // namespace

class DrawAssetsTest : public QObject {
    Q_OBJECT

private slots:
    void deckHasTheFullComposition() {
        std::map<std::string, int> counts;
        for (const std::string& card : sortedDeck())
            ++counts[card];
        QCOMPARE(sortedDeck().size(), std::size_t{108});
        const auto count = [&](char value, char colour) {
            return counts[{value, colour}];
        };
        for (const char colour : {'R', 'G', 'B', 'Y'}) {
            QCOMPARE(count('0', colour), 1);
            for (const char value : std::string("123456789SVD"))
                QCOMPARE(count(value, colour), 2);
            QCOMPARE(count('W', colour), 1);
            QCOMPARE(count('F', colour), 1);
        }
        QCOMPARE(counts.size(), std::size_t{60});
    }

    void everyCardOfTheDeckHasItsOwnPicture() {
        const std::vector<std::string> faces = faceCodes();
        const std::set<std::string> distinct(faces.begin(), faces.end());
        QCOMPARE(faces.size(), std::size_t{60});
        QCOMPARE(distinct.size(), faces.size());
        for (const std::string& card : sortedDeck())
            QVERIFY2(distinct.count(card) == 1, card.c_str());
    }

    void initialDeckIsAReproducibleMixOfTheSameCards() {
        const std::vector<std::string> deck = initialDeck();
        QCOMPARE(initialDeck(), deck);
        std::vector<std::string> sorted = deck;
        std::vector<std::string> expected = sortedDeck();
        std::sort(sorted.begin(), sorted.end());
        std::sort(expected.begin(), expected.end());
        QCOMPARE(sorted, expected);

        // Well mixed: no long runs of one colour, as an unshuffled deck would have.
        int longestRun = 1;
        int run = 1;
        for (std::size_t i = 1; i < deck.size(); ++i) {
            run = deck[i][1] == deck[i - 1][1] ? run + 1 : 1;
            longestRun = std::max(longestRun, run);
        }
        QVERIFY(longestRun <= 6);
    }

    void shuffleMakesEveryOrderEquallyLikely() {
        // The classic slips (drawing from [0, i) or from the whole range) skew these counts.
        std::mt19937 generator(12345);
        std::map<std::vector<int>, int> seen;
        constexpr int rounds = 60000;
        for (int i = 0; i < rounds; ++i) {
            std::vector<int> items{0, 1, 2};
            shuffle(items, generator);
            ++seen[items];
        }
        QCOMPARE(seen.size(), std::size_t{6});
        for (const auto& [order, count] : seen)
            QVERIFY2(std::abs(count - rounds / 6) < rounds / 60, QByteArray::number(count));
    }

    void drawBelowStaysInRange() {
        std::mt19937 generator(7);
        for (std::uint32_t bound : {1u, 2u, 3u, 108u, 0x80000001u}) {
            for (int i = 0; i < 1000; ++i)
                QVERIFY(drawBelow(generator, bound) < bound);
        }
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, (void)drawBelow(generator, 0));
    }

    void cardFileIsRecordsThenTwoSpaces() {
        const std::vector<std::string> deck = initialDeck();
        const QByteArray bytes = cardFileBytes(deck);
        QCOMPARE(bytes.size(), 218);
        QCOMPARE(bytes.right(2), QByteArray("  "));
        for (std::size_t i = 0; i < deck.size(); ++i)
            QCOMPARE(bytes.mid(static_cast<qsizetype>(2 * i), 2).toStdString(), deck[i]);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, (void)cardFileBytes({"7"}));
    }

    void paletteColoursMapToThemselves() {
        for (int i = 0; i < 16; ++i)
            QCOMPARE(nearestVgaIndex(vgaPalette()[static_cast<std::size_t>(i)]), i);
        QCOMPARE(vgaPalette()[static_cast<std::size_t>(nearestVgaIndex(qRgb(230, 20, 30)))],
                 qRgb(255, 0, 0));
    }

    void iconFileHoldsTwoSixteenColourImages() {
        const QByteArray ico =
            encodeVgaIcon({drawIcon(32, IconStyle::Vga16), drawIcon(16, IconStyle::Vga16)});
        QCOMPARE(ico.size(),
                 6 + 2 * 16 + (40 + 64 + 32 * 16 + 32 * 4) + (40 + 64 + 16 * 8 + 16 * 4));
        QCOMPARE(read16(ico, 2), 1);
        QCOMPARE(read16(ico, 4), 2);
        const std::array<int, 2> sides{32, 16};
        for (int e = 0; e < 2; ++e) {
            const int entry = 6 + 16 * e;
            QCOMPARE(static_cast<unsigned char>(ico[entry]), sides[static_cast<std::size_t>(e)]);
            QCOMPARE(static_cast<unsigned char>(ico[entry + 2]), 16);
            QCOMPARE(read16(ico, entry + 6), 4);
            const int offset = read32(ico, entry + 12);
            QCOMPARE(read32(ico, offset), 40);
            QCOMPARE(read32(ico, offset + 8), 2 * sides[static_cast<std::size_t>(e)]);
            QCOMPARE(read16(ico, offset + 14), 4);
            QCOMPARE(offset + read32(ico, entry + 8) <= ico.size(), true);
        }
    }

    void iconFileReadsBackPixelForPixel() {
        // Rows of distinct colours with a transparent left edge pin down the nibble order, the
        // bottom-up row order and the mask bits.
        QImage image(16, 16, QImage::Format_ARGB32);
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const QRgb c = vgaPalette()[static_cast<std::size_t>((x + y) % 16)];
                image.setPixel(x, y, x < 3 ? qRgba(0, 0, 0, 0) : c);
            }
        }
        QByteArray ico = encodeVgaIcon({image});
        QBuffer buffer(&ico);
        QImageReader reader(&buffer, "ico");
        const QImage back = reader.read().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(back.size(), QSize(16, 16));
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                if (x < 3)
                    QCOMPARE(qAlpha(back.pixel(x, y)), 0);
                else
                    QCOMPARE(back.pixel(x, y), image.pixel(x, y));
            }
        }
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 (void)encodeVgaIcon({QImage(16, 8, QImage::Format_ARGB32)}));
    }

    void sixteenColourIconNeedsNoQuantising() {
        for (const int size : {16, 32}) {
            const QImage icon = drawIcon(size, IconStyle::Vga16);
            const auto& palette = vgaPalette();
            for (int y = 0; y < size; ++y) {
                for (int x = 0; x < size; ++x) {
                    const QRgb p = icon.pixel(x, y);
                    if (qAlpha(p) == 0)
                        continue;
                    QCOMPARE(qAlpha(p), 255);
                    QVERIFY(std::find(palette.begin(), palette.end(),
                                      qRgb(qRed(p), qGreen(p), qBlue(p))) != palette.end());
                }
            }
        }
    }

    void jpegsAreBaseline() {
        const QByteArray jpeg = encodeBaselineJpeg(drawCardBack(), 80);
        QCOMPARE(frameMarker(jpeg), 0xC0);
        QCOMPARE(QImage::fromData(jpeg).size(), QSize(backWidth, backHeight));
    }

    void everyFaceStaysDistinctWithoutColour() {
        // A player who cannot tell hues apart must still tell every card from every other.
        std::vector<std::pair<std::string, QImage>> faces;
        for (const std::string& code : faceCodes()) {
            const QImage face = drawCardFace(code[0], code[1]);
            QCOMPARE(face.size(), QSize(faceWidth, faceHeight));
            faces.emplace_back(code, asSeenInGrey(face));
        }
        for (std::size_t i = 0; i < faces.size(); ++i) {
            for (std::size_t j = i + 1; j < faces.size(); ++j) {
                const int differing = clearlyDifferentPixels(faces[i].second, faces[j].second);
                QVERIFY2(differing >= 20,
                         (faces[i].first + " and " + faces[j].first + " look alike").c_str());
            }
        }
    }

    void everyColourHasItsOwnTexture() {
        // Without hue the four backgrounds must still differ, by a pattern strong enough to see
        // at hand-slot size.
        const std::string colours = "RGBY";
        for (const char c : colours)
            QVERIFY2(spread(fieldTexture(c)) > 6, std::string(1, c).c_str());
        for (std::size_t i = 0; i < colours.size(); ++i) {
            for (std::size_t j = i + 1; j < colours.size(); ++j) {
                const std::string pair{colours[i], colours[j]};
                QVERIFY2(std::abs(likeness(fieldTexture(colours[i]), fieldTexture(colours[j]))) <
                             0.5,
                         pair.c_str());
            }
        }
    }

    void refusesCardsOutsideTheDeck() {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, (void)drawCardFace('X', 'R'));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, (void)drawCardFace('7', 'P'));
    }

    void committedCardFileIsCurrent() {
        QFile file(QStringLiteral(KOV_ASSETS_DIR "/card.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), cardFileBytes(initialDeck()));
    }

    void committedPicturesAreAllThere() {
        for (const std::string& code : faceCodes()) {
            const QString path = QStringLiteral(KOV_ASSETS_DIR "/%1.jpg").arg(code.c_str());
            QFile file(path);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
            const QByteArray jpeg = file.readAll();
            QCOMPARE(frameMarker(jpeg), 0xC0);
            QCOMPARE(QImage::fromData(jpeg).size(), QSize(faceWidth, faceHeight));
        }
        QFile back(QStringLiteral(KOV_ASSETS_DIR "/cardback.jpg"));
        QVERIFY(back.open(QIODevice::ReadOnly));
        const QByteArray jpeg = back.readAll();
        QCOMPARE(frameMarker(jpeg), 0xC0);
        QCOMPARE(QImage::fromData(jpeg).size(), QSize(backWidth, backHeight));

        for (const int size : {16, 32, 48, 64, 128, 256}) {
            const QImage icon(QStringLiteral(KOV_ASSETS_DIR "/icon/kov-%1.png").arg(size));
            QCOMPARE(icon.size(), QSize(size, size));
            QVERIFY(icon.hasAlphaChannel());
        }
        QImageReader ico(QStringLiteral(KOV_ASSETS_DIR "/kov.ico"));
        QCOMPARE(ico.imageCount(), 2);
    }
};

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    DrawAssetsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "draw_assets_test.moc"
