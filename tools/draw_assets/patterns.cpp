#include "patterns.h"

#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include <cmath>
#include <numbers>

namespace kov::art {

namespace {

void stripes(QPainter& p, const QRectF& a, double step) {
    // Lines rising to the right, wide enough to stay visible when the card is shown small.
    p.setPen(QPen(p.brush().color(), step * 0.38, Qt::SolidLine, Qt::FlatCap));
    const double span = a.width() + a.height();
    for (double x = a.left() - a.height(); x < a.left() + span; x += step)
        p.drawLine(QPointF(x, a.bottom()), QPointF(x + a.height(), a.top()));
}

void dots(QPainter& p, const QRectF& a, double step) {
    // A square grid at a shorter period than the stripes, so that blurred small the dots do
    // not merge into diagonal lines like the stripes.
    p.setPen(Qt::NoPen);
    const double period = step * 0.8;
    const double r = period * 0.3;
    for (double y = a.top() + period / 2; y < a.bottom() + period; y += period) {
        for (double x = a.left() + period / 2; x < a.right() + period; x += period)
            p.drawEllipse(QPointF(x, y), r, r);
    }
}

void waves(QPainter& p, const QRectF& a, double step) {
    p.setPen(QPen(p.brush().color(), step * 0.22, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const double wavelength = step * 1.6;
    const double amplitude = step * 0.18;
    for (double y = a.top(); y < a.bottom() + step; y += step * 0.6) {
        QPainterPath wave;
        wave.moveTo(a.left() - wavelength, y);
        for (double x = a.left() - wavelength; x < a.right() + wavelength; x += 2.0)
            wave.lineTo(x, y + amplitude * std::sin(2.0 * std::numbers::pi * x / wavelength));
        p.drawPath(wave);
    }
}

void checks(QPainter& p, const QRectF& a, double step) {
    p.setPen(Qt::NoPen);
    const double side = step * 0.6;
    int row = 0;
    for (double y = a.top(); y < a.bottom(); y += side, ++row) {
        for (double x = a.left() + (row % 2) * side; x < a.right(); x += 2 * side)
            p.drawRect(QRectF(x, y, side, side));
    }
}

} // namespace

void paintPatternedField(QPainter& painter, const QRectF& area, const CardColour& colour,
                         double step) {
    painter.save();
    painter.fillRect(area, colour.field);
    painter.setBrush(colour.shade);
    switch (colour.pattern) {
    case Pattern::DiagonalStripes:
        stripes(painter, area, step);
        break;
    case Pattern::Dots:
        dots(painter, area, step);
        break;
    case Pattern::Waves:
        waves(painter, area, step);
        break;
    case Pattern::Checks:
        checks(painter, area, step);
        break;
    }
    painter.restore();
}

} // namespace kov::art
