#pragma once

#include <filesystem>

namespace kov {

// The folder holding the running program, found from the system's own record of the
// executable, whatever bytes its name holds; empty when it cannot be found.
[[nodiscard]] std::filesystem::path programFolder();

// The folder that holds the shipped card.txt and the card pictures. It is the program's own
// folder when card.txt is there (the build's program folder, an unpacked archive, Windows), and
// otherwise the folder an install puts them in, at its fixed place from the program's folder, if
// that folder exists; failing both, the program's own folder, so that a refusal names it.
[[nodiscard]] std::filesystem::path gameDataFolder(const std::filesystem::path& programFolder);

// The desktop's per-user data folder for this program, as the system's own bytes. It is relative
// when the environment names the home folder by a relative path; the card file's search refuses
// such a folder rather than use another one from each working directory.
[[nodiscard]] std::filesystem::path userDataFolder();

} // namespace kov
