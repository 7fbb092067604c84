#include "support/table_rules.h"

#include "cards/card_file.h"
#include "cards/shuffle.h"
#include "engine/hand_end.h"

#include <algorithm>
#include <cstddef>

namespace kov::test {

namespace {

std::string sorted(std::string bytes) {
    std::sort(bytes.begin(), bytes.end());
    return bytes;
}

std::optional<std::string> brokenHandRule(const GameState& state, const RecordingView& view,
                                          Player player) {
    const std::string who = player == Player::One ? "Player One" : "Player Two";
    const Hand& hand = state.hand(player);
    int held = 0;
    for (int slot = 0; slot < Hand::slotCount; ++slot) {
        const Card card = hand.at(slot);
        const std::string where = who + "'s slot " + std::to_string(slot);
        if (!card.value.isEmpty() && held++ != slot)
            return where + " holds a card after an empty slot";
        const auto picture = view.slot(player, slot);
        const bool shown = state.shown(player)[slotIndex(slot)];
        if (picture.has_value() != shown)
            return where + (shown ? " counts as shown but shows nothing"
                                  : " shows a card but counts as free");
        if (picture && *picture != card)
            return where + " shows " + picture->code() + " but holds '" + card.code() + "'";
        // Only a card whose value is blank is left out when a hand is shown again.
        if (!picture && !card.value.isBlank())
            return where + " shows nothing but holds " + card.code();
    }
    return std::nullopt;
}

} // namespace

std::string nextOrder(const std::string& file) {
    CardElements elements;
    for (int index = 1; index <= CardFile::bytesRead; ++index)
        elements(index) = CardCharacter(file.at(static_cast<std::size_t>(index - 1)));
    return cardFileBytes(shuffledDeck(elements));
}

std::optional<std::string> brokenTableRule(const GameState& state, const RecordingView& view) {
    for (Player player : {Player::One, Player::Two}) {
        if (auto broken = brokenHandRule(state, view, player))
            return broken;
        const int total = state.total(player);
        if (total < 0 || total > matchTarget)
            return "total " + std::to_string(total);
        if (view.totals[indexOf(player)] != total)
            return "a total shown is not the total held";
    }
    if (view.turn != state.toMove)
        return std::string("the turn marker does not show the player to move");
    if (view.colourInForce != state.inForce.CurrentColour)
        return std::string("the colour shown is not the colour in force");
    if (state.DeckPosition % 2 != 1 || state.DeckPosition < 3 || state.DeckPosition > 215)
        return "DeckPosition " + std::to_string(state.DeckPosition);
    if (!view.problems.empty())
        return std::string("a problem was shown");
    return std::nullopt;
}

std::optional<std::string> brokenDealRule(const GameState& state, const RecordingView& view) {
    if (state.DeckPosition != 31)
        return "DeckPosition " + std::to_string(state.DeckPosition) + " after a deal, not 31";
    if (state.phase != Phase::HandInPlay || state.toMove != Player::One)
        return std::string("no hand in play for Player One after a deal");
    for (Player player : {Player::One, Player::Two}) {
        if (std::ranges::count(state.shown(player), false) > 0)
            return std::string("an empty slot after a deal");
    }
    return brokenTableRule(state, view);
}

std::optional<std::string> brokenDealtFile(const std::string& written,
                                           const std::string& dealtFrom) {
    const auto deck = static_cast<std::size_t>(CardFile::bytesRead);
    if (written.size() != CardFile::bytesWritten)
        return "the card file holds " + std::to_string(written.size()) + " bytes";
    if (written.substr(deck) != "  ")
        return std::string("the card file does not end with two spaces");
    if (sorted(written.substr(0, deck)) != sorted(dealtFrom.substr(0, deck)))
        return std::string("the card file is not a reordering of the file dealt from");
    if (written != nextOrder(dealtFrom))
        return std::string("the card file is not the order the deal makes");
    return std::nullopt;
}

} // namespace kov::test
