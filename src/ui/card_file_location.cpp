#include "ui/card_file_location.h"

#include "cards/durable_write.h"
#include "ui/startup.h"

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
        return {shipped, {}};

    const auto own = toPath(userFolder) / cardFileName;
    std::error_code error;
    if (std::filesystem::exists(own, error))
        return {own, {}};
    // A missing or unreadable shipped file is left for the deal to refuse with its own message.
    std::ifstream in(shipped, std::ios::binary);
    if (!in)
        return {shipped, {}};
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    if (!QDir().mkpath(userFolder)) {
        return {shipped, "The folder " + own.parent_path().string() +
                             " for your own copy of the card file could not be made."};
    }
    if (auto reason = replaceFileDurably(own, bytes)) {
        return {shipped, "Your own copy of the card file could not be made at \"" + own.string() +
                             "\": " + *reason + "."};
    }
    return {own, {}};
}

} // namespace kov
