#include "ui/card_file_location.h"

#include "cards/card_file.h"
#include "cards/durable_write.h"
#include "ui/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace kov {

namespace {

constexpr auto cardFileName = "card.txt";

using Kind = CardFileProblem::Kind;

} // namespace

std::filesystem::path programFolder() {
#ifdef __linux__
    // Qt turns the executable's path into text and loses a name that is not valid UTF-8.
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && executable.is_absolute())
        return executable.parent_path();
#endif
    const QString folder = QCoreApplication::applicationDirPath();
    return folder.isEmpty() ? std::filesystem::path() : toPath(folder);
}

QString userDataFolder() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // The base-directory rules: a relative XDG_DATA_HOME is ignored. An empty HOME gives /.local.
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (!QDir::isAbsolutePath(base)) {
        const QString home = QDir::homePath();
        base = home + QStringLiteral("/.local/share");
    }
    return QDir::cleanPath(base + QLatin1Char('/') + QCoreApplication::organizationName() +
                           QLatin1Char('/') + QCoreApplication::applicationName());
#else
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
#endif
}

CardFileLocation locateCardFile(const std::filesystem::path& programFolder,
                                const QString& userFolder) {
    const auto shipped = programFolder / cardFileName;
    if (!whyCannotWriteBeside(shipped) || userFolder.isEmpty())
        return {shipped, std::nullopt};

    const auto own = toPath(userFolder) / cardFileName;
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(own, error)))
        return {own, std::nullopt};
    // Only a file that can be dealt from is copied, and only the deck it holds.
    const CardFileContents contents = CardFile(shipped).read();
    if (contents.problem)
        return {shipped, contents.problem};
    if (!QDir().mkpath(userFolder))
        return {shipped, CardFileProblem{Kind::UserFolderNotMade, own.parent_path(), 0, {}}};
    if (auto failure = replaceFileDurably(own, cardFileBytes(*contents.cards)))
        return {shipped, CardFileProblem{Kind::UserCopyNotMade, own, 0, failure}};
    return {own, std::nullopt};
}

} // namespace kov
