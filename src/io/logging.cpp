#include "logging.h"

namespace tapwell {

Q_LOGGING_CATEGORY(lcSettings, "tapwell.settings")

} // namespace tapwell
