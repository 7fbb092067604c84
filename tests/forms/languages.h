#pragma once

#include <array>

// A desktop language for each language KOV speaks, English first.
inline constexpr std::array<const char*, 4> desktopLanguages{"en-US", "de-DE", "fr-FR", "es-ES"};
