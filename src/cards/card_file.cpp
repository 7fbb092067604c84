#include "cards/card_file.h"

#include "cards/durable_write.h"

#include <cerrno>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kov {

namespace {

using Kind = CardFileProblem::Kind;

CardFileContents refused(Kind kind, const std::filesystem::path& path, int wholeCards = 0,
                         std::error_code error = {}) {
    return {std::nullopt, CardFileProblem{kind, path, wholeCards, error}};
}

#ifdef _WIN32
std::error_code systemError(DWORD code) {
    return {static_cast<int>(code), std::system_category()};
}
#else
std::error_code lastError() {
    return {errno, std::generic_category()};
}
#endif

#ifdef _WIN32

CardFileContents readFile(const std::filesystem::path& path, std::string& bytes) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status))
        return refused(error == std::errc::too_many_symbolic_link_levels ||
                               error.value() == ERROR_CANT_RESOLVE_FILENAME
                           ? Kind::LinkLoop
                           : Kind::Missing,
                       path);
    if (std::filesystem::is_directory(status))
        return refused(Kind::Folder, path);
    if (!std::filesystem::is_regular_file(status))
        return refused(Kind::NotAFile, path);
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return refused(Kind::Unreadable, path, 0, systemError(GetLastError()));
    std::error_code failure;
    if (GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        return refused(Kind::NotAFile, path);
    }
    DWORD got = 0;
    for (std::size_t have = 0; have < bytes.size(); have += got) {
        if (!ReadFile(file, bytes.data() + have, static_cast<DWORD>(bytes.size() - have), &got,
                      nullptr)) {
            failure = systemError(GetLastError());
            break;
        }
        if (got == 0) {
            bytes.resize(have);
            break;
        }
    }
    CloseHandle(file);
    if (failure)
        return refused(Kind::Unreadable, path, 0, failure);
    return {};
}

#else

// Opened without waiting, so that a FIFO or a device in place of the file cannot stall the
// program; what is opened is then checked to be an ordinary file before anything is read.
CardFileContents readFile(const std::filesystem::path& path, std::string& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        switch (errno) {
        case ENOENT:
        case ENOTDIR:
            return refused(Kind::Missing, path);
        case ELOOP:
            return refused(Kind::LinkLoop, path);
        case ENXIO: // a socket
            return refused(Kind::NotAFile, path);
        default:
            return refused(Kind::Unreadable, path, 0, lastError());
        }
    }
    struct stat status {};
    std::optional<Kind> refusal;
    std::error_code failure;
    if (::fstat(fd, &status) != 0) {
        refusal = Kind::Unreadable;
        failure = lastError();
    } else if (S_ISDIR(status.st_mode)) {
        refusal = Kind::Folder;
    } else if (!S_ISREG(status.st_mode)) {
        refusal = Kind::NotAFile;
    }
    std::size_t have = 0;
    while (!refusal && have < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + have, bytes.size() - have);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            refusal = Kind::Unreadable;
            failure = lastError();
        } else if (got == 0) {
            break;
        } else {
            have += static_cast<std::size_t>(got);
        }
    }
    ::close(fd);
    if (refusal)
        return refused(*refusal, path, 0, failure);
    bytes.resize(have);
    return {};
}

#endif

} // namespace

CardFileContents CardFile::read() const noexcept {
    try {
        // Never more than a deck's worth: whatever follows is ignored, however large it is.
        std::string bytes(bytesRead, '\0');
        if (auto failure = readFile(path_, bytes); failure.problem)
            return failure;

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
