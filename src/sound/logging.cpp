#include "logging.h"

namespace tapwell {

Q_LOGGING_CATEGORY(lcSound, "tapwell.sound")

} // namespace tapwell
