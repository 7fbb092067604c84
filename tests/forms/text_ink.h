#pragma once

#include "support/strongest_ink.h"
#include "texts/text_contrast.h"

#include <QImage>
#include <QLabel>
#include <QRect>
#include <QWidget>

#include <algorithm>

// The bounding box of a picture's pixels whose colour passes isInk.
template <typename Test> QRect inkOf(const QImage& picture, Test isInk) {
    QRect ink;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (isInk(picture.pixelColor(x, y)))
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

// Where a probe's text lands given room to spare, which shows what the real widget would cut off:
// its dark pixels, as the texts are black on a light face.
inline QRect inkWhenGiven(QWidget& probe, QSize room) {
    probe.resize(room);
    return inkOf(probe.grab().toImage(),
                 [](const QColor& colour) { return qGray(colour.rgb()) < 96; });
}

// The strongest contrast of a control's text against what lies under it (drawn without the text).
inline double textContrast(QWidget& control) {
    const QImage with = control.grab().toImage();
    const QVariant text = control.property("text");
    control.setProperty("text", QString());
    const QImage without = control.grab().toImage();
    control.setProperty("text", text);
    double strongest = 1;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x)
            strongest = std::max(
                strongest, kov::test::strongestInk(with, {x, y, 1, 1}, without.pixelColor(x, y)));
    }
    return strongest;
}

// Whether a one-line label cuts off part of its text: the ink it draws inside its frame against
// the ink of the same text given room to spare, both told from the label's own background.
inline bool cutsItsInk(QLabel& label) {
    const QColor under = label.palette().color(QPalette::Window);
    const auto isInk = [&under](const QColor& colour) {
        return kov::contrastRatio(colour, under) > 3;
    };
    QLabel probe(label.text());
    probe.setFont(label.font());
    probe.setPalette(label.palette());
    probe.setAutoFillBackground(true);
    probe.resize(label.size() * 3);
    const QRect whole = inkOf(probe.grab().toImage(), isInk);
    const QRect drawn = inkOf(label.grab(label.contentsRect()).toImage(), isInk);
    return drawn.height() < whole.height() || drawn.width() < whole.width() - 1;
}
