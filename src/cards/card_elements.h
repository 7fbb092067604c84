#pragma once

#include "cards/card.h"

#include <array>
#include <stdexcept>

namespace kov {

// The characters of a whole deck, numbered from 1 the way the card file counts them: card n
// is element 2n-1 (its value) and element 2n (its colour). Room for 110 cards, of which a deck
// uses 108; elements 217 to 220 are never filled and go to the card file as spaces.
class CardElements {
public:
    static constexpr int count = 220;

    [[nodiscard]] CardCharacter& operator()(int index) { return elements_.at(slotOf(index)); }
    [[nodiscard]] CardCharacter operator()(int index) const { return elements_.at(slotOf(index)); }

    // The card whose value character is at valueIndex.
    [[nodiscard]] Card cardAt(int valueIndex) const {
        return Card{(*this)(valueIndex), (*this)(valueIndex + 1)};
    }

    friend bool operator==(const CardElements&, const CardElements&) = default;

private:
    static std::size_t slotOf(int index) {
        if (index < 1 || index > count)
            throw std::out_of_range("card element index outside 1 to 220");
        return static_cast<std::size_t>(index - 1);
    }

    std::array<CardCharacter, count> elements_{};
};

} // namespace kov
