#pragma once

#include <QColor>

#include <initializer_list>

namespace kov {

// The least contrast at which a text can be read: WCAG 2's level AA for ordinary text.
inline constexpr double readableContrast = 4.5;

// How far apart two colours are for the eye, as WCAG 2 measures it: from 1 (the same
// brightness) to 21 (black and white).
[[nodiscard]] double contrastRatio(const QColor& one, const QColor& other);

// The first wanted colour that reads on background; when none does, black or white, whichever
// reads better.
[[nodiscard]] QColor readableText(const QColor& background,
                                  std::initializer_list<QColor> wanted = {});

} // namespace kov
