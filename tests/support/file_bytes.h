#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>
#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace kov::test {

// A file's bytes, plain C++ for the programs that run without Qt; "" when it cannot be read.
[[nodiscard]] inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}

// The names in a folder, sorted.
[[nodiscard]] inline std::vector<std::string> folderEntries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Puts in a file's place what a folder may hold instead: "folder", "fifo" (POSIX only), "loop"
// (a link to itself) or a link to the path named.
inline void putInPlaceOf(const std::filesystem::path& path, const std::string& thing) {
    if (thing == "folder")
        std::filesystem::create_directory(path);
    else if (thing == "loop")
        std::filesystem::create_symlink(path, path);
    else if (thing != "fifo")
        std::filesystem::create_symlink(thing, path);
#ifndef _WIN32
    else if (::mkfifo(path.c_str(), 0644) != 0)
        throw std::runtime_error("cannot make a FIFO at " + path.string());
#endif
}

} // namespace kov::test
