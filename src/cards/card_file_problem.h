#pragma once

#include <filesystem>
#include <system_error>

namespace kov {

// Why the cards could not be dealt from a card file. The windows turn it into the words the
// player reads; the rules and the tests deal only in these values.
struct CardFileProblem {
    enum class Kind {
        Missing,               // no file at the path
        Folder,                // a folder stands where the file should be
        NotAFile,              // something else that is not an ordinary file
        LinkLoop,              // links that lead round in a loop
        Unreadable,            // the system refused the read (error)
        Empty,                 // 0 bytes
        TooShort,              // fewer than 108 whole cards (wholeCards)
        NotSaved,              // the new order could not be written (error)
        FolderNotWritable,     // no file can be made beside it, though it is ours to (error)
        UserFolderNotMade,     // an installed copy's per-user folder could not be made (error)
        UserFolderNotFullPath, // the per-user folder is named by a relative path (no error)
        UserCopyNotMade,       // an installed copy's per-user card file could not be made (error)
        ProgramFolderNotFound, // the folder holding the program itself is unknown (no path)
    };

    Kind kind;
    std::filesystem::path path; // the file refused, or for the per-user folder's kinds the folder
    int wholeCards = 0;         // for TooShort
    std::error_code error;      // the system's reason, where there is one

    friend bool operator==(const CardFileProblem&, const CardFileProblem&) = default;
};

} // namespace kov
