#pragma once

#include "cards/player.h"
#include "texts/card_colours.h"

#include <QString>

#include <cstddef>

namespace kov {

// The object names of the windows' controls, the classic names, which the windows give them and
// tests, benchmarks and tools find them by.

// frmKOV: the card slots, the draw and discard piles, the colour in force, each player's turn
// label, total caption and total, and the buttons.
[[nodiscard]] inline QString cardSlotControlName(Player player, int slot) {
    return (player == Player::One ? QStringLiteral("PlayerOneCard%1")
                                  : QStringLiteral("PlayerTwoCard%1"))
        .arg(slot);
}
[[nodiscard]] inline QString pickupCardControlName() {
    return QStringLiteral("PickupCard");
}
[[nodiscard]] inline QString discardCardControlName() {
    return QStringLiteral("DiscardCard");
}
[[nodiscard]] inline QString colourInForceControlName() {
    return QStringLiteral("colourInForce");
}
[[nodiscard]] inline QString turnLabelControlName(Player player) {
    return player == Player::One ? QStringLiteral("lblPlayerOne") : QStringLiteral("lblPlayerTwo");
}
[[nodiscard]] inline QString totalCaptionControlName(Player player) {
    return turnLabelControlName(player) + QStringLiteral("Scorelbl");
}
[[nodiscard]] inline QString totalLabelControlName(Player player) {
    return turnLabelControlName(player) + QStringLiteral("Score");
}
[[nodiscard]] inline QString newGameControlName() {
    return QStringLiteral("CmdNewGame");
}
[[nodiscard]] inline QString exitControlName() {
    return QStringLiteral("cmdExit");
}
[[nodiscard]] inline QString aboutControlName() {
    return QStringLiteral("cmdAbout");
}

// frmColour: a swatch and an option a colour, in the chooser's order (cardColours), and OK.
[[nodiscard]] inline QString colourSwatchControlName(int index) {
    return QStringLiteral("lbl") +
           QLatin1String(cardColours.at(static_cast<std::size_t>(index)).name);
}
[[nodiscard]] inline QString colourOptionControlName(int index) {
    return QStringLiteral("OptColour%1").arg(index);
}

// frmAbout: the icon, the three lines beside it and the notice below.
[[nodiscard]] inline QString aboutIconControlName() {
    return QStringLiteral("picIcon");
}
[[nodiscard]] inline QString aboutTitleControlName() {
    return QStringLiteral("lblTitle");
}
[[nodiscard]] inline QString aboutVersionControlName() {
    return QStringLiteral("lblVersion");
}
[[nodiscard]] inline QString aboutDescriptionControlName() {
    return QStringLiteral("lblDescription");
}
[[nodiscard]] inline QString aboutNoticeControlName() {
    return QStringLiteral("Label1");
}

// Both dialogs' OK button.
[[nodiscard]] inline QString okControlName() {
    return QStringLiteral("cmdOK");
}

} // namespace kov
