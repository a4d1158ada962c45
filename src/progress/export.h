// The whole record as CSV for a parent or a teacher: one row per line, with the child's
// name, under a header row naming the columns.
#pragma once

#include "progress/store.h"

#include <QString>

namespace tapwell::progress {

// Writes the file whole (atomically); false with a reason a parent understands when it
// cannot.
bool exportCsv(Store& store, const QString& file, QString& error);

} // namespace tapwell::progress
