#include "ui/startup.h"

#include "cards/durable_write.h"
#include "ui/card_file_location.h"
#include "ui/frmkov.h"
#include "ui/paths.h"
#include "ui/table_texts.h"

#include <QDebug>

#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace kov {

namespace {

#ifndef _WIN32
// Qt would send log lines to the system journal when no terminal is attached; the player's
// terminal, a launcher's log and the tests all read standard error.
void toStandardError(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const QString line = qFormatLogMessage(type, context, message);
    std::fprintf(stderr, "%s\n", qPrintable(line));
    std::fflush(stderr);
    if (type == QtFatalMsg)
        std::abort();
}
#endif

} // namespace

void prepareProcess() {
#ifndef _WIN32
    qInstallMessageHandler(toStandardError);
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

std::unique_ptr<frmKOV>
openMainWindow(const std::filesystem::path& programFolder, const std::filesystem::path& userFolder,
               const std::function<void(const QString& problem)>& tellProblem) {
    auto refuse = [&](const CardFileProblem& problem) {
        const QString text = problemText(problem);
        qWarning().noquote() << QStringLiteral("kov: %1").arg(text);
        tellProblem(text);
    };
    if (programFolder.empty()) {
        refuse(CardFileProblem{CardFileProblem::Kind::ProgramFolderNotFound, {}, 0, {}});
        return nullptr;
    }
    const CardFileLocation cardFile = locateCardFile(programFolder, userFolder);
    if (cardFile.problem) {
        refuse(*cardFile.problem);
        return nullptr;
    }
    // Once per start rather than at every deal: what killed writes left behind.
    removeAbandonedTemporaryFiles(cardFile.path);
    auto window = std::make_unique<frmKOV>(fromPath(programFolder), cardFile.path);
    if (auto problem = window->Form_Load()) {
        refuse(*problem);
        return nullptr;
    }
    return window;
}

} // namespace kov
