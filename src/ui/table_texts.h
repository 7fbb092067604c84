#pragma once

#include "cards/card.h"
#include "cards/card_file_problem.h"
#include "cards/player.h"

#include <QString>

class QKeySequence;

namespace kov {

// Every sentence the table shows the players, in one place.

[[nodiscard]] QString playerName(Player player);
[[nodiscard]] QString totalCaption(Player player);

// What a screen reader says of the board's controls.
[[nodiscard]] QString slotName(Player player, int slot, const Card* card);
[[nodiscard]] QString discardName(Card discard, CardCharacter colourInForce);
[[nodiscard]] QString colourInForceName(CardCharacter colour);
[[nodiscard]] QString turnName(Player player);
[[nodiscard]] QString totalName(Player player, int total);

// The tooltips that name the keys playing a player's slot and the draw pile.
[[nodiscard]] QString slotKeyTip(Player player, const QKeySequence& key);
[[nodiscard]] QString drawPileKeyTip(const QKeySequence& key);

// The title of every box that is about the program as a whole rather than a hand.
[[nodiscard]] QString programTitle();

[[nodiscard]] QString handWonTitle();
[[nodiscard]] QString handWonText(Player winner);
[[nodiscard]] QString matchWonTitle();
[[nodiscard]] QString matchWonText(Player winner, int total);

// Why the cards cannot be dealt, naming the file and what the player can do.
[[nodiscard]] QString problemText(const CardFileProblem& problem);

} // namespace kov
