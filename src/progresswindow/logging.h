// "My Progress"'s diagnostics.
// Off unless QT_LOGGING_RULES turns them on (see shell/logging.h).
#pragma once

#include <QLoggingCategory>

namespace tapwell {

Q_DECLARE_LOGGING_CATEGORY(lcWindow)

} // namespace tapwell
