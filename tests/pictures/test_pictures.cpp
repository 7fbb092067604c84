#include "pictures/card_pictures.h"
#include "pictures/drawn_cards.h"
#include "support/card_files.h"
#include "support/decoded_picture.h"
#include "support/strongest_ink.h"
#include "texts/card_colours.h"
#include "texts/text_contrast.h"

#include "support/picture_bombs.h"

#include <QDir>
#include <QImageReader>
#include <QtTest>

#include <filesystem>

using namespace kov;
using namespace kov::test;
namespace fs = std::filesystem;

namespace {

// A program folder holding the supplied pictures.
struct SuppliedPictures : ProgramFolder {
    SuppliedPictures() { copyPicturesFrom(KOV_ASSETS_DIR); }
};

QString reportLine(const QString& picture, const QString& reason) {
    return QStringLiteral("cannot show the card picture %1 (%2); drawing the card instead")
        .arg(picture, reason);
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    // Another picture of the same length and modification time shows at the card's next showing.
    void everyShowingReadsThePictureAgain() {
        SuppliedPictures installed;
        const fs::path file = installed.path() / "7R.jpg";
        const std::string other = readBytes(installed.path() / "5G.jpg");
        const std::size_t size = std::max(other.size(), fs::file_size(file));
        // Both end in data after the picture, to the same length.
        writeBytes(file, readBytes(file).append(size - fs::file_size(file), 'x'));
        const auto time = fs::last_write_time(file);
        CardPictures pictures(installed.path());
        const Card card = cardFromCode("7R");
        QCOMPARE(pictures.read(card, slotPixels), decodedAt(file, slotPixels));
        writeBytes(file, other + std::string(size - other.size(), 'x'));
        fs::last_write_time(file, time);
        QCOMPARE(pictures.read(card, slotPixels),
                 decodedAt(installed.path() / "5G.jpg", slotPixels));
    }

    // Player One's first card in a damaged or odd file, for a slot of scale times a card's size:
    // drawn with the reason on standard error, or shown, decoded at the slot's size or at the
    // picture's own where that is smaller.
    void oddPictureFiles_data() {
        QTest::addColumn<std::string>("bytes"); // written under the card's name, unless made
        QTest::addColumn<QString>("made");      // "missing", "folder", "fifo", "after a showing"
        QTest::addColumn<QString>("reason");    // empty: the picture is shown
        QTest::addColumn<int>("scale");
        const std::string good = readBytes(fs::path(KOV_ASSETS_DIR) / "7R.jpg");
        const std::string half = good.substr(0, good.size() / 2);
        const std::string trailing = good + "camera notes after the end of the picture";
        const std::string none;
        const auto row = [](const char* name, const std::string& bytes, const QString& reason,
                            const QString& made = {}, int scale = 1) {
            QTest::newRow(name) << bytes << made << reason << scale;
        };
        row("missing", none, "no such file", "missing");
        row("missing, at 30 times a card's size", none, "no such file", "missing", 30);
        row("truncated", half, "not a complete JPEG picture");
        row("truncated, shown whole before", half, "not a complete JPEG picture",
            "after a showing");
        row("truncated, end marker added", half + "\xFF\xD9", "not a complete JPEG picture");
        row("not a JPEG", encoded(QImage(8, 8, QImage::Format_RGB32), "PNG"), "not a JPEG picture");
        row("a folder", none, "not a file", "folder");
#ifndef _WIN32 // FIFOs: POSIX only
        row("a FIFO", none, "not a file", "fifo");
#endif
        row("20 MB", trailing + std::string(20 * 1024 * 1024 - trailing.size(), '\0'),
            "the file is larger than 8 MB");
        row("trailing data", trailing, "");
        row("4000 x 6000", redJpeg(QSize(4000, 6000), false), "");
        row("4000 x 6000, progressive", redJpeg(QSize(4000, 6000)), "");
        row("256 x 384 at 30 times a card's size", good, "", {}, 30);
        row("tiny, declaring 16000 x 16000", declaringSize(QSize(16000, 16000)),
            "the picture declares 16000 x 16000 pixels, more than 36 million");
        row("8 MB at two bits a block, declaring 46000 x 46000", oneCodeGrey(QSize(46000, 46000)),
            "the picture declares 46000 x 46000 pixels, more than 36 million");
        row("tiny, declaring 5000 x 6000 at 4:4:4", declaringSize(QSize(5000, 6000), true),
            "the picture declares 5000 x 6000 pixels, more than can be decoded in 144 MB");
        row("tiny, declaring 4000 x 6000", declaringSize(QSize(4000, 6000)),
            "not a complete JPEG picture");
        row("1000 scans", manyScans(1000), "the picture is made of more than 64 scans");
        row("64 scans of 6000 x 6000",
            repeatingScans(QSize(6000, 6000), 64, QImage::Format_Grayscale8),
            "the picture's scans decode more than 8 million blocks");
        row("30,000 comments before the picture", commentsBefore(good, 30000),
            "the picture is made of more than 1024 marker segments");
        row("255 components of one id, 1000 scans naming them all", sameIdComponents(255, 1000),
            "the picture declares more than 10 components");
        row("a scan naming 5 components", sameIdComponents(5, 1),
            "a scan of the picture names more than 4 components");
    }
    void oddPictureFiles() {
        QFETCH(std::string, bytes);
        QFETCH(QString, made);
        QFETCH(QString, reason);
        QFETCH(int, scale);
        SuppliedPictures installed;
        const fs::path path = installed.path() / "7R.jpg";
        const std::string good = readBytes(path);
        const Card card = cardFromCode("7R");
        CardPictures pictures(installed.path());
        if (made == "after a showing")
            QCOMPARE(pictures.read(card, slotPixels), decodedAt(path, slotPixels));
        fs::remove(path);
        if (made == "folder" || made == "fifo")
            putInPlaceOf(path, made.toStdString());
        else if (made != "missing")
            writeBytes(path, bytes);

        const QSize slot = slotPixels * scale;
        if (!reason.isEmpty())
            QTest::ignoreMessage(
                QtWarningMsg,
                qPrintable(reportLine(
                    QDir::toNativeSeparators(QString::fromStdString(path.string())), reason)));
        const QImage shown = pictures.read(card, slot);
        if (!reason.isEmpty()) {
            QCOMPARE(shown.size(), slot.boundedTo(largestDrawnCard));
            QCOMPARE(shown, drawnCardFace(card, slot));
            QVERIFY(shown != drawnCardFace(cardFromCode("7G"), slot));
        } else {
            const QSize own = QImageReader(QString::fromStdString(path.string())).size();
            QCOMPARE(shown.size(), slot.boundedTo(own));
            if (bytes.starts_with(good))
                QCOMPARE(shown, decodedAt(fs::path(KOV_ASSETS_DIR) / "7R.jpg", shown.size()));
        }
        // Mended, the real picture shows again.
        fs::remove_all(path);
        writeBytes(path, good);
        QCOMPARE(pictures.read(card, slotPixels), decodedAt(path, slotPixels));
    }

    // The same bytes are decoded once for a slot, whatever their name; only the newest pictures
    // are kept within the bound, and only those for the size last asked for.
    void picturesAreDecodedOnce() {
        SuppliedPictures installed;
        const fs::path file = installed.path() / "7R.jpg";
        const QSize large(1000, 1500); // 6 MB a picture: two are kept
        const std::string whole = redJpeg(large, false);
        writeBytes(file, whole);
        writeBytes(installed.path() / "5G.jpg", whole);
        CardPictures pictures(installed.path());
        const Card card = cardFromCode("7R");
        const QImage shown = pictures.read(card, slotPixels);
        QCOMPARE(pictures.read(cardFromCode("5G"), slotPixels), shown);
        QCOMPARE(pictures.decodes(), 1);
        for (const char* version : {"a", "b", "c", "d", "c"}) {
            writeBytes(file, whole + version);
            QCOMPARE(pictures.read(card, large).size(), large);
            QVERIFY(pictures.keptBytes() <= mostKeptBytes);
        }
        QCOMPARE(pictures.decodes(), 5);
        writeBytes(file, whole + "b");
        QCOMPARE(pictures.read(card, large).size(), large);
        QCOMPARE(pictures.decodes(), 6);
    }

    void theCardBackIsDrawnWhenItCannotBeShown() {
        const QSize size(83, 129);
        QCOMPARE(cardBackPicture()(size), decodedAt(":/cardback.jpg", size));
        PictureSource missing = cardBackPicture(QStringLiteral(":/no-such-back.jpg"));
        QTest::ignoreMessage(QtWarningMsg, qPrintable(reportLine(":/no-such-back.jpg",
                                                                 "No such file or directory")));
        QCOMPARE(missing(size), drawnCardBack(size));
        QCOMPARE(missing(size * 2), drawnCardBack(size * 2)); // reported once
    }

    // Codes that no file can be named by are drawn, each as itself.
    void codesOutsideFileNamesAreDrawn() {
        SuppliedPictures installed;
        CardPictures pictures(installed.path());
        const auto red = [](char value) {
            return Card{CardCharacter(value), CardCharacter('R')};
        };
        const Card high = red('\x80'), higher = red('\x81');
        for (const Card& card : {red('\n'), high, higher, red('/')})
            QCOMPARE(pictures.read(card, slotPixels), drawnCardFace(card, slotPixels));
        QVERIFY(drawnCardFace(high, slotPixels) != drawnCardFace(higher, slotPixels));
    }

    // The value across the colour band of each drawn face, and the name on the drawn back.
    void drawnCardsRead() {
        for (char colour : {'B', 'G', 'R', 'Y', 'X'}) {
            const QImage face =
                drawnCardFace(Card{CardCharacter('7'), CardCharacter(colour)}, {256, 384});
            const QColor band = faceColour(CardCharacter(colour));
            QRect bandRect;
            for (int y = 0; y < face.height(); ++y) {
                for (int x = 0; x < face.width(); ++x)
                    bandRect |= face.pixelColor(x, y) == band ? QRect(x, y, 1, 1) : QRect();
            }
            QVERIFY2(strongestInk(face, bandRect, band) >= readableContrast,
                     qPrintable(QString(QLatin1Char(colour))));
        }
        const QImage back = drawnCardBack({256, 384});
        QVERIFY(strongestInk(back, back.rect().adjusted(40, 40, -40, -40), back.pixelColor(0, 0)) >=
                readableContrast);
        QCOMPARE(contrastRatio(Qt::black, Qt::white), 21.0);
        QCOMPARE(qRound(contrastRatio(QColor(0xf0f0f0), QColor(0xffffdc)) * 10), 11);
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
