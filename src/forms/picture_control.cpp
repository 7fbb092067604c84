#include "forms/picture_control.h"

#include <QMouseEvent>
#include <QPainter>

namespace kov {

PictureControl::PictureControl(QWidget* parent) : QWidget(parent) {
    // Clicking a card must not take the focus away from the buttons.
    setFocusPolicy(Qt::NoFocus);
}

void PictureControl::setPicture(PictureSource source) {
    source_ = std::move(source);
    askForPicture();
    update();
}

void PictureControl::clearPicture() {
    source_ = nullptr;
    picture_ = QImage();
    askedFor_ = QSize();
    update();
}

QSize PictureControl::deviceSize() const {
    return (QSizeF(size()) * devicePixelRatioF()).toSize();
}

QImage PictureControl::picture() const {
    QImage shown = picture_;
    shown.setDevicePixelRatio(devicePixelRatioF());
    return shown;
}

void PictureControl::askForPicture() {
    // At a scale of zero there is nothing to show, and nothing to read or report.
    askedFor_ = deviceSize();
    picture_ = askedFor_.isEmpty() ? QImage() : source_(askedFor_);
}

void PictureControl::paintEvent(QPaintEvent*) {
    if (!source_)
        return;
    // Every change of pixel density repaints the window, and is seen here.
    if (askedFor_ != deviceSize())
        askForPicture();
    if (picture_.isNull())
        return;
    // The picture is in device pixels: copied one to one, whatever the ratio, or scaled up.
    QPainter painter(this);
    painter.scale(1 / devicePixelRatioF(), 1 / devicePixelRatioF());
    if (picture_.size() == askedFor_) {
        painter.drawImage(QPointF(0, 0), picture_);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(QPointF(0, 0), askedFor_), picture_);
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
