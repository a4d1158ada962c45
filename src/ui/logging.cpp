#include "logging.h"

namespace tapwell {

Q_LOGGING_CATEGORY(lcPictures, "tapwell.pictures")

} // namespace tapwell
