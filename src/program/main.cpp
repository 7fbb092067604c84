#include "cards/card_file_location.h"
#include "forms/frmkov.h"
#include "program/application_setup.h"
#include "program/startup.h"
#include "system/folders.h"
#include "texts/table_texts.h"
#include "texts/translation.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    kov::prepareProcess();
    QApplication app(argc, argv);
    kov::setUpApplication();
    const kov::Translation translation;

    auto window = kov::openMainWindow(
        kov::programFolder(), kov::userDataFolder(), [](const QString& problem) {
            QMessageBox box(QMessageBox::Critical, kov::programTitle(), problem, QMessageBox::Ok);
            box.exec();
        });
    if (!window)
        return 1;
    window->show();
    return QApplication::exec();
}
