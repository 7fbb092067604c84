#pragma once

#include "forms/fitted_text.h"
#include "texts/text_contrast.h"

#include <QImage>
#include <QLabel>
#include <QRect>
#include <QWidget>

#include <algorithm>

// The bounding box of a picture's dark pixels: the texts are black on a light face, so "dark" is
// enough to tell text from background.
inline QRect darkPixels(const QImage& picture) {
    QRect ink;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (qGray(picture.pixel(x, y)) < 96) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

// Where a widget's text lands when it is drawn with room to spare. Giving the probe more room
// than the real widget has shows what the real one would cut off.
inline QRect inkWhenGiven(QWidget& probe, QSize room) {
    probe.resize(room);
    return darkPixels(probe.grab().toImage());
}

// Whether a one-line label cuts off part of its text's ink: what it draws inside its frame
// against what the same text draws with room to spare.
inline bool cutsItsInk(QLabel& label) {
    QLabel probe(label.text());
    probe.setFont(label.font());
    probe.setAlignment(Qt::AlignCenter);
    const QRect whole = inkWhenGiven(probe, label.size() * 3);
    const QRect drawn = darkPixels(label.grab(label.contentsRect()).toImage());
    return drawn.height() < whole.height() || drawn.width() < whole.width() - 1;
}

// The share of a picture's pixels that are of one colour.
inline double share(const QImage& picture, const QColor& colour) {
    int same = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            same += picture.pixelColor(x, y) == colour ? 1 : 0;
    }
    return same / std::max(1.0, double(picture.width()) * picture.height());
}

// The strongest contrast between a picture's pixels in region and the colour under them.
inline double strongestInk(const QImage& picture, QRect region, const QColor& under) {
    double strongest = 1;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x)
            strongest = std::max(strongest, kov::contrastRatio(picture.pixelColor(x, y), under));
    }
    return strongest;
}

// The strongest contrast between a control's text and what lies under it: the control drawn with
// its text, and again without.
inline double textContrast(QWidget& control) {
    const QImage with = control.grab().toImage();
    const QVariant text = control.property("text");
    control.setProperty("text", QString());
    const QImage without = control.grab().toImage();
    control.setProperty("text", text);
    double strongest = 1;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x)
            strongest =
                std::max(strongest, strongestInk(with, {x, y, 1, 1}, without.pixelColor(x, y)));
    }
    return strongest;
}

using kov::fitTexts;
using kov::textOverflow;
