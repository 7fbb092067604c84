#pragma once

#include <filesystem>
#include <string>

namespace kov::test {

// A temporary folder of its own, removed with everything in it when it goes; plain C++, for the
// programs that run without Qt too. An invalid one (empty path) means it could not be made.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& prefix = "kov-test");
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder();
    [[nodiscard]] bool isValid() const { return !path_.empty(); }
    [[nodiscard]] const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace kov::test
