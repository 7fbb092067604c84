#include "program/application_setup.h"

#include "pictures/program_icon.h"
#include "version.h"

#include <QApplication>

namespace kov {

void setUpApplication() {
    QApplication::setApplicationName(QStringLiteral("KOV"));
    QApplication::setOrganizationName(QStringLiteral("Vantrel"));
    QApplication::setApplicationVersion(QStringLiteral(KOV_VERSION));
    QApplication::setWindowIcon(programIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("com.vantrel.KOV"));
}

} // namespace kov
