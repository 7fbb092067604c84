#pragma once

#include "cards/card_file_problem.h"

#include <filesystem>
#include <optional>

namespace kov {

// Where the deck order is kept: card.txt in the program's folder, as long as that folder can be
// written, whatever the player's own folder holds. An installed copy that an ordinary user has no
// right to write to (no permission, a read-only disk) keeps the order in the user's own data
// folder instead, starting from the program folder's card.txt the first time, and goes on with
// that copy from then on. That copy is only made from a card file that can be dealt from;
// otherwise the program folder's file is refused by name and nothing is made. A program folder
// that fails for another reason (a full disk) is refused with that reason, and so is a user's
// folder that is not a full path.
struct CardFileLocation {
    std::filesystem::path path;
    std::optional<CardFileProblem> problem; // set when neither file can be dealt from
};

[[nodiscard]] CardFileLocation locateCardFile(const std::filesystem::path& programFolder,
                                              const std::filesystem::path& userDataFolder);

} // namespace kov
