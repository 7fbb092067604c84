#include "forms/modal_windows.h"

#include <QApplication>
#include <QWidget>

namespace kov {

bool blockedByModalWindow(const QWidget& widget) {
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr)
        return false;
    // A window the modal one owns, or the modal window itself, still takes input.
    for (const QWidget* owner = &widget; owner != nullptr; owner = owner->parentWidget()) {
        if (owner == modal)
            return false;
    }
    return true;
}

} // namespace kov
