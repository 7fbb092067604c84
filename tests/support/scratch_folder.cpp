#include "support/scratch_folder.h"

#include <random>
#include <system_error>

namespace kov::test {

ScratchFolder::ScratchFolder(const std::string& prefix) {
    std::error_code error;
    const auto temporary = std::filesystem::temp_directory_path(error);
    if (error)
        return;
    std::random_device seed;
    std::mt19937_64 random(seed());
    // A name another folder already has is tried again with the next.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto candidate = temporary / (prefix + "-" + std::to_string(random() % 1000000000));
        if (std::filesystem::create_directory(candidate, error)) {
            path_ = candidate;
            return;
        }
        if (error)
            return;
    }
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    if (!path_.empty())
        std::filesystem::remove_all(path_, ignored);
}

} // namespace kov::test
