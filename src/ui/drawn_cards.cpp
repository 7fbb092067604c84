#include "ui/drawn_cards.h"

#include "cards/card_names.h"

#include <QColor>
#include <QPainter>
#include <QPen>

namespace kov {

namespace {

// Both are laid out on a card of this size and scaled to the size asked for.
constexpr QSize layoutSize(256, 384);

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
    QImage face(size, QImage::Format_RGB32);
    face.fill(Qt::white);
    QPainter painter;
    beginCard(painter, face);
    const QRectF whole{QPointF(), QSizeF(layoutSize)};

    painter.setPen(QPen(QColor(90, 90, 90), 6, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(whole.adjusted(6, 6, -6, -6), 18, 18);

    const QColor colour = colourOf(card.colour);
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
    painter.drawText(QRectF(20, 270, whole.width() - 40, 90), Qt::AlignCenter | Qt::TextWordWrap,
                     QStringLiteral("picture missing"));
    painter.end();
    return face;
}

QImage drawnCardBack(QSize size) {
    if (size.isEmpty())
        return {};
    QImage back(size, QImage::Format_RGB32);
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
