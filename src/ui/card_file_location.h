#pragma once

#include "cards/card_file_problem.h"

#include <QString>

#include <filesystem>
#include <optional>

namespace kov {

// Where the deck order is kept: card.txt in the program's folder, as long as that folder can be
// written. An installed copy that an ordinary user cannot write to keeps the order in the
// user's own data folder instead, starting from the program folder's card.txt the first time.
struct CardFileLocation {
    std::filesystem::path path;
    std::optional<CardFileProblem> problem; // set when the per-user copy could not be made
};

[[nodiscard]] CardFileLocation locateCardFile(const QString& programFolder,
                                              const QString& userDataFolder);

// The desktop's per-user data folder for this program.
[[nodiscard]] QString userDataFolder();

} // namespace kov
