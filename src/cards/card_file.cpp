#include "cards/card_file.h"

#include "cards/durable_write.h"

#include <cerrno>
#include <fstream>

namespace kov {

namespace {

using Kind = CardFileProblem::Kind;

CardFileContents refused(Kind kind, const std::filesystem::path& path, int wholeCards = 0,
                         std::error_code error = {}) {
    return {std::nullopt, CardFileProblem{kind, path, wholeCards, error}};
}

std::error_code lastError() {
    return {errno, std::generic_category()};
}

} // namespace

CardFileContents CardFile::read() const {
    std::error_code error;
    auto status = std::filesystem::status(path_, error);
    if (!std::filesystem::exists(status))
        return refused(Kind::Missing, path_);
    if (std::filesystem::is_directory(status))
        return refused(Kind::Folder, path_);
    if (!std::filesystem::is_regular_file(status))
        return refused(Kind::NotAFile, path_);

    std::ifstream file(path_, std::ios::binary);
    if (!file)
        return refused(Kind::Unreadable, path_, 0, lastError());
    std::string bytes(bytesRead, '\0');
    file.read(bytes.data(), bytesRead);
    if (file.bad())
        return refused(Kind::Unreadable, path_, 0, lastError());
    bytes.resize(static_cast<std::size_t>(file.gcount()));

    if (bytes.empty())
        return refused(Kind::Empty, path_);
    if (bytes.size() < bytesRead)
        return refused(Kind::TooShort, path_, static_cast<int>(bytes.size() / 2));

    CardElements cards;
    for (int index = 1; index <= bytesRead; ++index)
        cards(index) = CardCharacter(bytes[static_cast<std::size_t>(index - 1)]);
    return {cards, std::nullopt};
}

std::optional<CardFileProblem> CardFile::write(const CardElements& deck) const {
    if (auto error = replaceFileDurably(path_, cardFileBytes(deck)))
        return CardFileProblem{Kind::NotSaved, path_, 0, error};
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
