#include "pictures/card_pictures.h"
#include "pictures/drawn_cards.h"
#include "support/card_files.h"
#include "support/decoded_picture.h"
#include "support/strongest_ink.h"
#include "texts/card_colours.h"
#include "texts/text_contrast.h"

#include "support/picture_bombs.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QtTest>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>

using namespace kov;
using namespace kov::test;
namespace fs = std::filesystem;

namespace {

// A program folder holding the supplied pictures.
struct SuppliedPictures {
    SuppliedPictures() {
        for (const auto& entry : fs::directory_iterator(KOV_ASSETS_DIR)) {
            if (entry.path().extension() == ".jpg")
                fs::copy_file(entry.path(), folder.path() / entry.path().filename());
        }
    }
    [[nodiscard]] fs::path path() const { return folder.path(); }
    ProgramFolder folder;
};

// A card's size on the screen in pixels, at a device pixel ratio of 1.
constexpr QSize slotPixels(86, 129);

QString reportLine(const QString& picture, const QString& reason) {
    return QStringLiteral("cannot show the card picture %1 (%2); drawing the card instead")
        .arg(picture, reason);
}

// A plain picture of size, as the camera or editor that wrote it would.
std::string plainJpeg(QSize size, int quality = 50) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(QColor(200, 40, 40));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPG", quality);
    return bytes.toStdString();
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    // Another picture under a card's name, of the same length and modification time, shows at
    // the card's next showing.
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
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("reason"); // empty: the picture is shown
        QTest::addColumn<int>("scale");
        QTest::newRow("missing") << "missing"
                                 << "no such file" << 1;
        QTest::newRow("missing, at 30 times a card's size") << "missing"
                                                            << "no such file" << 30;
        QTest::newRow("truncated") << "truncated"
                                   << "not a complete JPEG picture" << 1;
        QTest::newRow("truncated, shown whole before") << "truncated after a showing"
                                                       << "not a complete JPEG picture" << 1;
        QTest::newRow("truncated, end marker added") << "truncated and ended"
                                                     << "not a complete JPEG picture" << 1;
        QTest::newRow("not a JPEG") << "png"
                                    << "not a JPEG picture" << 1;
        QTest::newRow("a folder") << "folder"
                                  << "not a file" << 1;
#ifndef _WIN32 // FIFOs: POSIX only
        QTest::newRow("a FIFO") << "fifo"
                                << "not a file" << 1;
#endif
        QTest::newRow("20 MB") << "20 MB"
                               << "the file is larger than 8 MB" << 1;
        QTest::newRow("trailing data") << "trailing data"
                                       << "" << 1;
        QTest::newRow("4000 x 6000") << "huge"
                                     << "" << 1;
        QTest::newRow("4000 x 6000, progressive") << "huge progressive"
                                                  << "" << 1;
        QTest::newRow("256 x 384 at 30 times a card's size") << "supplied"
                                                             << "" << 30;
        QTest::newRow("tiny, declaring 16000 x 16000")
            << "declaring 16000 x 16000"
            << "the picture declares 16000 x 16000 pixels, more than 36 million" << 1;
        QTest::newRow("8 MB at two bits a block, declaring 46000 x 46000")
            << "one code, 46000 x 46000"
            << "the picture declares 46000 x 46000 pixels, more than 36 million" << 1;
        QTest::newRow("tiny, declaring 5000 x 6000 at 4:4:4")
            << "declaring 5000 x 6000 at 4:4:4"
            << "the picture declares 5000 x 6000 pixels, more than can be decoded in 144 MB" << 1;
        QTest::newRow("tiny, declaring 4000 x 6000") << "declaring 4000 x 6000"
                                                     << "not a complete JPEG picture" << 1;
        QTest::newRow("1000 scans") << "1000 scans"
                                    << "the picture is made of more than 64 scans" << 1;
        QTest::newRow("64 scans of 6000 x 6000")
            << "64 scans of 6000 x 6000"
            << "the picture's scans decode more than 8 million blocks" << 1;
        QTest::newRow("30,000 comments before the picture")
            << "30,000 comments"
            << "the picture is made of more than 1024 marker segments" << 1;
        QTest::newRow("255 components of one id, 1000 scans naming them all")
            << "255 components"
            << "the picture declares more than 10 components" << 1;
        QTest::newRow("a scan naming 5 components")
            << "5 components"
            << "a scan of the picture names more than 4 components" << 1;
    }
    void oddPictureFiles() {
        QFETCH(QString, file);
        QFETCH(QString, reason);
        QFETCH(int, scale);
        SuppliedPictures installed;
        const fs::path path = installed.path() / "7R.jpg";
        const std::string good = readBytes(path);
        const Card card = cardFromCode("7R");
        CardPictures pictures(installed.path());
        if (file == "truncated after a showing")
            QCOMPARE(pictures.read(card, slotPixels), decodedAt(path, slotPixels));
        fs::remove(path);
        if (file.startsWith("truncated") && !file.endsWith("ended"))
            writeBytes(path, good.substr(0, good.size() / 2));
        else if (file == "truncated and ended")
            writeBytes(path, good.substr(0, good.size() / 2) + "\xFF\xD9");
        else if (file == "png")
            QVERIFY(QImage(8, 8, QImage::Format_RGB32)
                        .save(QString::fromStdString(path.string()), "PNG"));
        else if (file == "folder")
            fs::create_directory(path);
#ifndef _WIN32
        else if (file == "fifo")
            QCOMPARE(::mkfifo(path.c_str(), 0644), 0);
#endif
        else if (file == "20 MB" || file == "trailing data") {
            writeBytes(path, good + "camera notes after the end of the picture");
            if (file == "20 MB")
                fs::resize_file(path, 20 * 1024 * 1024);
        } else if (file == "supplied")
            writeBytes(path, good);
        else if (file == "huge")
            writeBytes(path, plainJpeg(QSize(4000, 6000)));
        else if (file == "huge progressive")
            writeBytes(path, progressiveJpeg(QSize(4000, 6000)));
        else if (file == "declaring 16000 x 16000")
            writeBytes(path, declaringSize(QSize(16000, 16000)));
        else if (file == "declaring 4000 x 6000")
            writeBytes(path, declaringSize(QSize(4000, 6000)));
        else if (file == "declaring 5000 x 6000 at 4:4:4")
            writeBytes(path, declaringSize(QSize(5000, 6000), true));
        else if (file == "one code, 46000 x 46000")
            writeBytes(path, oneCodeGrey(QSize(46000, 46000)));
        else if (file == "1000 scans")
            writeBytes(path, manyScans(1000));
        else if (file == "64 scans of 6000 x 6000")
            writeBytes(path, repeatingScans(QSize(6000, 6000), 64, QImage::Format_Grayscale8));
        else if (file == "30,000 comments")
            writeBytes(path, commentsBefore(good, 30000));
        else if (file == "255 components")
            writeBytes(path, sameIdComponents(255, 1000));
        else if (file == "5 components")
            writeBytes(path, sameIdComponents(5, 1));

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
            if (file == "trailing data" || file == "supplied")
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
        const std::string whole = plainJpeg(large);
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
        const Card lineFeed{CardCharacter('\n'), CardCharacter('R')};
        const Card high{CardCharacter('\x80'), CardCharacter('R')};
        const Card higher{CardCharacter('\x81'), CardCharacter('R')};
        const Card escaping{CardCharacter('/'), CardCharacter('R')};
        for (const Card& card : {lineFeed, high, higher, escaping})
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
