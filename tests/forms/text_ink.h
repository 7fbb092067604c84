#pragma once

#include "forms/fitted_text.h"
#include "support/strongest_ink.h"
#include "texts/text_contrast.h"

#include <QImage>
#include <QLabel>
#include <QRect>
#include <QWidget>

#include <algorithm>

// Where a widget's text lands when it is drawn with room to spare: the bounding box of its dark
// pixels. Giving the probe more room than the real widget has shows what the real one would cut
// off. The texts are black on a light face, so "dark" is enough to tell text from background.
inline QRect inkWhenGiven(QWidget& probe, QSize room) {
    probe.resize(room);
    const QImage picture = probe.grab().toImage();
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
            strongest = std::max(
                strongest, kov::test::strongestInk(with, {x, y, 1, 1}, without.pixelColor(x, y)));
    }
    return strongest;
}

using kov::textOverflow;
