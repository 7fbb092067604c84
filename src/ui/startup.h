#pragma once

#include <QString>

#include <filesystem>
#include <functional>
#include <memory>

namespace kov {

class frmKOV;

// What the program does when it starts: the main window is made and the first hand dealt
// before it is shown, from the card file in the program's folder, or in userFolder when the
// program's folder cannot be written. When the card file cannot be used, the reason goes to
// standard error and to tellProblem (a message box in the real program), and nothing is
// returned.
[[nodiscard]] std::unique_ptr<frmKOV>
openMainWindow(const QString& programFolder, const QString& userFolder,
               const std::function<void(const QString& problem)>& tellProblem);

} // namespace kov
