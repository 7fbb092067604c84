#include "cards/card_file_location.h"

#include "cards/card_file.h"
#include "files/durable_write.h"

namespace kov {

namespace {

using Kind = CardFileProblem::Kind;

} // namespace

CardFileLocation locateCardFile(const std::filesystem::path& programFolder,
                                const std::filesystem::path& userFolder) {
    const auto shipped = programFolder / CardFile::fileName;
    if (userFolder.empty())
        return {shipped, std::nullopt};
    // A folder the player may write keeps its own deck, whatever the player's folder holds: a
    // folder unpacked or installed just for this player deals from the file it was given.
    const std::error_code unwritable = whyCannotWriteBeside(shipped);
    if (!unwritable)
        return {shipped, std::nullopt};
    // A folder that is full or failing is the player's to mend: a copy elsewhere would fork the
    // order as soon as it is mended.
    if (!meansNoRightToWrite(unwritable))
        return {shipped, CardFileProblem{Kind::FolderNotWritable, shipped, 0, unwritable}};
    // A relative folder would be another one for each working directory, and so another deck.
    if (!userFolder.is_absolute())
        return {shipped, CardFileProblem{Kind::UserFolderNotFullPath, userFolder, 0, {}}};
    const auto own = userFolder / CardFile::fileName;
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(own, error)))
        return {own, std::nullopt};

    // Only a file that can be dealt from is copied, and only the deck it holds.
    const CardFileContents contents = CardFile(shipped).read();
    if (contents.problem)
        return {shipped, contents.problem};
    if (std::filesystem::create_directories(userFolder, error); error)
        return {shipped, CardFileProblem{Kind::UserFolderNotMade, userFolder, 0, error}};
    if (auto failure = replaceFileDurably(own, cardFileBytes(*contents.cards)))
        return {shipped, CardFileProblem{Kind::UserCopyNotMade, own, 0, failure}};
    return {own, std::nullopt};
}

} // namespace kov
