#include "durable_write_p.h"
#include "file_handle_posix_p.h"
#include "files/durable_write.h"

#include <string>

#include <fcntl.h>
#include <sys/stat.h>

namespace kov {

namespace {

void unlinkFile(const std::filesystem::path& path) {
    ::unlink(path.c_str());
}
// A temporary file's name, unlinked again unless the file was renamed into place.
using TemporaryFile = TemporaryName<unlinkFile>;

// A fresh file with no name in target's folder, where the file system allows.
std::error_code openUnnamed([[maybe_unused]] const std::filesystem::path& target,
                            FileDescriptor& file) {
#ifdef O_TMPFILE
    const auto folder = folderOf(target);
    file = FileDescriptor(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
    return file.isOpen() ? std::error_code() : lastError();
#else
    return std::make_error_code(std::errc::operation_not_supported);
#endif
}

// Whether openUnnamed failed only because the file system has no unnamed files.
bool unnamedUnsupported(const std::error_code& error) {
    const int number = error.value();
    return number == EOPNOTSUPP || number == EISDIR || number == EINVAL;
}

// A new file under a fresh temporary name beside target.
std::error_code createNamed(const std::filesystem::path& target, FileDescriptor& file,
                            TemporaryFile& name) {
    return makeUnderFreshName(target, temporaryMarker, EEXIST, name, [&](const auto& path) {
        file = FileDescriptor(::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600));
        return file.isOpen() ? std::error_code() : lastError();
    });
}

// Gives the unnamed file a fresh temporary name beside target, through the link to it that the
// system keeps under /proc.
std::error_code linkUnnamed(const std::filesystem::path& target, const FileDescriptor& file,
                            TemporaryFile& name) {
    const std::string link = "/proc/self/fd/" + std::to_string(file.get());
    return makeUnderFreshName(target, linkedMarker, EEXIST, name, [&](const auto& path) {
        const int linked =
            ::linkat(AT_FDCWD, link.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW);
        return linked == 0 ? std::error_code() : lastError();
    });
}

std::error_code writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return lastError();
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
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mode_t{0666} & ~mask;
}

// The file's permissions and bytes, flushed to disk.
std::error_code writeAndFlush(const FileDescriptor& file, std::string_view bytes, mode_t mode) {
    if (::fchmod(file.get(), mode) != 0)
        return lastError();
    if (auto problem = writeAll(file.get(), bytes))
        return problem;
    if (::fsync(file.get()) != 0)
        return lastError();
    return {};
}

// The bytes in a closed file beside target, on disk, under the name that temporary holds.
std::error_code writeTemporary(const std::filesystem::path& target, std::string_view bytes,
                               TemporaryFile& temporary) {
    const mode_t mode = modeFor(target);
    FileDescriptor unnamed;
    const std::error_code unnamedError = openUnnamed(target, unnamed);
    if (!unnamedError) {
        if (auto problem = writeAndFlush(unnamed, bytes, mode))
            return problem;
        // Only now, with the whole file on disk, does it get a name, just long enough to rename
        // it. Without /proc (a minimal container or chroot) it can get none, and the bytes are
        // written again below under a name of their own.
        if (!linkUnnamed(target, unnamed, temporary))
            return unnamed.close();
    } else if (!unnamedUnsupported(unnamedError)) {
        return unnamedError;
    }
    FileDescriptor named;
    if (auto problem = createNamed(target, named, temporary))
        return problem;
    if (auto problem = writeAndFlush(named, bytes, mode))
        return problem;
    return named.close();
}

} // namespace

std::error_code replaceResolvedFile(const std::filesystem::path& target, std::string_view bytes) {
    TemporaryFile temporary;
    if (auto problem = writeTemporary(target, bytes, temporary))
        return problem;
    if (::rename(temporary.path().c_str(), target.c_str()) != 0)
        return lastError();
    temporary.released();

    // Flush the folder too, so that the new name itself survives a power cut. The new file is
    // already in place here and cannot be taken back, so a folder that refuses the flush (some
    // file systems do not support it) does not turn the completed write into a failure.
    const FileDescriptor folder(
        ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.isOpen())
        static_cast<void>(::fsync(folder.get()));
    return {};
}

std::error_code tryCreatingBeside(const std::filesystem::path& target) {
    FileDescriptor file;
    const std::error_code unnamedError = openUnnamed(target, file);
    if (!unnamedError || !unnamedUnsupported(unnamedError))
        return unnamedError;
    TemporaryFile temporary;
    return createNamed(target, file, temporary);
}

bool meansNoRightToWrite(const std::error_code& error) noexcept {
    return error.category() == std::generic_category() &&
           (error.value() == EACCES || error.value() == EPERM || error.value() == EROFS);
}

} // namespace kov
