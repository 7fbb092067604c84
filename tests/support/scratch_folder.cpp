#include "support/scratch_folder.h"

#include <random>
#include <system_error>

namespace kov::test {

ScratchFolder::ScratchFolder(const std::string& prefix) {
    std::error_code error;
    const auto temporary = std::filesystem::temp_directory_path(error);
    std::mt19937_64 random(std::random_device{}());
    // A name another folder already has is tried again with the next; any other failure ends it.
    for (int attempt = 0; attempt < 100 && !error && path_.empty(); ++attempt) {
        auto candidate = temporary / (prefix + "-" + std::to_string(random()));
        if (std::filesystem::create_directory(candidate, error))
            path_ = std::move(candidate);
    }
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    if (!path_.empty())
        std::filesystem::remove_all(path_, ignored);
}

} // namespace kov::test
