#pragma once

#include <QColor>
#include <QPainterPath>
#include <QString>

class QPainter;
class QRectF;
class QPointF;

namespace kov::art {

// Bold text as a shape, scaled to fill box (keeping its proportions) and centred in it.
// Returns an empty path when no font can draw the text.
[[nodiscard]] QPainterPath textShape(const QString& text, const QRectF& box);

// The shape that shows a card's value character: a digit (6 and 9 underlined so they survive
// being turned upside down), a crossed circle for skip, two chasing arrows for reverse, "+2"
// for draw two and "+4" for wild draw four. Wild ('W') has no shape of its own.
[[nodiscard]] QPainterPath valueShape(char value, const QRectF& box);

// Paints a shape the way all card marks are painted: an outline of the given width in edge,
// then the body in ink.
void paintInked(QPainter& painter, const QPainterPath& shape, const QColor& ink, const QColor& edge,
                double outline);

// A disc split into the four card colours, the wild cards' emblem. patternStep 0 leaves the
// quarters plain, for sizes where a pattern would only be noise.
void paintFourColourDisc(QPainter& painter, const QPointF& centre, double radius,
                         double patternStep);

} // namespace kov::art
