#include "icon_art.h"

#include "palette.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace kov::art {

namespace {

struct Inks {
    QColor back;
    QColor front;
    QColor outline;
    QColor letter;
};

// The letter as three bars. Built from the card's own box rather than a font, so it lands on
// whole pixels at the smallest sizes.
QPainterPath letterK(const QRectF& box, double stroke) {
    QPainterPath k;
    k.addRect(QRectF(box.left(), box.top(), stroke, box.height()));
    const double joinX = box.left() + stroke;
    const double joinY = box.top() + box.height() * 0.55;
    QPainterPath upper;
    upper.moveTo(joinX, joinY);
    upper.lineTo(box.right() - stroke * 1.2, box.top());
    upper.lineTo(box.right(), box.top());
    upper.lineTo(joinX, joinY + stroke * 1.3);
    upper.closeSubpath();
    QPainterPath lower;
    const double legX = box.left() + box.width() * 0.3;
    const double legY = box.top() + box.height() * 0.42;
    lower.moveTo(legX, legY + stroke * 0.2);
    lower.lineTo(legX + stroke * 0.9, legY - stroke * 0.7);
    lower.lineTo(box.right(), box.bottom() - stroke * 0.05);
    lower.lineTo(box.right(), box.bottom());
    lower.lineTo(box.right() - stroke * 1.25, box.bottom());
    lower.closeSubpath();
    return k.united(upper).united(lower).simplified();
}

void paintCard(QPainter& p, const QRectF& card, double angle, const QPointF& pivot,
               const QColor& fill, const QColor& outline, double line, bool whiteRim) {
    p.save();
    p.translate(pivot);
    p.rotate(angle);
    p.translate(-pivot);
    const double radius = card.width() * 0.12;
    p.setPen(line > 0 ? QPen(outline, line, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin)
                      : QPen(Qt::NoPen));
    p.setBrush(whiteRim ? QColor(255, 255, 255) : fill);
    p.drawRoundedRect(card, radius, radius);
    if (whiteRim) {
        const double rim = card.width() * 0.08;
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawRoundedRect(card.adjusted(rim, rim, -rim, -rim), radius * 0.6, radius * 0.6);
    }
    p.restore();
}

// Small sizes are drawn pixel by pixel: upright cards with clipped corners and a K whose
// diagonals step one pixel a row, so nothing is left half-covered and blurred.
void paintPixelCard(QPainter& p, const QRect& card, int line, const QColor& fill,
                    const QColor& outline) {
    p.fillRect(card.adjusted(1, 0, -1, 0), outline);
    p.fillRect(card.adjusted(0, 1, 0, -1), outline);
    p.fillRect(card.adjusted(line, line, -line, -line), fill);
}

void paintPixelK(QPainter& p, const QRect& box, int stroke, const QColor& ink) {
    const int rows = box.height();
    const double middle = (rows - 1) / 2.0;
    // The arms reach the box's right edge at the top and bottom rows.
    const double slope = (box.width() - stroke - stroke / 2.0) / middle;
    p.fillRect(QRect(box.left(), box.top(), stroke, rows), ink);
    for (int r = 0; r < rows; ++r) {
        const int start = stroke / 2 + static_cast<int>(std::lround(std::abs(r - middle) * slope));
        p.fillRect(QRect(box.left() + start, box.top() + r, stroke, 1), ink);
    }
}

void paintSmallIcon(QPainter& p, int size, const Inks& inks) {
    if (size == 16) {
        paintPixelCard(p, QRect(0, 0, 10, 13), 1, inks.back, inks.outline);
        paintPixelCard(p, QRect(5, 3, 11, 13), 1, inks.front, inks.outline);
        paintPixelK(p, QRect(7, 5, 7, 9), 2, inks.letter);
    } else {
        paintPixelCard(p, QRect(0, 0, 20, 26), 2, inks.back, inks.outline);
        paintPixelCard(p, QRect(10, 5, 22, 27), 2, inks.front, inks.outline);
        paintPixelK(p, QRect(14, 9, 14, 18), 4, inks.letter);
    }
}

} // namespace

QImage drawIcon(int size, IconStyle style) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);

    const bool vga = style == IconStyle::Vga16;
    const Inks inks =
        vga ? Inks{QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 0, 0), QColor(255, 255, 255)}
            : Inks{cardColour('R').field, cardColour('B').field, QColor(24, 24, 30),
                   QColor(255, 255, 255)};
    if (size == 16 || size == 32) {
        paintSmallIcon(p, size, inks);
        p.end();
        return image;
    }

    p.setRenderHint(QPainter::Antialiasing, !vga);
    const double s = size;
    const QPointF pivot(s * 0.5, s * 0.97);
    const double line = s / 64.0;
    const QRectF card(s * 0.25, s * 0.13, s * 0.5, s * 0.72);
    paintCard(p, card, -14, pivot, inks.back, inks.outline, line, true);
    paintCard(p, card, 12, pivot, inks.front, inks.outline, line, true);
    p.translate(pivot);
    p.rotate(12);
    p.translate(-pivot);
    p.setPen(Qt::NoPen);
    p.setBrush(inks.letter);
    p.drawPath(letterK(card.adjusted(s * 0.12, s * 0.17, -s * 0.1, -s * 0.17), s * 0.085));
    p.end();
    return image;
}

} // namespace kov::art
