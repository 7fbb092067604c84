#pragma once

#include <cerrno>
#include <system_error>
#include <utility>

#include <unistd.h>

namespace kov {

// The system's reason for the call that just failed.
[[nodiscard]] inline std::error_code lastError() {
    return {errno, std::generic_category()};
}

// An open file descriptor, closed when it goes.
class FileDescriptor {
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        std::swap(fd_, other.fd_);
        return *this;
    }
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }

    [[nodiscard]] bool isOpen() const { return fd_ >= 0; }
    [[nodiscard]] int get() const { return fd_; }
    // Closes now and reports the result: a delayed write error can first show up here.
    [[nodiscard]] std::error_code close() {
        return ::close(std::exchange(fd_, -1)) == 0 ? std::error_code() : lastError();
    }

private:
    int fd_ = -1;
};

} // namespace kov
