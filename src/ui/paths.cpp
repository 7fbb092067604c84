#include "ui/paths.h"

#include <QDir>
#include <QFile>

namespace kov {

std::filesystem::path toPath(const QString& name) {
#ifdef _WIN32
    return std::filesystem::path(name.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(name).toStdString());
#endif
}

QString displayPath(const std::filesystem::path& path) {
#ifdef _WIN32
    const QString text = QString::fromStdWString(path.native());
#else
    const QString text = QFile::decodeName(QByteArray::fromStdString(path.native()));
#endif
    return QDir::toNativeSeparators(text);
}

} // namespace kov
