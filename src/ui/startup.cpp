#include "ui/startup.h"

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
openMainWindow(const QString& programFolder,
               const std::function<void(const QString& problem)>& tellProblem) {
    const auto cardFile = toPath(programFolder) / "card.txt";
    auto window = std::make_unique<frmKOV>(programFolder, cardFile);
    if (auto problem = window->Form_Load()) {
        std::fprintf(stderr, "kov: %s\n", problem->c_str());
        std::fflush(stderr);
        tellProblem(QString::fromStdString(*problem));
        return nullptr;
    }
    return window;
}

} // namespace kov
