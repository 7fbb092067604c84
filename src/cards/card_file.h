#pragma once

#include "cards/card_elements.h"
#include "cards/card_file_problem.h"

#include <filesystem>
#include <optional>
#include <string>

namespace kov {

// What reading the card file gives: the first 108 cards, or why the file cannot be used.
struct CardFileContents {
    std::optional<CardElements> cards;
    std::optional<CardFileProblem> problem;
};

// card.txt: the deck order between deals, as 2-byte records (value character, then colour
// character) with nothing between them. Every deal reads it and writes the new order back, so
// the next deal starts where this one left off.
class CardFile {
public:
    // Its name in the folder that holds it.
    static constexpr const char* fileName = "card.txt";
    static constexpr int cardsInDeck = 108;
    static constexpr int bytesRead = 2 * cardsInDeck;
    static constexpr int bytesWritten = bytesRead + 2; // a 109th record of two spaces

    explicit CardFile(std::filesystem::path path) : path_(std::move(path)) {}

    // Reads the first 108 records into elements 1 to 216. Anything after them (the 109th record
    // the program writes, a line end an editor added) is ignored and never read. A file that
    // holds fewer than 108 cards, cannot be read or is not an ordinary file (or a link to one) is
    // refused; nothing here waits on a FIFO or a device, and no exception leaves.
    [[nodiscard]] CardFileContents read() const noexcept;

    // Writes elements 1 to 218 of the deck, an empty character as a space, replacing the file
    // whole. Says why when that fails; the old file is then unchanged.
    [[nodiscard]] std::optional<CardFileProblem> write(const CardElements& deck) const noexcept;

private:
    std::filesystem::path path_;
};

// The 218 bytes that write() stores for this deck.
[[nodiscard]] std::string cardFileBytes(const CardElements& deck);

} // namespace kov
