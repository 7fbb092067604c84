#pragma once

#include "cards/card.h"
#include "cards/card_file_problem.h"
#include "cards/player.h"

#include <QString>

class QKeySequence;

namespace kov {

// Every text the players read or a screen reader speaks, in one place, in the player's language
// (see Translation). The names "KOV" and "Vantrel" are never translated.

[[nodiscard]] QString playerName(Player player);
[[nodiscard]] QString totalCaption(Player player);

// Names of cards as a person would say them ("Red 7", "Blue Skip", "Wild Draw Four"), for
// screen readers and for the face drawn when a card's picture is missing. Characters outside
// the card alphabet are named as they are, or by their byte value when they cannot be printed.
[[nodiscard]] QString valueName(CardCharacter value);
// A colour on its own, as the colour chooser offers it and a drawn face names it.
[[nodiscard]] QString colourName(CardCharacter colour);
[[nodiscard]] QString cardName(Card card);
// The note on a face drawn for a card whose picture cannot be shown.
[[nodiscard]] QString missingPictureNote();

// What a screen reader says of the board's controls.
[[nodiscard]] QString slotName(Player player, int slot, const Card* card);
[[nodiscard]] QString discardName(Card discard, CardCharacter colourInForce);
[[nodiscard]] QString colourInForceName(CardCharacter colour);
[[nodiscard]] QString turnName(Player player);
[[nodiscard]] QString totalName(Player player, int total);

// The tooltips that name the keys playing a player's slot and the draw pile.
[[nodiscard]] QString slotKeyTip(Player player, const QKeySequence& key);
[[nodiscard]] QString drawPileKeyTip(const QKeySequence& key);
[[nodiscard]] QString drawPileName();

// The main window's buttons, with their access keys.
[[nodiscard]] QString newGameCaption();
[[nodiscard]] QString exitCaption();
[[nodiscard]] QString aboutCaption();

[[nodiscard]] QString colourChooserTitle();
[[nodiscard]] QString colourChooserOkCaption();

[[nodiscard]] QString aboutTitle();
[[nodiscard]] QString aboutHeading();
[[nodiscard]] QString aboutVersion(const QString& version);
[[nodiscard]] QString aboutDescription();
[[nodiscard]] QString aboutNotice();
[[nodiscard]] QString aboutOkCaption();

// The title of every box that is about the program as a whole rather than a hand.
[[nodiscard]] QString programTitle();

[[nodiscard]] QString handWonTitle();
[[nodiscard]] QString handWonText(Player winner);
[[nodiscard]] QString matchWonTitle();
[[nodiscard]] QString matchWonText(Player winner, int total);

// Why the cards cannot be dealt, naming the file and what the player can do.
[[nodiscard]] QString problemText(const CardFileProblem& problem);

} // namespace kov
