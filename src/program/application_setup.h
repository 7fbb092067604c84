#pragma once

namespace kov {

// Names the running program to Qt and the desktop: name, organisation, version, icon and the
// desktop entry it belongs to. Called once, right after the QApplication is made.
void setUpApplication();

} // namespace kov
