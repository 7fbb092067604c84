#include "card_back.h"

#include "glyphs.h"
#include "palette.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

namespace kov::art {

QImage drawCardBack() {
    // Purple is none of the four card colours, so a back is never taken for a face.
    const QColor field(58, 30, 92);
    const QColor lattice(76, 46, 114);
    const QColor white(255, 255, 255);

    QImage image(backWidth, backHeight, QImage::Format_RGB32);
    image.fill(white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    p.setPen(QPen(QColor(190, 190, 190), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(0.5, 0.5, backWidth - 1, backHeight - 1), 10, 10);

    QPainterPath fieldShape;
    fieldShape.addRoundedRect(QRectF(6, 6, backWidth - 12, backHeight - 12), 7, 7);
    p.save();
    p.setClipPath(fieldShape);
    p.fillRect(fieldShape.boundingRect(), field);
    // A wide diamond lattice: coarse enough to survive scaling and to keep the file small.
    p.setPen(QPen(lattice, 2));
    for (int x = -backHeight; x < backWidth + backHeight; x += 24) {
        p.drawLine(QPointF(x, 0), QPointF(x + backHeight, backHeight));
        p.drawLine(QPointF(x, backHeight), QPointF(x + backHeight, 0));
    }
    p.restore();

    const QRectF plaque(16, backHeight / 2.0 - 26, backWidth - 32, 52);
    p.setPen(QPen(field, 2));
    p.setBrush(white);
    p.drawRoundedRect(plaque, 8, 8);
    paintInked(p, textShape(QStringLiteral("KOV"), plaque.adjusted(9, 8, -9, -16)), field, field,
               0);

    // The four card colours in a strip under the word.
    const double stripWidth = (plaque.width() - 18) / 4;
    for (int i = 0; i < 4; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(cardColour(colourLetters[i]).field);
        p.drawRect(QRectF(plaque.left() + 9 + i * stripWidth, plaque.bottom() - 12, stripWidth, 5));
    }
    p.end();
    return image;
}

} // namespace kov::art
