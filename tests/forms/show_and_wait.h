#pragma once

#include <QTest>
#include <QWidget>

// Shows a window and waits until it is on the screen; false when it never gets there.
[[nodiscard]] inline bool showExposed(QWidget& window) {
    window.show();
    return QTest::qWaitForWindowExposed(&window);
}

// Shows a window and waits until it has the keyboard; false when it never gets it.
[[nodiscard]] inline bool showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}
