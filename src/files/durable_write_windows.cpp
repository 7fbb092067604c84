#include "durable_write_p.h"
#include "file_handle_windows_p.h"
#include "files/durable_write.h"

#include <chrono>
#include <thread>

namespace kov {

namespace {

void deleteFile(const std::filesystem::path& path) {
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(path.c_str());
}
// A temporary file, deleted again unless it was moved into place.
using TemporaryFile = TemporaryName<deleteFile>;

// A new file under a fresh temporary name beside target.
std::error_code createTemporary(const std::filesystem::path& target, DWORD flags, FileHandle& file,
                                TemporaryFile& name) {
    return makeUnderFreshName(
        target, temporaryMarker, ERROR_FILE_EXISTS, name, [&](const auto& path) {
            file = FileHandle(
                CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, flags, nullptr));
            return file.isOpen() ? std::error_code() : lastError();
        });
}

} // namespace

std::error_code replaceResolvedFile(const std::filesystem::path& target, std::string_view bytes) {
    TemporaryFile temporary;
    FileHandle file;
    if (auto problem = createTemporary(target, FILE_ATTRIBUTE_NORMAL, file, temporary))
        return problem;
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size() || !FlushFileBuffers(file.get()))
        return lastError();
    if (auto problem = file.close())
        return problem;

    // Windows will not replace a read-only file. A read-only card.txt is replaced anyway, as on
    // other systems, and the new file is read-only in its turn.
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool readOnly =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    if (readOnly) {
        if (!SetFileAttributesW(temporary.path().c_str(), FILE_ATTRIBUTE_READONLY) ||
            !SetFileAttributesW(target.c_str(), attributes & ~DWORD{FILE_ATTRIBUTE_READONLY}))
            return lastError();
    }
    // A virus scanner or indexer may hold the old file open for a moment: try again briefly,
    // never long enough to stall the window.
    std::error_code failure;
    for (int attempt = 0; attempt < 4; ++attempt) {
        if (MoveFileExW(temporary.path().c_str(), target.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            temporary.released();
            return {};
        }
        failure = lastError();
        if (failure.value() != ERROR_ACCESS_DENIED && failure.value() != ERROR_SHARING_VIOLATION)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (readOnly)
        SetFileAttributesW(target.c_str(), attributes);
    return failure;
}

std::error_code tryCreatingBeside(const std::filesystem::path& target) {
    // Gone again as soon as its handle closes.
    FileHandle file;
    TemporaryFile name;
    const std::error_code error =
        createTemporary(target, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, file, name);
    name.released();
    return error;
}

bool meansNoRightToWrite(const std::error_code& error) noexcept {
    if (error.category() != std::system_category())
        return false;
    switch (error.value()) {
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_NETWORK_ACCESS_DENIED:
        return true;
    default:
        return false;
    }
}

} // namespace kov
