#pragma once

#include <QScreen>
#include <QWidget>

namespace kov {

// Puts a top-level window, frame included, in the middle of its screen's work area.
inline void centreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) {
        return;
    }
    QSize outer = window.frameGeometry().size();
    // Until the window manager has framed a new window its frame is unknown; the owner's
    // frame is the best guess, else the box sits half a title bar too low.
    if (outer == window.size() && window.parentWidget() != nullptr) {
        const QWidget* owner = window.parentWidget()->window();
        outer += owner->frameGeometry().size() - owner->size();
    }
    const QRect work = screen->availableGeometry();
    window.move(work.left() + (work.width() - outer.width()) / 2,
                work.top() + (work.height() - outer.height()) / 2);
}

} // namespace kov
