#pragma once

#include <QByteArray>

#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace kov::art {

// Every distinct card as its code (value character then colour character): one picture each.
[[nodiscard]] std::vector<std::string> faceCodes();

// The 108 cards of a deck, sorted by colour and value.
[[nodiscard]] std::vector<std::string> sortedDeck();

// A number in [0, bound) drawn from the generator's raw output alone, so the result does not
// depend on how a standard library implements its distributions. bound must be at least 1.
[[nodiscard]] std::uint32_t drawBelow(std::mt19937& generator, std::uint32_t bound);

// Fisher-Yates, every order equally likely.
template <class T> void shuffle(std::vector<T>& items, std::mt19937& generator) {
    for (std::size_t i = items.size(); i > 1; --i) {
        const std::size_t j = drawBelow(generator, static_cast<std::uint32_t>(i));
        std::swap(items[i - 1], items[j]);
    }
}

// The deck as the game first finds it: the sorted deck shuffled from a fixed seed, so every
// run gives the same order.
[[nodiscard]] std::vector<std::string> initialDeck();

// The card file's bytes: two-byte records and the two spaces that close the file.
[[nodiscard]] QByteArray cardFileBytes(const std::vector<std::string>& deck);

} // namespace kov::art
