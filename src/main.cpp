#include "ui/card_file_location.h"
#include "ui/frmkov.h"
#include "ui/program_icon.h"
#include "ui/startup.h"
#include "version.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    kov::prepareProcess();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KOV"));
    QApplication::setOrganizationName(QStringLiteral("Vantrel"));
    QApplication::setApplicationVersion(QStringLiteral(KOV_VERSION));
    QApplication::setWindowIcon(kov::programIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("com.vantrel.KOV"));

    auto window = kov::openMainWindow(
        kov::programFolder(), kov::userDataFolder(), [](const QString& problem) {
            QMessageBox box(QMessageBox::Critical, QStringLiteral("KOV"), problem, QMessageBox::Ok);
            box.exec();
        });
    if (!window)
        return 1;
    window->show();
    return QApplication::exec();
}
