#include "logging.h"

namespace tapwell {

Q_LOGGING_CATEGORY(lcWindow, "tapwell.progresswindow")

} // namespace tapwell
