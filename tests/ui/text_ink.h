#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

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
