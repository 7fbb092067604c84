#include "support/fake_platform.h"

#include <cstddef>

namespace kov::test {

namespace {

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

} // namespace

void FakePlatform::showCardInSlot(Player player, int slot, Card card) {
    slots_[at(indexOf(player))].at(at(slot)) = card;
    ++showings;
}

void FakePlatform::clearSlot(Player player, int slot) {
    slots_[at(indexOf(player))].at(at(slot)).reset();
}

bool FakePlatform::slotShowsPicture(Player player, int slot) const {
    return slots_[at(indexOf(player))].at(at(slot)).has_value();
}

void FakePlatform::showDiscard(Card card) {
    discard = card;
    ++showings;
}

void FakePlatform::showColourInForce(CardCharacter colour) {
    colourInForce = colour;
}

void FakePlatform::showTurn(Player toMove) {
    turn = toMove;
}

void FakePlatform::showTotal(Player player, int total) {
    totals[at(indexOf(player))] = total;
}

std::optional<char> FakePlatform::chooseColour() {
    ++chooserOpenings;
    if (colourAnswers.empty())
        return std::nullopt;
    auto answer = colourAnswers.front();
    colourAnswers.pop_front();
    return answer;
}

void FakePlatform::showMessage(const std::string& title, const std::string& text) {
    messages.push_back({title, text});
}

void FakePlatform::showProblem(const std::string& title, const std::string& text) {
    problems.push_back({title, text});
}

std::optional<Card> FakePlatform::slot(Player player, int slot) const {
    return slots_[at(indexOf(player))].at(at(slot));
}

std::vector<std::string> FakePlatform::slotCodes(Player player) const {
    std::vector<std::string> codes;
    for (const auto& card : slots_[at(indexOf(player))])
        codes.push_back(card ? card->code() : std::string());
    return codes;
}

} // namespace kov::test
