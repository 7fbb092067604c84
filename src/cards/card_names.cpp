#include "cards/card_names.h"

#include "cards/rules.h"

#include <array>
#include <cstdio>
#include <utility>

namespace kov {

namespace {

std::string characterName(CardCharacter character) {
    if (character.isEmpty())
        return "nothing";
    const auto byte = static_cast<unsigned char>(character.recordByte());
    if (byte == ' ')
        return "blank";
    if (byte < 0x20 || byte >= 0x7F) {
        std::array<char, 8> hex{};
        std::snprintf(hex.data(), hex.size(), "0x%02X", static_cast<unsigned>(byte));
        return hex.data();
    }
    return character.text();
}

} // namespace

std::string valueName(CardCharacter value) {
    static constexpr std::array<std::pair<char, const char*>, 5> actions{{
        {'S', "Skip"},
        {'V', "Reverse"},
        {'D', "Draw Two"},
        {'W', "Wild"},
        {'F', "Wild Draw Four"},
    }};
    for (const auto& [letter, name] : actions) {
        if (value.is(letter))
            return name;
    }
    return characterName(value);
}

std::string colourName(CardCharacter colour) {
    static constexpr std::array<std::pair<char, const char*>, 4> colours{{
        {'R', "Red"},
        {'G', "Green"},
        {'B', "Blue"},
        {'Y', "Yellow"},
    }};
    for (const auto& [letter, name] : colours) {
        if (colour.is(letter))
            return name;
    }
    return characterName(colour);
}

std::string cardName(Card card) {
    if (isWild(card.value))
        return valueName(card.value);
    return colourName(card.colour) + " " + valueName(card.value);
}

} // namespace kov
