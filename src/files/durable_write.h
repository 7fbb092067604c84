#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace kov {

// Replaces the file at target with bytes so that at every moment the path holds either the old
// or the new complete file, even across a crash or a power cut: the bytes go to a fresh file in
// the same folder, are flushed to disk and renamed over the old one. Returns the system's error
// when any step fails; the old file is then untouched and no temporary file is left behind.
// Where the system allows (Linux), the fresh file has no name until just before the rename, so
// that a killed write leaves nothing behind either.
[[nodiscard]] std::error_code replaceFileDurably(const std::filesystem::path& target,
                                                 std::string_view bytes) noexcept;

// Why no file can be made beside target, found by making one and removing it again: the only
// answer that holds under every kind of permission and on a read-only disk. No error when one can.
[[nodiscard]] std::error_code whyCannotWriteBeside(const std::filesystem::path& target) noexcept;

// Whether error says that a folder is not the user's to write (no permission, a read-only disk),
// rather than a failure that befalls a folder the user may write: no space or quota left, too many
// open files, an I/O error.
[[nodiscard]] bool meansNoRightToWrite(const std::error_code& error) noexcept;

// Removes the temporary files that writes to target killed half-way left behind: only names of
// the exact forms the writes use. A file still being written under its temporary name is left
// alone until it is ten minutes old, since it may belong to another copy of the program; a
// complete file named only for the instant before its rename is removed at once.
void removeAbandonedTemporaryFiles(const std::filesystem::path& target) noexcept;

} // namespace kov
