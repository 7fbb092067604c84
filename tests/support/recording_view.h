#pragma once

#include "engine/table_view.h"

#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace kov::test {

// Records the latest of what the rules show, and every win and problem; answers the colour
// chooser from a queue of prepared answers.
class RecordingView : public TableView {
public:
    void showCardInSlot(Player player, int slot, Card card) override;
    void clearSlot(Player player, int slot) override;
    void showDiscard(Card card) override {
        discard = card;
        ++showings;
    }
    void showColourInForce(CardCharacter colour) override { colourInForce = colour; }
    void showTurn(std::optional<Player> toMove) override { turn = toMove; }
    void showTotal(Player player, int total) override { totals[indexOf(player)] = total; }
    [[nodiscard]] std::optional<char> chooseColour() override;
    void showHandWon(Player winner) override;
    void showMatchWon(Player winner, int total) override { matchesWon.emplace_back(winner, total); }
    void showProblem(const CardFileProblem& problem) override { problems.push_back(problem); }

    // The card last shown in a slot, or nothing after it was cleared.
    [[nodiscard]] std::optional<Card> slot(Player player, int slot) const;
    // Codes shown in a player's slots, "" for an empty slot.
    [[nodiscard]] std::vector<std::string> slotCodes(Player player) const;

    std::optional<Card> discard;
    std::optional<CardCharacter> colourInForce;
    std::optional<Player> turn; // nothing before the first showTurn and while no one is to move
    std::array<int, 2> totals{};
    std::vector<Player> handsWon;
    std::vector<std::pair<Player, int>> matchesWon;
    std::vector<CardFileProblem> problems;
    // Answers for the colour chooser, taken in order; nothing means closed without OK.
    std::deque<std::optional<char>> colourAnswers;
    int chooserOpenings = 0;
    // Run inside the chooser's question and inside the hand-won message, as by a player who acts
    // on the table while they are open.
    std::function<void()> whileChoosing, whileHandWon;
    int showings = 0; // card pictures shown, slots and discard alike

private:
    std::array<std::array<std::optional<Card>, 7>, 2> slots_{};
};

} // namespace kov::test
