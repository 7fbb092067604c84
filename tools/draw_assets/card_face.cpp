#include "card_face.h"

#include "glyphs.h"
#include "palette.h"
#include "patterns.h"

#include <QPainter>
#include <QPainterPath>

#include <stdexcept>
#include <string>

namespace kov::art {

namespace {

constexpr double margin = 11.0;
constexpr double fieldRadius = 16.0;
constexpr QPointF centre(faceWidth / 2.0, faceHeight / 2.0);
constexpr double discRadius = 98.0;
constexpr double discRing = 8.0;
const QColor white(255, 255, 255);
const QColor nearBlack(22, 22, 26);

bool isWild(char value) {
    return value == 'W' || value == 'F';
}

bool isCardValue(char value) {
    return (value >= '0' && value <= '9') || value == 'S' || value == 'V' || value == 'D' ||
           isWild(value);
}

void paintField(QPainter& p, char value, const CardColour& colour) {
    QPainterPath field;
    field.addRoundedRect(QRectF(margin, margin, faceWidth - 2 * margin, faceHeight - 2 * margin),
                         fieldRadius, fieldRadius);
    p.save();
    p.setClipPath(field);
    if (isWild(value))
        p.fillRect(field.boundingRect(), wildField());
    else
        paintPatternedField(p, field.boundingRect(), colour, 24.0);
    p.restore();
}

void paintRing(QPainter& p, double radius) {
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    p.drawEllipse(centre, radius + discRing, radius + discRing);
}

void paintCentre(QPainter& p, char value, const CardColour& colour) {
    paintRing(p, discRadius);
    if (isWild(value)) {
        paintFourColourDisc(p, centre, discRadius, 22.0);
        if (value == 'W') {
            // The word rides on a dark band so it stays legible across all four quarters.
            const QRectF band(centre.x() - 112, centre.y() - 30, 224, 60);
            p.setPen(QPen(white, 4));
            p.setBrush(nearBlack);
            p.drawRoundedRect(band, 12, 12);
            paintInked(p, textShape(QStringLiteral("WILD"), band.adjusted(16, 12, -16, -12)), white,
                       nearBlack, 0);
        } else {
            const QPainterPath plus =
                valueShape('F', QRectF(centre.x() - 76, centre.y() - 52, 152, 104));
            paintInked(p, plus.translated(5, 5), QColor(0, 0, 0, 110), nearBlack, 0);
            paintInked(p, plus, white, nearBlack, 5);
        }
        return;
    }
    p.setBrush(colour.plate);
    p.drawEllipse(centre, discRadius, discRadius);
    const QRectF box(centre.x() - 72, centre.y() - 78, 144, 156);
    const QPainterPath shape = valueShape(value, box);
    QColor shadow = colour.edge;
    shadow.setAlpha(120);
    paintInked(p, shape.translated(4, 4), shadow, shadow, 0);
    paintInked(p, shape, colour.ink, colour.edge, 3.5);
}

void paintColourBadge(QPainter& p, const QPointF& at, const CardColour& colour) {
    constexpr double radius = 25.0;
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    p.drawEllipse(at, radius + 3.5, radius + 3.5);
    p.setBrush(colour.field);
    p.drawEllipse(at, radius, radius);
    const QRectF letterBox(at.x() - radius * 0.6, at.y() - radius * 0.6, radius * 1.2,
                           radius * 1.2);
    paintInked(p, textShape(QString(QChar(colour.letter)), letterBox), colour.ink, colour.edge, 0);
}

// One corner's index: the value top left and the colour's badge top right. The painter is
// turned half round to draw the other pair.
void paintCorners(QPainter& p, char value, const CardColour& colour) {
    const QRectF valueBox(margin + 7, margin + 9, 50, 62);
    if (value == 'W') {
        const QPointF at = valueBox.center();
        p.setPen(Qt::NoPen);
        p.setBrush(white);
        p.drawEllipse(at, 24.0, 24.0);
        paintFourColourDisc(p, at, 21.0, 0);
    } else {
        // "+2" and "+4" are wider than a digit, so they may run further right.
        const bool wide = value == 'D' || value == 'F';
        const QPainterPath shape =
            valueShape(value, wide ? valueBox.adjusted(0, 9, 20, -9) : valueBox);
        if (isWild(value))
            paintInked(p, shape, white, nearBlack, 2.5);
        else
            paintInked(p, shape, colour.ink, colour.edge, 2.5);
    }
    paintColourBadge(p, QPointF(faceWidth - margin - 37, margin + 37), colour);
}

} // namespace

QImage drawCardFace(char value, char colour) {
    if (!isCardValue(value))
        throw std::invalid_argument("not a card value: " + std::string(1, value));
    const CardColour& cc = cardColour(colour);

    QImage image(faceWidth, faceHeight, QImage::Format_RGB32);
    image.fill(white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // A faint edge keeps the card apart from a light table.
    p.setPen(QPen(QColor(190, 190, 190), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1, 1, faceWidth - 2, faceHeight - 2), fieldRadius + 6,
                      fieldRadius + 6);

    paintField(p, value, cc);
    paintCentre(p, value, cc);
    for (int half = 0; half < 2; ++half) {
        p.save();
        if (half == 1) {
            p.translate(faceWidth, faceHeight);
            p.rotate(180);
        }
        paintCorners(p, value, cc);
        p.restore();
    }
    p.end();
    return image;
}

} // namespace kov::art
