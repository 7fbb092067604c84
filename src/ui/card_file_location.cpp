#include "ui/card_file_location.h"

#include "cards/durable_write.h"
#include "ui/paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <fstream>
#include <iterator>

namespace kov {

namespace {

constexpr auto cardFileName = "card.txt";

} // namespace

QString userDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

CardFileLocation locateCardFile(const QString& programFolder, const QString& userFolder) {
    const auto shipped = toPath(programFolder) / cardFileName;
    if (QFileInfo(programFolder).isWritable() || userFolder.isEmpty())
        return {shipped, std::nullopt};

    const auto own = toPath(userFolder) / cardFileName;
    std::error_code error;
    if (std::filesystem::exists(own, error))
        return {own, std::nullopt};
    // A missing or unreadable shipped file is left for the deal to refuse with its own message.
    std::ifstream in(shipped, std::ios::binary);
    if (!in)
        return {shipped, std::nullopt};
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    if (!QDir().mkpath(userFolder))
        return {shipped, CardFileProblem{
                             CardFileProblem::Kind::UserFolderNotMade, own.parent_path(), 0, {}}};
    if (auto failure = replaceFileDurably(own, bytes))
        return {shipped, CardFileProblem{CardFileProblem::Kind::UserCopyNotMade, own, 0, failure}};
    return {own, std::nullopt};
}

} // namespace kov
