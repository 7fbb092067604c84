#pragma once

#include "ui/platform.h"

#include <array>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace kov::test {

// Records what the game shows, the way the board would hold it, and answers the colour chooser
// from a queue of prepared answers.
class FakePlatform : public Platform {
public:
    struct Message {
        std::string title;
        std::string text;
        friend bool operator==(const Message&, const Message&) = default;
    };

    void showCardInSlot(Player player, int slot, Card card) override;
    void clearSlot(Player player, int slot) override;
    [[nodiscard]] bool slotShowsPicture(Player player, int slot) const override;
    void showDiscard(Card card) override;
    void showColourInForce(CardCharacter colour) override;
    void showTurn(Player toMove) override;
    void showTotal(Player player, int total) override;
    [[nodiscard]] std::optional<char> chooseColour() override;
    void showMessage(const std::string& title, const std::string& text) override;
    void showProblem(const std::string& title, const std::string& text) override;

    // What a slot shows: the card, or nothing.
    [[nodiscard]] std::optional<Card> slot(Player player, int slot) const;
    // Codes shown in a player's slots, "" for an empty slot.
    [[nodiscard]] std::vector<std::string> slotCodes(Player player) const;

    std::optional<Card> discard;
    std::optional<CardCharacter> colourInForce;
    std::optional<Player> turn;
    std::array<int, 2> totals{};
    std::vector<Message> messages;
    std::vector<Message> problems;
    // Answers for the colour chooser, taken in order; nothing means closed without OK.
    std::deque<std::optional<char>> colourAnswers;
    int chooserOpenings = 0;
    int showings = 0; // card pictures shown, slots and discard alike

private:
    std::array<std::array<std::optional<Card>, 7>, 2> slots_{};
};

} // namespace kov::test
