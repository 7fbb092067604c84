#include "glyphs.h"

#include "palette.h"
#include "patterns.h"

#include <QFont>
#include <QPainter>
#include <QPainterPathStroker>
#include <QRectF>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace kov::art {

namespace {

QFont markFont() {
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial")});
    font.setPixelSize(200);
    font.setWeight(QFont::Bold);
    return font;
}

QPainterPath fitted(const QPainterPath& shape, const QRectF& box) {
    const QRectF bounds = shape.boundingRect();
    if (bounds.isEmpty())
        return {};
    const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(scale, scale);
    t.translate(-bounds.center().x(), -bounds.center().y());
    return t.map(shape);
}

QPainterPath digitShape(char digit, const QRectF& box) {
    // Every digit gets the same height so a row of values looks even; the spare tenth above
    // and below leaves room for the underline that 6 and 9 carry.
    const QRectF body(box.left(), box.top() + box.height() * 0.1, box.width(), box.height() * 0.8);
    QPainterPath shape = textShape(QString(QChar(digit)), body);
    if (digit == '6' || digit == '9') {
        const QRectF glyph = shape.boundingRect();
        const double barHeight = box.height() * 0.065;
        const double barWidth = glyph.width() * 0.85;
        QPainterPath bar;
        bar.addRoundedRect(QRectF(glyph.center().x() - barWidth / 2,
                                  glyph.bottom() + box.height() * 0.03, barWidth, barHeight),
                           barHeight / 2, barHeight / 2);
        shape = shape.united(bar);
    }
    return shape;
}

QPainterPath skipShape(const QRectF& box) {
    const double radius = std::min(box.width(), box.height()) / 2;
    const double thickness = radius * 0.26;
    const QPointF c = box.center();
    QPainterPath outer;
    outer.addEllipse(c, radius, radius);
    QPainterPath inner;
    inner.addEllipse(c, radius - thickness, radius - thickness);
    QPainterPath bar;
    bar.addRect(QRectF(-radius, -thickness / 2, 2 * radius, thickness));
    QTransform t;
    t.translate(c.x(), c.y());
    t.rotate(45);
    return outer.subtracted(inner).united(t.map(bar).intersected(outer));
}

QPainterPath reverseShape(const QRectF& box) {
    const double size = std::min(box.width(), box.height());
    const double thickness = size * 0.14;
    const double radius = size / 2 - thickness * 1.1;
    const QPointF c = box.center();
    const QRectF circle(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius);

    QPainterPathStroker stroker;
    stroker.setWidth(thickness);
    stroker.setCapStyle(Qt::FlatCap);

    QPainterPath shape;
    for (const double start : {150.0, 330.0}) {
        // Each arrow runs clockwise along a third of the circle and ends in a head.
        constexpr double sweep = -110.0;
        QPainterPath arc;
        arc.arcMoveTo(circle, start);
        arc.arcTo(circle, start, sweep);
        shape = shape.united(stroker.createStroke(arc));

        const double end = (start + sweep) * std::numbers::pi / 180.0;
        const QPointF tip(c.x() + radius * std::cos(end), c.y() - radius * std::sin(end));
        const QPointF along(std::sin(end), std::cos(end));
        const QPointF across(-along.y(), along.x());
        const double head = thickness * 1.25;
        QPainterPath arrow;
        arrow.moveTo(tip + along * head * 1.4);
        arrow.lineTo(tip - along * head * 0.2 + across * head);
        arrow.lineTo(tip - along * head * 0.2 - across * head);
        arrow.closeSubpath();
        shape = shape.united(arrow);
    }
    return shape;
}

} // namespace

QPainterPath textShape(const QString& text, const QRectF& box) {
    QPainterPath path;
    path.addText(0, 0, markFont(), text);
    return fitted(path, box);
}

QPainterPath valueShape(char value, const QRectF& box) {
    if (value >= '0' && value <= '9')
        return digitShape(value, box);
    switch (value) {
    case 'S':
        return skipShape(box);
    case 'V':
        return reverseShape(box);
    case 'D':
        return textShape(QStringLiteral("+2"), box);
    case 'F':
        return textShape(QStringLiteral("+4"), box);
    default:
        return {};
    }
}

void paintInked(QPainter& painter, const QPainterPath& shape, const QColor& ink, const QColor& edge,
                double outline) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (outline > 0) {
        painter.setPen(QPen(edge, outline * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(edge);
        painter.drawPath(shape);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPath(shape);
    painter.restore();
}

void paintFourColourDisc(QPainter& painter, const QPointF& centre, double radius,
                         double patternStep) {
    // Red and green sit on opposite corners so the two hues most often confused never touch.
    struct Quarter {
        char colour;
        double startAngle;
    };
    constexpr std::array<Quarter, 4> quarters{
        {{'B', 0.0}, {'R', 90.0}, {'Y', 180.0}, {'G', 270.0}}};
    const QRectF square(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Quarter& q : quarters) {
        QPainterPath slice;
        slice.moveTo(centre);
        slice.arcTo(square, q.startAngle, 90.0);
        slice.closeSubpath();
        const CardColour& colour = cardColour(q.colour);
        painter.save();
        painter.setClipPath(slice);
        if (patternStep > 0)
            paintPatternedField(painter, square, colour, patternStep);
        else
            painter.fillRect(square, colour.field);
        painter.restore();
    }
    painter.restore();
}

} // namespace kov::art
