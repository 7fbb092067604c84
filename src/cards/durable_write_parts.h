#pragma once

#include <cstdint>
#include <filesystem>
#include <random>
#include <string_view>
#include <system_error>

namespace kov {

// A file written under its temporary name from the start, for as long as the write takes.
inline constexpr std::string_view temporaryMarker = ".kov-tmp-";
// A complete file that got its name only for the instant before the rename (Linux).
inline constexpr std::string_view linkedMarker = ".kov-new-";
// Names tried before a write gives up, each taken by another file.
inline constexpr int namesTried = 100;

// The folder a file lies in; "." for a bare file name.
[[nodiscard]] std::filesystem::path folderOf(const std::filesystem::path& file);

// Fresh temporary names beside a file: ".<name><marker>" and six random letters or digits. A
// name already taken is simply tried again with the next.
class TemporaryNames {
public:
    TemporaryNames();
    [[nodiscard]] std::filesystem::path next(const std::filesystem::path& target,
                                             std::string_view marker);

private:
    std::mt19937_64 engine_;
};

// Each system's half, given a target that is no link.
[[nodiscard]] std::error_code replaceResolvedFile(const std::filesystem::path& target,
                                                  std::string_view bytes);
[[nodiscard]] std::error_code tryCreatingBeside(const std::filesystem::path& target);

} // namespace kov
