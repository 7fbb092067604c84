#include "system/folders.h"

#include "cards/card_file.h"

namespace kov {

std::filesystem::path gameDataFolder(const std::filesystem::path& programFolder) {
    std::error_code error;
    if (programFolder.empty() || std::filesystem::exists(std::filesystem::symlink_status(
                                     programFolder / CardFile::fileName, error)))
        return programFolder;
    // Where the build's install rules put the data, seen from where they put the executable.
    const auto installed = (programFolder / KOV_DATA_FOLDER_FROM_PROGRAM).lexically_normal();
    if (std::filesystem::is_directory(installed, error))
        return installed;
    return programFolder;
}

} // namespace kov
