#include "cards/shuffle.h"

#include <array>

namespace kov {

namespace {

struct Exchange {
    int bigOne, bigTwo, smallOne, smallTwo;
};

// The deal's swap schedule, in element indexes, made in this order. The first fourteen bring
// cards from deep in the deck into the positions the hands are dealt from. Existing card files
// rely on this exact table: changing a row changes every deal that follows.
constexpr std::array<Exchange, 32> swapSchedule{{
    {87, 88, 1, 2},       {145, 146, 3, 4},     {173, 174, 5, 6},     {207, 208, 7, 8},
    {95, 96, 9, 10},      {155, 156, 11, 12},   {33, 34, 13, 14},     {135, 136, 15, 16},
    {73, 74, 17, 18},     {197, 198, 19, 20},   {169, 170, 21, 22},   {79, 80, 23, 24},
    {135, 136, 25, 26},   {35, 36, 27, 28},     {53, 54, 47, 48},     {55, 56, 43, 44},
    {67, 68, 41, 42},     {77, 78, 61, 62},     {85, 86, 67, 68},     {91, 92, 63, 64},
    {107, 108, 57, 58},   {119, 120, 115, 116}, {137, 138, 59, 60},   {149, 150, 39, 40},
    {161, 162, 45, 46},   {163, 164, 81, 82},   {177, 178, 57, 58},   {183, 184, 131, 132},
    {191, 192, 165, 166}, {203, 204, 123, 124}, {211, 212, 187, 188}, {215, 216, 111, 112},
}};

constexpr int blockSize = 54; // 27 cards

} // namespace

void CardShuffle(CardElements& deck, int SwapCardBigOneIndex, int SwapCardBigTwoIndex,
                 int SwapCardOneSmallIndex, int SwapCardTwoSmallIndex) {
    std::swap(deck(SwapCardBigOneIndex), deck(SwapCardOneSmallIndex));
    std::swap(deck(SwapCardBigTwoIndex), deck(SwapCardTwoSmallIndex));
}

CardElements shuffledDeck(const CardElements& fileCards) {
    CardElements deck;
    // The file's last quarter comes first, its first quarter last; each keeps its inner order.
    constexpr std::array<int, 4> sourceBlockStarts{163, 109, 55, 1};
    int destination = 1;
    for (int start : sourceBlockStarts) {
        for (int source = start; source < start + blockSize; ++source)
            deck(destination++) = fileCards(source);
    }
    for (const auto& exchange : swapSchedule)
        CardShuffle(deck, exchange.bigOne, exchange.bigTwo, exchange.smallOne, exchange.smallTwo);
    return deck;
}

} // namespace kov
