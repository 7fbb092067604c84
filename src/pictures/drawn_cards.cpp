#include "pictures/drawn_cards.h"

#include "texts/card_colours.h"
#include "texts/table_texts.h"
#include "texts/text_contrast.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

namespace kov {

namespace {

// Both are laid out on a card of this size and scaled to the size asked for.
constexpr QSize layoutSize(256, 384);

// Starts painting on card in the layout's coordinates.
void beginCard(QPainter& painter, QImage& card) {
    painter.begin(&card);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(static_cast<qreal>(card.width()) / layoutSize.width(),
                  static_cast<qreal>(card.height()) / layoutSize.height());
}

} // namespace

QImage drawnCardFace(Card card, QSize size) {
    if (size.isEmpty())
        return {};
    QImage face(size.boundedTo(largestDrawnCard), QImage::Format_RGB32);
    face.fill(Qt::white);
    QPainter painter;
    beginCard(painter, face);
    const QRectF whole{QPointF(), QSizeF(layoutSize)};

    painter.setPen(QPen(QColor(90, 90, 90), 6, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(whole.adjusted(6, 6, -6, -6), 18, 18);

    const QColor colour = faceColour(card.colour);
    const QRectF band(24, 150, whole.width() - 48, 90);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRect(band);

    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(34);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(20, 40, whole.width() - 40, 100), Qt::AlignCenter | Qt::TextWordWrap,
                     colourName(card.colour));
    painter.setPen(readableText(colour));
    const QString value = valueName(card.value);
    font.setPixelSize(value.size() > 2 ? 30 : 64);
    // A long word (some languages have them) is made smaller until it fits the band.
    while (font.pixelSize() > 12 && !band.contains(QFontMetricsF(font).boundingRect(
                                        band, Qt::AlignCenter | Qt::TextWordWrap, value)))
        font.setPixelSize(font.pixelSize() - 2);
    painter.setFont(font);
    painter.drawText(band, Qt::AlignCenter | Qt::TextWordWrap, value);

    font.setBold(false);
    font.setPixelSize(22);
    painter.setFont(font);
    painter.setPen(QColor(90, 90, 90));
    painter.drawText(QRectF(20, 270, whole.width() - 40, 90), Qt::AlignCenter | Qt::TextWordWrap,
                     missingPictureNote());
    painter.end();
    return face;
}

QImage drawnCardBack(QSize size) {
    if (size.isEmpty())
        return {};
    QImage back(size.boundedTo(largestDrawnCard), QImage::Format_RGB32);
    back.fill(QColor(40, 60, 120));
    QPainter painter;
    beginCard(painter, back);
    const QRectF whole{QPointF(), QSizeF(layoutSize)};
    painter.setPen(QPen(Qt::white, 8));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(whole.adjusted(14, 14, -14, -14), 18, 18);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(72);
    painter.setFont(font);
    painter.drawText(whole, Qt::AlignCenter, QStringLiteral("KOV"));
    painter.end();
    return back;
}

} // namespace kov
