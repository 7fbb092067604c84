#include "ui/startup.h"

#include "ui/card_file_location.h"
#include "ui/frmkov.h"
#include "ui/table_texts.h"

#include <cstdio>

namespace kov {

std::unique_ptr<frmKOV>
openMainWindow(const QString& programFolder, const QString& userFolder,
               const std::function<void(const QString& problem)>& tellProblem) {
    auto refuse = [&](const CardFileProblem& problem) {
        const QString text = problemText(problem);
        std::fprintf(stderr, "kov: %s\n", qPrintable(text));
        std::fflush(stderr);
        tellProblem(text);
    };
    const CardFileLocation cardFile = locateCardFile(programFolder, userFolder);
    if (cardFile.problem) {
        refuse(*cardFile.problem);
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
