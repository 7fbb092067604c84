#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace kov {

// Replaces the file at target with bytes so that at every moment the path holds either the old
// or the new complete file, even across a crash or a power cut: the bytes go to a fresh file in
// the same folder, are flushed to disk and renamed over the old one. Returns the system's error
// when any step fails; the old file is then untouched and no temporary file is left behind.
[[nodiscard]] std::error_code replaceFileDurably(const std::filesystem::path& target,
                                                 std::string_view bytes);

} // namespace kov
