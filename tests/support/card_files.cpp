#include "support/card_files.h"

#include "cards/card_file.h"
#include "support/table_rules.h"

#include <stdexcept>

namespace kov::test {

std::string numberedCardFile() {
    std::string bytes;
    for (int n = 0; n < 108; ++n)
        bytes += {static_cast<char>('a' + n / 26), static_cast<char>('a' + n % 26)};
    return bytes;
}

int fileNumberOf(Card card) {
    const std::string code = card.code();
    return code.size() != 2 ? 0 : (code[0] - 'a') * 26 + (code[1] - 'a') + 1;
}

std::string uniformCardFile(const char (&code)[3]) {
    std::string bytes;
    for (int n = 0; n < 108; ++n)
        bytes += std::string(code, 2);
    return bytes;
}

std::string usualDeck() {
    std::string bytes;
    for (char colour : std::string("RGBY")) {
        for (char value : std::string("0112233445566778899SSVVDDWF"))
            bytes += {value, colour};
    }
    return bytes;
}

std::string cardFileDealing(const CardElements& deck) {
    const std::string landed = nextOrder(numberedCardFile());
    std::string file(CardFile::bytesRead, ' ');
    for (int element = 1; element < CardFile::bytesRead; element += 2) {
        const Card card = cardFromCode(std::string_view(landed).substr(std::size_t(element - 1)));
        const auto from = static_cast<std::size_t>(fileNumberOf(card) - 1) * 2;
        file[from] = deck(element).recordByte();
        file[from + 1] = deck(element + 1).recordByte();
    }
    return file;
}

ProgramFolder::ProgramFolder() : dir_("kov-test") {
    if (!dir_.isValid())
        throw std::runtime_error("cannot make a temporary folder");
}

void ProgramFolder::copyPicturesFrom(const std::filesystem::path& folder) const {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() == ".jpg")
            std::filesystem::copy_file(entry.path(), path() / entry.path().filename());
    }
}

} // namespace kov::test
