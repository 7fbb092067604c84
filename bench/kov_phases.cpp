// KOV's own start-up as src/main.cpp does it, with a stamp after each step so that the start-up
// time can be broken down.
#include "cards/card_file_location.h"
#include "files/durable_write.h"
#include "forms/frmkov.h"
#include "program/application_setup.h"
#include "program/startup.h"
#include "startup_stamps.h"
#include "system/folders.h"

#include <QApplication>

#include <filesystem>
#include <memory>

int main(int argc, char* argv[]) {
    kov::bench::stamp("main");
    kov::prepareProcess();
    QApplication app(argc, argv);
    kov::bench::stamp("app"); // where the floor programs stamp it too
    kov::setUpApplication();

    // kov::openMainWindow, step by step, without its messages for a card file that cannot be
    // used: the benchmark's card file always can.
    const std::filesystem::path dataFolder = kov::gameDataFolder(kov::programFolder());
    const kov::CardFileLocation cardFile = kov::locateCardFile(dataFolder, kov::userDataFolder());
    if (cardFile.problem)
        return 1;
    kov::removeAbandonedTemporaryFiles(cardFile.path);
    kov::bench::stamp("located");
    auto window = std::make_unique<kov::frmKOV>(dataFolder, cardFile.path);
    kov::bench::stamp("built");
    if (window->Form_Load())
        return 1;
    kov::bench::stamp("dealt");
    window->show();
    kov::bench::stamp("shown");
    kov::bench::FirstExpose expose(window->windowHandle());
    return QApplication::exec();
}
