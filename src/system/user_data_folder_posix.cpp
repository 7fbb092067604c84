#include "system/folders.h"

#include "system/paths.h"

#include <QCoreApplication>

namespace kov {

// The base-directory rules, on the environment's own bytes: a home folder whose name is not valid
// UTF-8 is still the user's. A relative XDG_DATA_HOME is ignored; an empty HOME is /.
std::filesystem::path userDataFolder() {
    std::filesystem::path base = qgetenv("XDG_DATA_HOME").toStdString();
    if (!base.is_absolute()) {
        const QByteArray home = qgetenv("HOME");
        base = std::filesystem::path(home.isEmpty() ? "/" : home.toStdString()) / ".local/share";
    }
    return (base / toPath(QCoreApplication::organizationName()) /
            toPath(QCoreApplication::applicationName()))
        .lexically_normal();
}

} // namespace kov
