#include "cards/durable_write.h"

#include <cerrno>
#include <chrono>
#include <system_error>

#ifdef _WIN32
#include <chrono>
#include <thread>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kov {

namespace {

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

#ifdef _WIN32

std::error_code windowsReason(DWORD code) {
    return {static_cast<int>(code), std::system_category()};
}

class TemporaryFile {
public:
    explicit TemporaryFile(std::filesystem::path path) : path_(std::move(path)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (!kept_)
            DeleteFileW(path_.c_str());
    }
    void keep() { kept_ = true; }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
    bool kept_ = false;
};

std::error_code writeAndFlush(const std::filesystem::path& path, std::string_view bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return windowsReason(GetLastError());
    DWORD written = 0;
    bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
              written == bytes.size();
    ok = ok && FlushFileBuffers(file);
    DWORD failure = ok ? 0 : GetLastError();
    if (!CloseHandle(file) && ok) {
        ok = false;
        failure = GetLastError();
    }
    if (!ok)
        return windowsReason(failure);
    return {};
}

std::error_code replaceFileDurablyAt(const std::filesystem::path& target, std::string_view bytes) {
    TemporaryFile temporary(target.parent_path() /
                            (L"." + target.filename().wstring() + L"." +
                             std::to_wstring(GetCurrentProcessId()) + L".new"));
    DeleteFileW(temporary.path().c_str()); // a leftover of an earlier run of this same process id
    if (auto problem = writeAndFlush(temporary.path(), bytes))
        return problem;
    // A virus scanner or indexer may hold the old file open for a moment: try again briefly.
    DWORD failure = 0;
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (MoveFileExW(temporary.path().c_str(), target.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            temporary.keep();
            return {};
        }
        failure = GetLastError();
        if (failure != ERROR_ACCESS_DENIED && failure != ERROR_SHARING_VIOLATION)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return windowsReason(failure);
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

class TemporaryFile {
public:
    explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (!renamed_)
            ::unlink(path_.c_str());
    }
    void renamed() { renamed_ = true; }
    [[nodiscard]] const std::string& path() const { return path_; }

private:
    std::string path_;
    bool renamed_ = false;
};

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

std::error_code replaceFileDurablyAt(const std::filesystem::path& target, std::string_view bytes) {
    const auto folder = folderOf(target);
    // A unique name, so that two copies of the program or a file left by a killed run never
    // collide with this write.
    std::string pattern = (folder / ('.' + target.filename().string() + ".XXXXXX")).string();
    int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return reason(errno);
    FileDescriptor file(fd);
    TemporaryFile temporary(pattern);

    // The new file keeps the old one's permissions; a first file gets the usual ones.
    struct stat old {};
    mode_t mode = 0666;
    if (::stat(target.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    if (::fchmod(file.get(), mode) != 0)
        return reason(errno);
    if (auto problem = writeAll(file.get(), bytes))
        return problem;
    if (::fsync(file.get()) != 0)
        return reason(errno);
    if (!file.close())
        return reason(errno);
    if (::rename(temporary.path().c_str(), target.c_str()) != 0)
        return reason(errno);
    temporary.renamed();

    // Flush the folder too, so that the new name itself survives a power cut. The new file is
    // already in place here and cannot be taken back, so a folder that refuses the flush (some
    // file systems do not support it) does not turn the completed write into a failure.
    FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() >= 0)
        static_cast<void>(::fsync(directory.get()));
    return {};
}

#endif

// A write killed between making its temporary file and the rename leaves that file behind.
// Those older than a few minutes are removed; a younger one may belong to a copy of the program
// that is writing at this moment.
void removeStaleTemporaryFiles(const std::filesystem::path& target) {
    using namespace std::chrono_literals;
    const auto prefix = '.' + target.filename().string() + '.';
    const auto cutoff = std::filesystem::file_time_type::clock::now() - 10min;
    std::error_code error;
    const auto folder = folderOf(target);
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const auto name = entry->path().filename().string();
        if (name.rfind(prefix, 0) != 0 || !entry->is_regular_file(error))
            continue;
        const auto modified = entry->last_write_time(error);
        if (!error && modified < cutoff)
            std::filesystem::remove(entry->path(), error);
        error.clear();
    }
}

} // namespace

std::error_code replaceFileDurably(const std::filesystem::path& target, std::string_view bytes) {
    const auto resolved = followLink(target);
    removeStaleTemporaryFiles(resolved);
    return replaceFileDurablyAt(resolved, bytes);
}

} // namespace kov
