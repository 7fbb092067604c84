#include "bounded_read_p.h"
#include "file_handle_windows_p.h"

#include <algorithm>

namespace kov {

namespace {

FileRefusal refusalOf(DWORD code) {
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return FileRefusal::Missing;
    case ERROR_CANT_RESOLVE_FILENAME:
        return FileRefusal::LinkLoop;
    default:
        return FileRefusal::Unreadable;
    }
}

} // namespace

// A pipe or a device opens at once or not at all here; a folder opens only with backup
// semantics, so that it can be told from a file the system refuses.
FileBytes openAndRead(const std::filesystem::path& path, std::size_t bound, PastTheBound past) {
    FileHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.isOpen()) {
        const std::error_code error = lastError();
        return refusedFile(refusalOf(static_cast<DWORD>(error.value())), error);
    }
    if (GetFileType(file.get()) != FILE_TYPE_DISK)
        return refusedFile(FileRefusal::NotAFile);
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(file.get(), &information))
        return refusedFile(FileRefusal::Unreadable, lastError());
    if ((information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return refusedFile(FileRefusal::Folder);
    const std::uintmax_t size =
        (std::uintmax_t{information.nFileSizeHigh} << 32) | information.nFileSizeLow;
    return readOpenedFile(
        size, bound, past, [&](char* into, std::size_t room, std::error_code& error) {
            DWORD got = 0;
            const auto asked =
                static_cast<DWORD>(std::min<std::size_t>(room, std::size_t{1} << 30));
            if (!ReadFile(file.get(), into, asked, &got, nullptr))
                error = lastError();
            return std::size_t{got};
        });
}

} // namespace kov
