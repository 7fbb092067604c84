#include "pictures/program_icon.h"

namespace kov {

QIcon programIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/icon/kov-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icon/kov-32.png"), QSize(32, 32));
    return icon;
}

} // namespace kov
