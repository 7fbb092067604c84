#pragma once

#include <QString>

#include <filesystem>

namespace kov {

// A file name from Qt for the standard library, right for any name the system allows: the file
// system's own bytes on Linux, UTF-16 on Windows. Paths stay std::filesystem::path from there
// on, so that a name that is not valid text still reaches the file.
[[nodiscard]] std::filesystem::path toPath(const QString& name);

// A path as the player reads it, with the system's own separators; only for showing, since a
// name that is not valid text cannot come back from it.
[[nodiscard]] QString displayPath(const std::filesystem::path& path);

} // namespace kov
