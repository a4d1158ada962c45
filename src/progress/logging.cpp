#include "logging.h"

namespace tapwell {

Q_LOGGING_CATEGORY(lcProgress, "tapwell.progress", QtCriticalMsg)

} // namespace tapwell
