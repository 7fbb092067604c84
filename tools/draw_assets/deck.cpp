#include "deck.h"

#include "palette.h"

#include <limits>
#include <stdexcept>

namespace kov::art {

namespace {

constexpr char actionValues[] = {'S', 'V', 'D'};
constexpr char wildValues[] = {'W', 'F'};
constexpr std::uint32_t deckSeed = 0x4B4F56; // "KOV"

std::string code(char value, char colour) {
    return {value, colour};
}

} // namespace

std::vector<std::string> faceCodes() {
    std::vector<std::string> codes;
    for (const char colour : colourLetters) {
        for (char digit = '0'; digit <= '9'; ++digit)
            codes.push_back(code(digit, colour));
        for (const char value : actionValues)
            codes.push_back(code(value, colour));
    }
    for (const char value : wildValues) {
        for (const char colour : colourLetters)
            codes.push_back(code(value, colour));
    }
    return codes;
}

std::vector<std::string> sortedDeck() {
    std::vector<std::string> deck;
    for (const char colour : colourLetters) {
        deck.push_back(code('0', colour));
        for (char digit = '1'; digit <= '9'; ++digit)
            deck.insert(deck.end(), 2, code(digit, colour));
        for (const char value : actionValues)
            deck.insert(deck.end(), 2, code(value, colour));
    }
    for (const char value : wildValues) {
        for (const char colour : colourLetters)
            deck.push_back(code(value, colour));
    }
    return deck;
}

std::uint32_t drawBelow(std::mt19937& generator, std::uint32_t bound) {
    if (bound == 0)
        throw std::invalid_argument("drawBelow needs a bound of at least 1");
    // Reject the top sliver of the 32-bit range that would favour the low results.
    constexpr std::uint64_t range = std::uint64_t{std::numeric_limits<std::uint32_t>::max()} + 1;
    const std::uint64_t limit = range - range % bound;
    std::uint64_t raw = 0;
    do {
        raw = generator();
    } while (raw >= limit);
    return static_cast<std::uint32_t>(raw % bound);
}

std::vector<std::string> initialDeck() {
    std::vector<std::string> deck = sortedDeck();
    std::mt19937 generator(deckSeed);
    shuffle(deck, generator);
    return deck;
}

QByteArray cardFileBytes(const std::vector<std::string>& deck) {
    QByteArray bytes;
    for (const std::string& card : deck) {
        if (card.size() != 2)
            throw std::invalid_argument("a card code is two characters: " + card);
        bytes.append(card.data(), 2);
    }
    bytes.append("  ", 2);
    return bytes;
}

} // namespace kov::art
