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

// A temporary file's name, removed again (by each system's remove) when this goes, unless it was
// released: the file took its final name, or the system removes it by itself.
template <void (*remove)(const std::filesystem::path&)> class TemporaryName {
public:
    TemporaryName() = default;
    TemporaryName(const TemporaryName&) = delete;
    TemporaryName& operator=(const TemporaryName&) = delete;
    ~TemporaryName() {
        if (!path_.empty())
            remove(path_);
    }
    void made(std::filesystem::path path) { path_ = std::move(path); }
    void released() { path_.clear(); }
    [[nodiscard]] const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Tries fresh temporary names beside target until make, given one, makes a file under it, and
// tells name which; or returns the error of the last try. A name already taken (the system's
// error number taken) is tried again with the next; any other failure ends the tries.
template <typename Name, typename Make>
[[nodiscard]] std::error_code makeUnderFreshName(const std::filesystem::path& target,
                                                 std::string_view marker, int taken, Name& name,
                                                 Make&& make) {
    TemporaryNames names;
    std::error_code error;
    for (int attempt = 0; attempt < namesTried; ++attempt) {
        auto path = names.next(target, marker);
        error = make(path);
        if (!error) {
            name.made(std::move(path));
            return {};
        }
        if (error.value() != taken)
            break;
    }
    return error;
}

// Each system's half, given a target that is no link.
[[nodiscard]] std::error_code replaceResolvedFile(const std::filesystem::path& target,
                                                  std::string_view bytes);
[[nodiscard]] std::error_code tryCreatingBeside(const std::filesystem::path& target);

} // namespace kov
