#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace kov {

// Why a file was not read.
enum class FileRefusal {
    Missing,    // nothing at the path
    Folder,     // a folder stands there
    NotAFile,   // something else that is not an ordinary file: a FIFO, a device, a socket
    LinkLoop,   // links that lead round in a loop
    TooLarge,   // more bytes than the bound, where that refuses the file
    Unreadable, // the system refused the open or the read
};

// What a file holding more bytes than the bound gives: its first bytes, or a refusal.
enum class PastTheBound { Ignored, Refused };

struct FileBytes {
    std::string bytes;                  // at most the bound
    std::optional<FileRefusal> refusal; // set when the file was not read
    std::error_code error;              // the system's reason, where it gave one
};

// Reads at most bound bytes of the file at path. The file is opened without waiting, so that a
// FIFO or a device in its place cannot stall the program, and checked on the opened handle to be
// an ordinary file (or a link to one), so that what is read is what was checked. A file that
// grows while it is read is read no further than the bound. No exception leaves.
[[nodiscard]] FileBytes readFileBounded(const std::filesystem::path& path, std::size_t bound,
                                        PastTheBound past) noexcept;

} // namespace kov
