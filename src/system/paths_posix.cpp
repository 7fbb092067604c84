#include "system/paths.h"

#include <QFile>

namespace kov {

// Qt's encoding of file names gives the file system's own bytes back, whatever they are.
std::filesystem::path toPath(const QString& name) {
    return std::filesystem::path(QFile::encodeName(name).toStdString());
}

QString displayPath(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

} // namespace kov
