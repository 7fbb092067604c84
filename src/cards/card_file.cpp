#include "cards/card_file.h"

#include "cards/durable_write.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

namespace kov {

namespace {

std::string quoted(const std::filesystem::path& path) {
    return "\"" + path.string() + "\"";
}

std::string refusal(const std::filesystem::path& path, const std::string& what) {
    return "The card file " + quoted(path) + " " + what +
           "\n\nKOV keeps the order of its 108 cards in this file and cannot deal without it. "
           "The file has not been changed.";
}

std::string unreadable() {
    return "cannot be read: " + std::string(std::strerror(errno)) + ".";
}

std::string wholeCards(std::size_t bytes) {
    auto cards = bytes / 2;
    return cards == 1 ? "1 whole card" : std::to_string(cards) + " whole cards";
}

} // namespace

CardFileContents CardFile::read() const {
    std::error_code error;
    auto status = std::filesystem::status(path_, error);
    if (!std::filesystem::exists(status))
        return {std::nullopt, refusal(path_, "cannot be found.")};
    if (std::filesystem::is_directory(status))
        return {std::nullopt, refusal(path_, "is a folder, not a file.")};
    if (!std::filesystem::is_regular_file(status))
        return {std::nullopt, refusal(path_, "is not an ordinary file.")};

    std::ifstream file(path_, std::ios::binary);
    if (!file)
        return {std::nullopt, refusal(path_, unreadable())};
    std::string bytes(bytesRead, '\0');
    file.read(bytes.data(), bytesRead);
    if (file.bad())
        return {std::nullopt, refusal(path_, unreadable())};
    bytes.resize(static_cast<std::size_t>(file.gcount()));

    if (bytes.empty())
        return {std::nullopt, refusal(path_, "is empty: it holds no cards, and a deck needs 108.")};
    if (bytes.size() < bytesRead) {
        return {std::nullopt, refusal(path_, "is too short: it holds " + wholeCards(bytes.size()) +
                                                 ", and a deck needs 108.")};
    }

    CardElements cards;
    for (int index = 1; index <= bytesRead; ++index)
        cards(index) = CardCharacter(bytes[static_cast<std::size_t>(index - 1)]);
    return {cards, {}};
}

std::optional<std::string> CardFile::write(const CardElements& deck) const {
    if (auto reason = replaceFileDurably(path_, cardFileBytes(deck))) {
        return "The new order of the cards could not be saved to the card file " + quoted(path_) +
               ": " + *reason +
               ".\n\nThe cards have not been dealt again, and the file has not been changed.";
    }
    return std::nullopt;
}

std::string cardFileBytes(const CardElements& deck) {
    std::string bytes;
    bytes.reserve(CardFile::bytesWritten);
    for (int index = 1; index <= CardFile::bytesWritten; ++index)
        bytes.push_back(deck(index).recordByte());
    return bytes;
}

} // namespace kov
