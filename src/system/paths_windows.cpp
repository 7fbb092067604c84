#include "system/paths.h"

#include <QDir>

namespace kov {

// Windows names files in UTF-16, as Qt holds text.
std::filesystem::path toPath(const QString& name) {
    return std::filesystem::path(name.toStdWString());
}

QString displayPath(const std::filesystem::path& path) {
    return QDir::toNativeSeparators(QString::fromStdWString(path.native()));
}

} // namespace kov
