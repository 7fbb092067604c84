#pragma once

#include <QIcon>

namespace kov {

// The program's icon, shared by all three windows.
[[nodiscard]] QIcon programIcon();

} // namespace kov
