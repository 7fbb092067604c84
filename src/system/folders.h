#pragma once

#include <filesystem>

namespace kov {

// The folder holding the running program, found from the system's own record of the
// executable, whatever bytes its name holds; empty when it cannot be found.
[[nodiscard]] std::filesystem::path programFolder();

// The desktop's per-user data folder for this program, as the system's own bytes.
[[nodiscard]] std::filesystem::path userDataFolder();

} // namespace kov
