// The whole record as CSV for a parent or a teacher: one row per line, with the child's
// name, under a header row naming the columns.
#pragma once

#include "progress/store.h"

#include <QString>

namespace tapwell::progress {

enum class ExportFault { None, RecordUnreadable, FileIsFolder, NotAPlainFile, CannotWrite };

struct ExportError {
    ExportFault fault = ExportFault::None;
    StoreProblem record; // why the record cannot be read
    QString file;
    QString detail; // why the file cannot be written, as the system says it
};

// Writes the file whole (atomically), readable by the user alone when it is new; "-"
// writes to standard output. Only a plain file is replaced: a named pipe, a device or
// anything else of that name is left alone. False with what went wrong when it cannot.
bool exportCsv(Store& store, const QString& file, ExportError& error);
// The whole record as CSV text.
QByteArray csvOf(Store& store);

} // namespace tapwell::progress
