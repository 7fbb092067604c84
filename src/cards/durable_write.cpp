#include "cards/durable_write.h"

#include <cerrno>
#include <chrono>
#include <random>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <thread>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kov {

namespace {

using Native = std::filesystem::path::string_type;

// A file written under its temporary name from the start, for as long as the write takes.
constexpr std::string_view temporaryMarker = ".kov-tmp-";
// A complete file that got its name only for the instant before the rename (Linux).
constexpr std::string_view linkedMarker = ".kov-new-";
constexpr std::size_t randomLength = 6;
constexpr std::string_view randomAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr int namesTried = 100;

Native nativeText(std::string_view ascii) {
    return Native(ascii.begin(), ascii.end());
}

// The folder a file lies in; "." for a bare file name.
std::filesystem::path folderOf(const std::filesystem::path& file) {
    return file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
}

std::filesystem::path followLink(const std::filesystem::path& target) {
    // Writing through a symbolic link updates the file it points to, as an in-place write would,
    // instead of replacing the link with a plain file.
    std::error_code error;
    if (std::filesystem::is_symlink(target, error)) {
        auto resolved = std::filesystem::canonical(target, error);
        if (!error)
            return resolved;
    }
    return target;
}

// Random parts for temporary names; a name already taken is simply tried again with the next.
class RandomNames {
public:
    RandomNames()
        : engine_(static_cast<std::uint64_t>(
                      std::chrono::steady_clock::now().time_since_epoch().count()) ^
                  reinterpret_cast<std::uintptr_t>(this)) {}
    std::filesystem::path next(const std::filesystem::path& target, std::string_view marker) {
        std::string random;
        std::uniform_int_distribution<std::size_t> pick(0, randomAlphabet.size() - 1);
        for (std::size_t at = 0; at < randomLength; ++at)
            random.push_back(randomAlphabet[pick(engine_)]);
        return folderOf(target) / (nativeText(".") + target.filename().native() +
                                   nativeText(marker) + nativeText(random));
    }

private:
    std::mt19937_64 engine_;
};

bool isTemporaryFileOf(const Native& name, const std::filesystem::path& target,
                       std::string_view marker) {
    const Native prefix = nativeText(".") + target.filename().native() + nativeText(marker);
    if (name.size() != prefix.size() + randomLength || name.compare(0, prefix.size(), prefix) != 0)
        return false;
    for (std::size_t at = prefix.size(); at < name.size(); ++at) {
        const auto c = static_cast<unsigned long>(name[at]);
        if (c > 0x7f || randomAlphabet.find(static_cast<char>(c)) == std::string_view::npos)
            return false;
    }
    return true;
}

#ifdef _WIN32

std::error_code windowsReason(DWORD code) {
    return {static_cast<int>(code), std::system_category()};
}

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    [[nodiscard]] HANDLE get() const { return handle_; }
    [[nodiscard]] bool close() {
        HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return CloseHandle(handle) != 0;
    }

private:
    HANDLE handle_;
};

class TemporaryFile {
public:
    TemporaryFile() = default;
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (!path_.empty()) {
            SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(path_.c_str());
        }
    }
    void made(std::filesystem::path path) { path_ = std::move(path); }
    void moved() { path_.clear(); }
    [[nodiscard]] const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Makes a new file under a fresh temporary name beside target.
HANDLE createTemporary(const std::filesystem::path& target, DWORD flags, TemporaryFile* named) {
    RandomNames names;
    for (int attempt = 0; attempt < namesTried; ++attempt) {
        const auto path = names.next(target, temporaryMarker);
        HANDLE file =
            CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, flags, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            if (named)
                named->made(path);
            return file;
        }
        if (GetLastError() != ERROR_FILE_EXISTS)
            return INVALID_HANDLE_VALUE;
    }
    return INVALID_HANDLE_VALUE;
}

