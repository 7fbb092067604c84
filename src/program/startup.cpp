#include "program/startup.h"

#include "cards/card_file_location.h"
#include "files/durable_write.h"
#include "forms/frmkov.h"
#include "system/folders.h"
#include "system/log.h"
#include "texts/table_texts.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

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

// A standard stream that was closed gets the null device, before anything opens a file or a
// connection: otherwise the next one opened (the display's connection) takes its number, and a
// warning meant for standard error is written into it.
void giveClosedStreamsTheNullDevice() {
    for (int stream = STDIN_FILENO; stream <= STDERR_FILENO; ++stream) {
        if (fcntl(stream, F_GETFD) == -1 && errno == EBADF) {
            const int opened = open("/dev/null", O_RDWR);
            if (opened != stream && opened >= 0)
                close(opened);
        }
    }
}
#endif

// Qt takes a scale factor as it stands: at zero no widget can paint, one that is not a number,
// endless, negative or tiny leaves a window of a pixel or none, and a huge one a window larger
// than a window system can address (32,767 pixels a side) that never appears. Such a factor is
// ignored, so that the window keeps a size the players can use. Factors are "2" or "1;2" or
// "name=1;name=2".
constexpr double smallestScale = 0.25;
constexpr double largestScale = 50.0;

bool holdsUnusableScale(const QString& factors) {
    for (const QString& entry : factors.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        bool isNumber = false;
        const double scale = entry.section(QLatin1Char('='), -1).toDouble(&isNumber);
        if (isNumber && !(scale >= smallestScale && scale <= largestScale))
            return true;
    }
    return false;
}

} // namespace

void prepareProcess() {
#ifndef _WIN32
    giveClosedStreamsTheNullDevice();
#endif
    for (const char* name : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS"}) {
        if (holdsUnusableScale(qEnvironmentVariable(name)))
            qunsetenv(name);
    }
    qSetMessagePattern(QString::fromLatin1(logLinePattern));
#ifndef _WIN32
    qInstallMessageHandler(toStandardError);
    // A write that fails is reported by its call; neither a file-size limit nor a reader of
    // standard error that has gone away is a reason to stop the game.
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
#endif
}

std::unique_ptr<frmKOV>
openMainWindow(const std::filesystem::path& programFolder, const std::filesystem::path& userFolder,
               const std::function<void(const QString& problem)>& tellProblem) {
    auto refuse = [&](const CardFileProblem& problem) {
        const QString text = problemText(problem);
        qCWarning(programLog, "%s", qUtf8Printable(text));
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
