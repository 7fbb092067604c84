#pragma once

#include <string>
#include <string_view>

namespace kov {

// A byte that prints as itself on one line: ASCII from the space to the tilde.
[[nodiscard]] constexpr bool isPrintableAscii(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x20 && byte < 0x7F;
}

// One character of a card code as the game holds it: either the empty string or exactly one
// byte. The two must stay apart: an empty character is written to the card file as a space,
// and a hand card whose value character is empty marks the end of the hand.
class CardCharacter {
public:
    constexpr CardCharacter() = default;
    constexpr explicit CardCharacter(char c) : byte_(c), present_(true) {}

    [[nodiscard]] constexpr bool isEmpty() const { return !present_; }
    [[nodiscard]] constexpr bool is(char c) const { return present_ && byte_ == c; }
    // Empty once surrounding spaces are trimmed: such a card is left out when a hand is shown.
    [[nodiscard]] constexpr bool isBlank() const { return !present_ || byte_ == ' '; }
    // The byte of a fixed one-character record field: an empty character pads to a space.
    [[nodiscard]] constexpr char recordByte() const { return present_ ? byte_ : ' '; }
    // The character itself, or nothing for the empty string.
    [[nodiscard]] std::string text() const {
        return present_ ? std::string(1, byte_) : std::string();
    }

    friend constexpr bool operator==(CardCharacter, CardCharacter) = default;

private:
    char byte_ = 0;
    bool present_ = false;
};

// A card: its value character followed by its colour character. The two joined are the card's
// code, which also names its picture ("7R" is 7R.jpg).
struct Card {
    CardCharacter value;
    CardCharacter colour;

    [[nodiscard]] std::string code() const { return value.text() + colour.text(); }
    friend constexpr bool operator==(Card, Card) = default;
};

// Shorthand for a card written as its two-character code, for tables and tests.
[[nodiscard]] constexpr Card cardFromCode(std::string_view code) {
    return Card{CardCharacter(code.at(0)), CardCharacter(code.at(1))};
}

} // namespace kov
