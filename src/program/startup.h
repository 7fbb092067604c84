#pragma once

#include <QString>

#include <filesystem>
#include <functional>
#include <memory>

namespace kov {

class frmKOV;

// What the program does when it starts: the main window is made and the first hand dealt
// before it is shown, from the card file in the game's data folder (gameDataFolder), or in
// userFolder when the player has no right to write that folder (see locateCardFile). When the card
// file cannot be used, the reason goes to the log (standard error on Linux) and to tellProblem (a
// message box in the real program), and nothing is returned. An empty programFolder means it could
// not be found, and is refused.
[[nodiscard]] std::unique_ptr<frmKOV>
openMainWindow(const std::filesystem::path& programFolder, const std::filesystem::path& userFolder,
               const std::function<void(const QString& problem)>& tellProblem);

// Sets up the process before anything else: a closed standard stream gets the null device, log
// lines go to standard error as "kov: ..." on Linux whatever Qt would choose, a file-size limit
// makes a write fail (and the deal be refused) and a reader of standard error that has gone
// makes it fail, instead of killing the program, and a scale factor that would leave no usable
// window (not a number, below a quarter or above fifty) is ignored.
void prepareProcess();

} // namespace kov
