#pragma once

#include <QStringList>

namespace kov {

// The languages the player asked the desktop for, in the player's own order: locale names
// ("de_DE", "fr", "C"), without the encoding. On Linux from LANGUAGE, then the first of LC_ALL,
// LC_MESSAGES and LANG, read here rather than from Qt, which puts "C" after a name it does not
// know and so hides the languages that follow it.
[[nodiscard]] QStringList desktopLanguages();

} // namespace kov
