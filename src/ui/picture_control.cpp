#include "ui/picture_control.h"

#include <QMouseEvent>
#include <QPainter>

namespace kov {

PictureControl::PictureControl(QWidget* parent) : QWidget(parent) {
    // Clicking a card must not take the focus away from the buttons.
    setFocusPolicy(Qt::NoFocus);
}

void PictureControl::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void PictureControl::clearPicture() {
    picture_ = QImage();
    update();
}

void PictureControl::paintEvent(QPaintEvent*) {
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), picture_);
}

void PictureControl::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

// A click is a left press and release on the control, as with a button.
void PictureControl::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}

// The second press of a double-click is no new click: the first one has already acted.
void PictureControl::mouseDoubleClickEvent(QMouseEvent*) {
    pressed_ = false;
}

} // namespace kov
