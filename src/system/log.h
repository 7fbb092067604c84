#pragma once

#include <QLoggingCategory>

namespace kov {

// The program's own lines on standard error, read by players, launchers' logs and the tests:
// printed "kov: <message>" (prepareProcess sets the pattern).
Q_DECLARE_LOGGING_CATEGORY(programLog)

// One line for each card picture decoded, with the bytes then kept; off unless asked for
// (QT_LOGGING_RULES="kov.decodes.debug=true"), as the benchmarks do to count decodes.
Q_DECLARE_LOGGING_CATEGORY(decodesLog)

// Each line as "category: message", "kov: ..." for the program's own; Qt's own default.
inline constexpr char logLinePattern[] = "%{if-category}%{category}: %{endif}%{message}";

} // namespace kov
