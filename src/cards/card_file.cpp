#include "cards/card_file.h"

#include "files/bounded_read.h"
#include "files/durable_write.h"

#include <string>

namespace kov {

namespace {

using Kind = CardFileProblem::Kind;

CardFileContents refused(Kind kind, const std::filesystem::path& path, int wholeCards = 0,
                         std::error_code error = {}) {
    return {std::nullopt, CardFileProblem{kind, path, wholeCards, error}};
}

CardFileContents refused(const FileBytes& file, const std::filesystem::path& path) {
    switch (*file.refusal) {
    case FileRefusal::Missing:
        return refused(Kind::Missing, path);
    case FileRefusal::Folder:
        return refused(Kind::Folder, path);
    case FileRefusal::NotAFile:
        return refused(Kind::NotAFile, path);
    case FileRefusal::LinkLoop:
        return refused(Kind::LinkLoop, path);
    case FileRefusal::TooLarge:
    case FileRefusal::Unreadable:
        break;
    }
    return refused(Kind::Unreadable, path, 0, file.error);
}

} // namespace

CardFileContents CardFile::read() const noexcept {
    try {
        // Never more than a deck's worth: whatever follows is ignored, however large it is.
        const FileBytes file = readFileBounded(path_, bytesRead, PastTheBound::Ignored);
        if (file.refusal)
            return refused(file, path_);
        const std::string& bytes = file.bytes;
        if (bytes.empty())
            return refused(Kind::Empty, path_);
        if (bytes.size() < bytesRead)
            return refused(Kind::TooShort, path_, static_cast<int>(bytes.size() / 2));

        CardElements cards;
        for (int index = 1; index <= bytesRead; ++index)
            cards(index) = CardCharacter(bytes[static_cast<std::size_t>(index - 1)]);
        return {cards, std::nullopt};
    } catch (...) {
        return refused(Kind::Unreadable, path_, 0,
                       std::make_error_code(std::errc::not_enough_memory));
    }
}

std::optional<CardFileProblem> CardFile::write(const CardElements& deck) const noexcept {
    std::error_code error;
    try {
        error = replaceFileDurably(path_, cardFileBytes(deck));
    } catch (...) {
        error = std::make_error_code(std::errc::not_enough_memory);
    }
    if (error)
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
