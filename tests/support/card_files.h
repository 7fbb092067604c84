#pragma once

#include "cards/card.h"
#include "support/file_bytes.h"

#include <QTemporaryDir>

#include <filesystem>
#include <string>

namespace kov::test {

// A card file of 108 different cards, where card n's code tells n back (see fileNumberOf).
[[nodiscard]] std::string numberedCardFile();
// The position 1 to 108 in numberedCardFile() of this card's code.
[[nodiscard]] int fileNumberOf(Card card);

// 108 cards of one code, 216 bytes.
[[nodiscard]] std::string uniformCardFile(const char (&code)[3]);

// A program folder of its own for one test, removed afterwards.
class ProgramFolder {
public:
    ProgramFolder();
    [[nodiscard]] std::filesystem::path path() const;
    [[nodiscard]] std::filesystem::path cardFilePath() const;
    void writeCardFile(const std::string& bytes) const;
    [[nodiscard]] std::string cardFileBytes() const;

private:
    QTemporaryDir dir_;
};

} // namespace kov::test
