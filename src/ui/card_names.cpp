#include "ui/card_names.h"

#include "cards/rules.h"
#include "ui/card_colours.h"

#include <array>
#include <utility>

namespace kov {

namespace {

QString characterName(CardCharacter character) {
    if (character.isEmpty())
        return QStringLiteral("nothing");
    const auto byte = static_cast<unsigned char>(character.recordByte());
    if (byte == ' ')
        return QStringLiteral("blank");
    if (byte < 0x20 || byte >= 0x7F)
        return QString::asprintf("0x%02X", static_cast<unsigned>(byte));
    return QString(QLatin1Char(static_cast<char>(byte)));
}

} // namespace

QString valueName(CardCharacter value) {
    static constexpr std::array<std::pair<char, const char*>, 5> actions{{
        {'S', "Skip"},
        {'V', "Reverse"},
        {'D', "Draw Two"},
        {'W', "Wild"},
        {'F', "Wild Draw Four"},
    }};
    for (const auto& [letter, name] : actions) {
        if (value.is(letter))
            return QString::fromLatin1(name);
    }
    return characterName(value);
}

QString colourName(CardCharacter colour) {
    if (const CardColour* known = cardColourOf(colour))
        return QString::fromLatin1(known->name);
    return characterName(colour);
}

QString cardName(Card card) {
    if (isWild(card.value))
        return valueName(card.value);
    return colourName(card.colour) + QLatin1Char(' ') + valueName(card.value);
}

} // namespace kov
