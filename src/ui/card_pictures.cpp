#include "ui/card_pictures.h"

#include "cards/card_names.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cstdio>

namespace kov {

namespace {

constexpr QSize drawnFaceSize(256, 384);

bool isPrintableAscii(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x20 && byte < 0x7F;
}

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

// A whole JPEG file: it starts with the start-of-image marker and ends with end-of-image. A
// truncated file would otherwise decode to a half-grey picture without complaint.
bool looksLikeWholeJpeg(const QByteArray& bytes) {
    if (bytes.size() < 4 || !bytes.startsWith("\xFF\xD8\xFF"))
        return false;
    qsizetype end = bytes.size();
    while (end > 2 && (bytes[end - 1] == '\0' || bytes[end - 1] == '\n' || bytes[end - 1] == '\r'))
        --end;
    return static_cast<unsigned char>(bytes[end - 2]) == 0xFF &&
           static_cast<unsigned char>(bytes[end - 1]) == 0xD9;
}

QColor colourOf(CardCharacter colour) {
    if (colour.is('R'))
        return QColor(200, 40, 40);
    if (colour.is('G'))
        return QColor(30, 140, 60);
    if (colour.is('B'))
        return QColor(30, 90, 200);
    if (colour.is('Y'))
        return QColor(220, 180, 0);
    return QColor(110, 110, 110);
}

} // namespace

QString CardPictures::pathOf(Card card) const {
    return folder_ + QDir::separator() + QFile::decodeName(QByteArray::fromStdString(card.code())) +
           QStringLiteral(".jpg");
}

QImage CardPictures::load(Card card) {
    const QString path = pathOf(card);
    QString problem;
    QImage picture;
    if (!isUsableFileName(card.code())) {
        problem = QStringLiteral("the card code is not a usable file name");
    } else if (QFileInfo info(path); !info.exists()) {
        problem = QStringLiteral("no such file");
    } else if (!info.isFile()) {
        problem = QStringLiteral("not a file");
    } else if (QFile file(path); !file.open(QIODevice::ReadOnly)) {
        problem = file.errorString();
    } else if (QByteArray bytes = file.readAll(); !looksLikeWholeJpeg(bytes)) {
        problem = QStringLiteral("not a complete JPEG picture");
    } else if (picture = QImage::fromData(bytes, "JPG"); picture.isNull()) {
        problem = QStringLiteral("the picture cannot be decoded");
    }

    // The path as one printable line, which also tells apart codes that no file can be named by.
    const QString shown = QDir::toNativeSeparators(folder_ + QDir::separator()) +
                          printable(card.code()) + QStringLiteral(".jpg");
    if (problem.isEmpty()) {
        reported_.remove(shown);
        return picture;
    }
    if (!reported_.contains(shown)) {
        reported_.insert(shown);
        std::fprintf(stderr,
                     "kov: cannot show the card picture %s (%s); drawing the card instead\n",
                     qPrintable(shown), qPrintable(problem));
    }
    return drawnCardFace(card);
}

QImage drawnCardFace(Card card) {
    QImage face(drawnFaceSize, QImage::Format_RGB32);
    face.fill(Qt::white);
    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const QRectF outline = QRectF(face.rect()).adjusted(6, 6, -6, -6);
    painter.setPen(QPen(QColor(90, 90, 90), 6, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(outline, 18, 18);

    const QColor colour = colourOf(card.colour);
    const QRectF band(24, 150, face.width() - 48, 90);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRect(band);

    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(34);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(20, 40, face.width() - 40, 100), Qt::AlignCenter | Qt::TextWordWrap,
                     QString::fromStdString(colourName(card.colour)));
    painter.setPen(colour.lightness() > 140 ? Qt::black : Qt::white);
    font.setPixelSize(valueName(card.value).size() > 2 ? 30 : 64);
    painter.setFont(font);
    painter.drawText(band, Qt::AlignCenter | Qt::TextWordWrap,
                     QString::fromStdString(valueName(card.value)));

    font.setBold(false);
    font.setPixelSize(22);
    painter.setFont(font);
    painter.setPen(QColor(90, 90, 90));
    painter.drawText(QRectF(20, 270, face.width() - 40, 90), Qt::AlignCenter | Qt::TextWordWrap,
                     QStringLiteral("picture missing"));
    return face;
}

} // namespace kov
