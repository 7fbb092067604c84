#include "ui/startup.h"

#include "ui/card_file_location.h"
#include "ui/frmkov.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace kov {

std::filesystem::path toPath(const QString& name) {
#ifdef _WIN32
    return std::filesystem::path(name.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(name).toStdString());
#endif
}

std::unique_ptr<frmKOV>
openMainWindow(const QString& programFolder, const QString& userFolder,
               const std::function<void(const QString& problem)>& tellProblem) {
    auto refuse = [&](const std::string& problem) {
        std::fprintf(stderr, "kov: %s\n", problem.c_str());
        std::fflush(stderr);
        tellProblem(QString::fromStdString(problem));
    };
    const CardFileLocation cardFile = locateCardFile(programFolder, userFolder);
    if (!cardFile.problem.empty()) {
        refuse(cardFile.problem);
        return nullptr;
    }
    auto window = std::make_unique<frmKOV>(programFolder, cardFile.path);
    if (auto problem = window->Form_Load()) {
        refuse(*problem);
        return nullptr;
    }
    return window;
}

} // namespace kov
