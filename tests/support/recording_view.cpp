#include "support/recording_view.h"

#include "cards/hand.h"

#include <cstddef>
#include <string>

namespace kov::test {

void RecordingView::showCardInSlot(Player player, int slot, Card card) {
    slots_[indexOf(player)].at(slotIndex(slot)) = card;
    ++showings;
}

void RecordingView::clearSlot(Player player, int slot) {
    slots_[indexOf(player)].at(slotIndex(slot)).reset();
}

std::optional<char> RecordingView::chooseColour() {
    ++chooserOpenings;
    if (whileChoosing)
        whileChoosing();
    if (colourAnswers.empty())
        return std::nullopt;
    auto answer = colourAnswers.front();
    colourAnswers.pop_front();
    return answer;
}

void RecordingView::showHandWon(Player winner) {
    handsWon.push_back(winner);
    if (whileHandWon)
        whileHandWon();
}

std::optional<Card> RecordingView::slot(Player player, int slot) const {
    return slots_[indexOf(player)].at(slotIndex(slot));
}

std::vector<std::string> RecordingView::slotCodes(Player player) const {
    std::vector<std::string> codes;
    for (const auto& card : slots_[indexOf(player)])
        codes.push_back(card ? card->code() : std::string());
    return codes;
}

} // namespace kov::test
