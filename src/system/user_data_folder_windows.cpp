#include "system/folders.h"

#include "system/paths.h"

#include <QStandardPaths>

namespace kov {

// %APPDATA%\Vantrel\KOV.
std::filesystem::path userDataFolder() {
    return toPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

} // namespace kov