std::error_code replaceFileDurablyAt(const std::filesystem::path& target, std::string_view bytes) {
    TemporaryFile temporary;
    Handle file(createTemporary(target, FILE_ATTRIBUTE_NORMAL, &temporary));
    if (file.get() == INVALID_HANDLE_VALUE)
        return windowsReason(GetLastError());
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size() || !FlushFileBuffers(file.get()))
        return windowsReason(GetLastError());
    if (!file.close())
        return windowsReason(GetLastError());

    // Windows will not replace a read-only file. A read-only card.txt is replaced anyway, as on
    // other systems, and the new file is read-only in its turn.
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool readOnly =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    if (readOnly) {
        if (!SetFileAttributesW(temporary.path().c_str(), FILE_ATTRIBUTE_READONLY) ||
            !SetFileAttributesW(target.c_str(), attributes & ~DWORD{FILE_ATTRIBUTE_READONLY}))
            return windowsReason(GetLastError());
    }
    // A virus scanner or indexer may hold the old file open for a moment: try again briefly,
    // never long enough to stall the window.
    DWORD failure = 0;
    for (int attempt = 0; attempt < 4; ++attempt) {
        if (MoveFileExW(temporary.path().c_str(), target.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            temporary.moved();
            return {};
        }
        failure = GetLastError();
        if (failure != ERROR_ACCESS_DENIED && failure != ERROR_SHARING_VIOLATION)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (readOnly)
        SetFileAttributesW(target.c_str(), attributes);
    return windowsReason(failure);
}

bool canCreateBeside(const std::filesystem::path& target) {
    Handle file(
        createTemporary(target, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    return file.get() != INVALID_HANDLE_VALUE;
}

#else

std::error_code reason(int errorNumber) {
    return {errorNumber, std::generic_category()};
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    [[nodiscard]] int get() const { return fd_; }
    // Closes now and reports the result: a delayed write error can first show up here.
    [[nodiscard]] bool close() {
        int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// A temporary file's name, removed again unless the file was renamed into place.
class TemporaryName {
public:
    TemporaryName() = default;
    TemporaryName(const TemporaryName&) = delete;
    TemporaryName& operator=(const TemporaryName&) = delete;
    ~TemporaryName() {
        if (!path_.empty())
            ::unlink(path_.c_str());
    }
    void made(std::filesystem::path path) { path_ = std::move(path); }
    void renamed() { path_.clear(); }
    [[nodiscard]] const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// A fresh file with no name in target's folder, where the file system allows; -1 otherwise,
// with errno telling why.
int openUnnamed([[maybe_unused]] const std::filesystem::path& target) {
#ifdef O_TMPFILE
    return ::open(folderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
#else
    errno = EOPNOTSUPP;
    return -1;
#endif
}

// Whether openUnnamed failed only because the file system has no unnamed files.
bool unnamedUnsupported(int errorNumber) {
    return errorNumber == EOPNOTSUPP || errorNumber == EISDIR || errorNumber == EINVAL;
}

// Gives an open file a fresh temporary name beside target: a new link to an unnamed file, or a
// new file under that name (fd -1). Returns the new file's descriptor, or -1 with errno set.
int nameTemporary(const std::filesystem::path& target, int unnamed, TemporaryName& name) {
    RandomNames names;
    for (int attempt = 0; attempt < namesTried; ++attempt) {
        const auto path = names.next(target, unnamed >= 0 ? linkedMarker : temporaryMarker);
        if (unnamed >= 0) {
            const std::string link = "/proc/self/fd/" + std::to_string(unnamed);
            if (::linkat(AT_FDCWD, link.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0) {
                name.made(path);
                return unnamed;
            }
        } else {
            int fd = ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
            if (fd >= 0) {
                name.made(path);
                return fd;
            }
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

std::error_code writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return reason(errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

// The new file keeps the old one's permissions; a first file gets the usual ones.
mode_t modeFor(const std::filesystem::path& target) {
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0)
        return old.st_mode & 07777;
    mode_t mask = ::umask(0);
    ::umask(mask);
    return mode_t{0666} & ~mask;
}

std::error_code replaceFileDurablyAt(const std::filesystem::path& target, std::string_view bytes) {
    TemporaryName temporary;
    int fd = openUnnamed(target);
    const bool unnamed = fd >= 0;
    if (!unnamed && !unnamedUnsupported(errno))
        return reason(errno);
    if (!unnamed && (fd = nameTemporary(target, -1, temporary)) < 0)
        return reason(errno);
    FileDescriptor file(fd);

    if (::fchmod(file.get(), modeFor(target)) != 0)
        return reason(errno);
    if (auto problem = writeAll(file.get(), bytes))
        return problem;
    if (::fsync(file.get()) != 0)
        return reason(errno);
    // Only now, with the whole file on disk, does it get a name, just long enough to rename it.
    if (unnamed && nameTemporary(target, file.get(), temporary) < 0)
        return reason(errno);
    if (!file.close())
        return reason(errno);
    if (::rename(temporary.path().c_str(), target.c_str()) != 0)
        return reason(errno);
    temporary.renamed();

    // Flush the folder too, so that the new name itself survives a power cut. The new file is
    // already in place here and cannot be taken back, so a folder that refuses the flush (some
    // file systems do not support it) does not turn the completed write into a failure.
    FileDescriptor directory(::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() >= 0)
        static_cast<void>(::fsync(directory.get()));
    return {};
}

bool canCreateBeside(const std::filesystem::path& target) {
    FileDescriptor unnamed(openUnnamed(target));
    if (unnamed.get() >= 0)
        return true;
    if (!unnamedUnsupported(errno))
        return false;
    TemporaryName temporary;
    FileDescriptor named(nameTemporary(target, -1, temporary));
    return named.get() >= 0;
}

#endif

} // namespace

std::error_code replaceFileDurably(const std::filesystem::path& target,
                                   std::string_view bytes) noexcept {
    try {
        return replaceFileDurablyAt(followLink(target), bytes);
    } catch (...) {
        return std::make_error_code(std::errc::not_enough_memory);
    }
}

bool canWriteBeside(const std::filesystem::path& target) noexcept {
    try {
        return canCreateBeside(target);
    } catch (...) {
        return false;
    }
}

void removeAbandonedTemporaryFiles(const std::filesystem::path& target) noexcept {
    using namespace std::chrono_literals;
    try {
        const auto resolved = followLink(target);
        const auto cutoff = std::filesystem::file_time_type::clock::now() - 10min;
        std::error_code error;
        for (std::filesystem::directory_iterator entry(folderOf(resolved), error), end;
             !error && entry != end; entry.increment(error)) {
            std::error_code ignored;
            const auto name = entry->path().filename().native();
            const bool linked = isTemporaryFileOf(name, resolved, linkedMarker);
            if ((!linked && !isTemporaryFileOf(name, resolved, temporaryMarker)) ||
                !entry->is_regular_file(ignored) || entry->is_symlink(ignored))
                continue;
            // A linked name lives only for an instant in a write that is not killed, so one
            // seen here is abandoned whatever its age.
            const auto modified = entry->last_write_time(ignored);
            if (linked || (!ignored && modified < cutoff))
                std::filesystem::remove(entry->path(), ignored);
        }
    } catch (...) {
        // Nothing to sweep then: a leftover only takes room, it never stops a deal.
    }
}

} // namespace kov
