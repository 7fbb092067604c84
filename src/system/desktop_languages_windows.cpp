#include "system/desktop_languages.h"

#include <QLocale>

namespace kov {

// The display languages the player chose in Windows' settings, in order.
QStringList desktopLanguages() {
    return QLocale::system().uiLanguages();
}

} // namespace kov
