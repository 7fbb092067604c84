#pragma once

#include <QImage>
#include <QWidget>

namespace kov {

// A picture that fills its fixed rectangle and reports a click. The picture is kept at its full
// resolution and scaled only when painted, so it stays sharp on high-density screens.
class PictureControl : public QWidget {
    Q_OBJECT

public:
    explicit PictureControl(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    // Back to the empty picture: the control shows nothing.
    void clearPicture();
    [[nodiscard]] bool showsPicture() const { return !picture_.isNull(); }
    [[nodiscard]] const QImage& picture() const { return picture_; }
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
    QImage picture_;
    bool pressed_ = false;
};

} // namespace kov
