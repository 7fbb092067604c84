#pragma once

#include <system_error>
#include <utility>

#include <windows.h>

namespace kov {

// The system's reason for the call that just failed.
[[nodiscard]] inline std::error_code lastError() {
    return {static_cast<int>(GetLastError()), std::system_category()};
}

// An open file handle, closed when it goes.
class FileHandle {
public:
    FileHandle() = default;
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(FileHandle&& other) noexcept
        : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    FileHandle& operator=(FileHandle&& other) noexcept {
        std::swap(handle_, other.handle_);
        return *this;
    }
    ~FileHandle() {
        if (isOpen())
            CloseHandle(handle_);
    }

    [[nodiscard]] bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    [[nodiscard]] HANDLE get() const { return handle_; }
    // Closes now and reports the result: a delayed write error can first show up here.
    [[nodiscard]] std::error_code close() {
        return CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) ? std::error_code()
                                                                         : lastError();
    }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

} // namespace kov
