#include "system/folders.h"

#include "system/paths.h"

#include <QCoreApplication>

namespace kov {

std::filesystem::path programFolder() {
#ifdef __linux__
    // Qt turns the executable's path into text and loses a name that is not valid UTF-8.
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && executable.is_absolute())
        return executable.parent_path();
#endif
    const QString folder = QCoreApplication::applicationDirPath();
    return folder.isEmpty() ? std::filesystem::path() : toPath(folder);
}

} // namespace kov
