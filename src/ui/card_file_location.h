#pragma once

#include "cards/card_file_problem.h"

#include <QString>

#include <filesystem>
#include <optional>

namespace kov {

// Where the deck order is kept: card.txt in the program's folder, as long as that folder can be
// written. An installed copy that an ordinary user cannot write to keeps the order in the
// user's own data folder instead, starting from the program folder's card.txt the first time.
// That copy is only made from a card file that can be dealt from; otherwise the program
// folder's file is refused by name and nothing is made.
struct CardFileLocation {
    std::filesystem::path path;
    std::optional<CardFileProblem> problem; // set when neither file can be dealt from
};

[[nodiscard]] CardFileLocation locateCardFile(const std::filesystem::path& programFolder,
                                              const QString& userDataFolder);

// The folder holding the running program, found from the system's own record of the
// executable, whatever bytes its name holds; empty when it cannot be found.
[[nodiscard]] std::filesystem::path programFolder();

// The desktop's per-user data folder for this program.
[[nodiscard]] QString userDataFolder();

} // namespace kov
