#include "program/startup.h"

#include "cards/card_file_location.h"
#include "files/durable_write.h"
#include "forms/frmkov.h"
#include "system/folders.h"
#include "texts/table_texts.h"

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

// Qt 6.4 takes a scale factor of zero as it stands, and then no widget can paint; Qt 5 ignored
// one, and so does this program. Factors are "2" or "1;2" or "name=1;name=2".
bool holdsZeroScale(const QString& factors) {
    for (const QString& entry : factors.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        bool isNumber = false;
        const double scale = entry.section(QLatin1Char('='), -1).toDouble(&isNumber);
        if (isNumber && qFuzzyIsNull(scale))
            return true;
    }
    return false;
}

} // namespace

void prepareProcess() {
    for (const char* name : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS"}) {
        if (holdsZeroScale(qEnvironmentVariable(name)))
            qunsetenv(name);
    }
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
    const auto dataFolder = gameDataFolder(programFolder);
    const CardFileLocation cardFile = locateCardFile(dataFolder, userFolder);
    if (cardFile.problem) {
        refuse(*cardFile.problem);
        return nullptr;
    }
    // Once per start rather than at every deal: what killed writes left behind.
    removeAbandonedTemporaryFiles(cardFile.path);
    auto window = std::make_unique<frmKOV>(dataFolder, cardFile.path);
    if (auto problem = window->Form_Load()) {
        refuse(*problem);
        return nullptr;
    }
    return window;
}

} // namespace kov
