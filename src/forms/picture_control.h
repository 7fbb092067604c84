#pragma once

#include "pictures/picture_source.h"

#include <QImage>
#include <QSize>
#include <QWidget>

namespace kov {

// A picture that fills its fixed rectangle and reports a click. The picture is asked for at the
// control's size in device pixels, so that painting is a plain copy and stays sharp on
// high-density screens; it is asked for again when that size changes (the window moved to a
// screen of another pixel density, or the scale changed). A picture smaller than that, as a
// small picture file gives at a large scale, is scaled up as it is painted, so that it costs no
// more memory than the picture itself. The control never changes the image it is given, so one
// image can be shown by many controls and kept by its source without a copy.
class PictureControl : public QWidget {
    Q_OBJECT

public:
    explicit PictureControl(QWidget* parent = nullptr);

    // Shows the picture source gives, asking for it at once.
    void setPicture(PictureSource source);
    // Back to the empty picture: the control shows nothing.
    void clearPicture();
    [[nodiscard]] bool showsPicture() const { return !picture_.isNull(); }
    // The picture shown, marked with the control's device pixel ratio: at the control's size in
    // device pixels, or smaller when the source gave a smaller one.
    [[nodiscard]] QImage picture() const;
    // The same as a click with the mouse, for the keyboard and screen readers.
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    [[nodiscard]] QSize deviceSize() const;
    void askForPicture();

    PictureSource source_;
    QImage picture_;
    QSize askedFor_; // the device size picture_ was asked for
    bool pressed_ = false;
};

} // namespace kov
