#pragma once

#include <QString>

#include <filesystem>

namespace kov {

// File names between Qt and the standard library, right for any name the system allows: the
// file system's own bytes on Linux, UTF-16 on Windows.
[[nodiscard]] std::filesystem::path toPath(const QString& name);
[[nodiscard]] QString fromPath(const std::filesystem::path& path);

// A path as the player reads it, with the system's own separators.
[[nodiscard]] QString displayPath(const std::filesystem::path& path);

} // namespace kov
