#pragma once

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
