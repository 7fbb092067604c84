#pragma once

#include "cards/card.h"

#include <QImage>
#include <QSize>

namespace kov {

// Drawn in place of a picture that cannot be shown, at the size it is shown (device pixels) but
// no larger than largestDrawnCard, which the slot scales up as it paints: at a scale factor of
// 30 a card's slot would take 40 MB. At an empty size, nothing is drawn and the image is null.
inline constexpr QSize largestDrawnCard(512, 768);

// A plain face naming the card's colour and value, clearly not one of the supplied pictures.
[[nodiscard]] QImage drawnCardFace(Card card, QSize size);

// A plain card back with "KOV" on it.
[[nodiscard]] QImage drawnCardBack(QSize size);

} // namespace kov
