#pragma once

class QWidget;

namespace kov {

// Whether a modal window is open that keeps the mouse and the keys from the widget's window.
// Screen readers' press actions are not kept away by Qt, so they ask this first.
[[nodiscard]] bool blockedByModalWindow(const QWidget& widget);

} // namespace kov
