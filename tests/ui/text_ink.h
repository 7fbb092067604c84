#pragma once

#include "ui/text_contrast.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QRect>
#include <QStyle>
#include <QStyleOptionButton>
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

// How many pixels the one-line text of a label, button or option button needs beyond the room
// its control gives it, in the control's font; 0 or less when it fits.
inline int textOverflow(const QWidget& control) {
    const QFontMetrics metrics = control.fontMetrics();
    QString text;
    QRect room;
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        text = label->text();
        room = label->contentsRect();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        text = button->text().remove(QLatin1Char('&')); // the access key's mark takes no room
        QStyleOptionButton option;
        option.initFrom(button);
        room = button->style()->subElementRect(qobject_cast<const QRadioButton*>(button)
                                                   ? QStyle::SE_RadioButtonContents
                                                   : QStyle::SE_PushButtonContents,
                                               &option, button);
    }
    return std::max(metrics.horizontalAdvance(text) - room.width(),
                    metrics.height() - room.height());
}
