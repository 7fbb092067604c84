#include "pictures/card_pictures.h"

#include "pictures/drawn_cards.h"
#include "pictures/jpeg_picture.h"
#include "system/log.h"
#include "system/paths.h"

#include <QFile>
#include <QtGlobal>

#include <algorithm>

namespace kov {

namespace {

// A card code names a file in the program's folder and nothing else: printable ASCII only (a
// lone byte above 127 is no valid file name character here, and two such codes would map to the
// same name), and no separators.
bool isUsableFileName(const std::string& code) {
    return std::all_of(code.begin(), code.end(), [](char c) {
        return isPrintableAscii(c) && c != '/' && c != '\\' && c != ':';
    });
}

// The code as it can be printed on one line: any other byte as \xNN.
QString printable(const std::string& code) {
    QString text;
    for (char c : code) {
        if (isPrintableAscii(c))
            text += QLatin1Char(c);
        else
            text +=
                QStringLiteral("\\x%1").arg(static_cast<unsigned char>(c), 2, 16, QLatin1Char('0'));
    }
    return text;
}

// One line on standard error (through Qt's message handler, which writes it as it is).
void report(const QString& picture, const QString& problem) {
    qCWarning(programLog, "%s",
              qUtf8Printable(QStringLiteral("cannot show the card picture %1 (%2); drawing the "
                                            "card instead")
                                 .arg(picture, problem)));
}

} // namespace

std::filesystem::path CardPictures::pathOf(Card card) const {
    return folder_ / (card.code() + ".jpg");
}

PictureSource CardPictures::load(Card card) {
    return [this, card](QSize size) {
        return read(card, size);
    };
}

JpegPicture CardPictures::readPicture(Card card, QSize size) {
    if (!isUsableFileName(card.code()))
        return {{}, QStringLiteral("the card code is not a usable file name")};
    PictureFile file = readPictureFile(pathOf(card));
    if (!file.problem.isEmpty())
        return {{}, std::move(file.problem)};
    if (QImage kept = decoded_.find(file.bytes, size); !kept.isNull())
        return {std::move(kept), {}};
    ++decodes_;
    JpegPicture picture = decodeJpeg(
        QByteArray::fromRawData(file.bytes.data(), static_cast<qsizetype>(file.bytes.size())),
        size);
    if (picture.problem.isEmpty())
        decoded_.keep(std::move(file.bytes), picture.image);
    qCDebug(decodesLog, "decoded %s; %zu bytes kept", card.code().c_str(), decoded_.heldBytes());
    return picture;
}

QImage CardPictures::read(Card card, QSize size) {
    const JpegPicture picture = readPicture(card, size);

    // The path as one printable line, which also tells apart codes that no file can be named by.
    const QString shown =
        displayPath(folder_ / "") + printable(card.code()) + QStringLiteral(".jpg");
    if (picture.problem.isEmpty()) {
        reported_.remove(shown);
        return picture.image;
    }
    if (!reported_.contains(shown)) {
        reported_.insert(shown);
        report(shown, picture.problem);
    }
    return drawnCardFace(card, size);
}

PictureSource cardBackPicture(const QString& file) {
    return [file, reported = false](QSize size) mutable {
        QFile back(file);
        JpegPicture picture = back.open(QIODevice::ReadOnly)
                                  ? decodeJpeg(back.read(largestPictureFile), size)
                                  : JpegPicture{{}, back.errorString()};
        if (picture.problem.isEmpty())
            return picture.image;
        if (!reported) {
            reported = true;
            report(file, picture.problem);
        }
        return drawnCardBack(size);
    };
}

} // namespace kov
