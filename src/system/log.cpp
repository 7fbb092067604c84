#include "system/log.h"

namespace kov {

Q_LOGGING_CATEGORY(programLog, "kov")
Q_LOGGING_CATEGORY(decodesLog, "kov.decodes", QtWarningMsg)

} // namespace kov
