#pragma once

#include "cards/card.h"
#include "cards/card_elements.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"

#include <filesystem>
#include <string>

namespace kov::test {

// A card file of 108 different cards, where card n's code tells n back (see fileNumberOf).
[[nodiscard]] std::string numberedCardFile();
// The position 1 to 108 in numberedCardFile() of this card's code.
[[nodiscard]] int fileNumberOf(Card card);

// The 108 cards of the usual deck, each colour's in turn: one 0, two of each other number, skip,
// reverse and draw two, and one wild card and one wild draw four.
[[nodiscard]] std::string usualDeck();

// 108 cards of one code, 216 bytes.
[[nodiscard]] std::string uniformCardFile(const char (&code)[3]);

// The card file (216 bytes) whose deal makes this deck: where each card of numberedCardFile()
// lands is where any file's card lands.
[[nodiscard]] std::string cardFileDealing(const CardElements& deck);

// A program folder of its own for one test, removed afterwards; plain C++.
class ProgramFolder {
public:
    ProgramFolder();
    [[nodiscard]] std::filesystem::path path() const { return dir_.path(); }
    [[nodiscard]] std::filesystem::path cardFilePath() const { return path() / "card.txt"; }
    void writeCardFile(const std::string& bytes) const { writeBytes(cardFilePath(), bytes); }
    [[nodiscard]] std::string cardFileBytes() const { return readBytes(cardFilePath()); }
    // Copies in the card pictures (*.jpg) of another folder, as an install holds them.
    void copyPicturesFrom(const std::filesystem::path& folder) const;

private:
    ScratchFolder dir_;
};

} // namespace kov::test
