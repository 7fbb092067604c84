#include "support/card_files.h"

#include <stdexcept>

namespace kov::test {

std::string numberedCardFile() {
    std::string bytes;
    for (int n = 0; n < 108; ++n) {
        bytes.push_back(static_cast<char>('a' + n / 26));
        bytes.push_back(static_cast<char>('a' + n % 26));
    }
    return bytes;
}

int fileNumberOf(Card card) {
    const std::string code = card.code();
    if (code.size() != 2)
        return 0;
    return (code[0] - 'a') * 26 + (code[1] - 'a') + 1;
}

std::string uniformCardFile(const char (&code)[3]) {
    std::string bytes;
    for (int n = 0; n < 108; ++n)
        bytes += std::string(code, 2);
    return bytes;
}

ProgramFolder::ProgramFolder() {
    if (!dir_.isValid())
        throw std::runtime_error("cannot make a temporary folder");
}

std::filesystem::path ProgramFolder::path() const {
    return dir_.path().toStdString();
}

std::filesystem::path ProgramFolder::cardFilePath() const {
    return path() / "card.txt";
}

void ProgramFolder::writeCardFile(const std::string& bytes) const {
    writeBytes(cardFilePath(), bytes);
}

std::string ProgramFolder::cardFileBytes() const {
    return readBytes(cardFilePath());
}

} // namespace kov::test
