// Diagnostics go to stderr only when asked for: a normal run prints nothing there.
#pragma once

#include <QLoggingCategory>

namespace tapwell {

Q_DECLARE_LOGGING_CATEGORY(lcShell)
Q_DECLARE_LOGGING_CATEGORY(lcPlugins)

// Turns our logging categories off unless QT_LOGGING_RULES turns them on, and keeps the
// sound backend's complaint about a missing sound server (a silent run is a normal run
// here) behind the sound category. Call once, before the first window.
void quietDiagnostics();

} // namespace tapwell
