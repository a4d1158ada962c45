// What went wrong with the progress record, in words a parent understands.
#pragma once

#include "progress/childrenservice.h"
#include "progress/export.h"
#include "progress/sender.h"
#include "progress/store.h"

#include <QString>

namespace tapwell {

// "Tapwell cannot save progress: the disk is full."; empty when there is no problem.
QString recordProblemText(const progress::StoreProblem& problem);

// The classroom's note while lines wait on this computer; empty when all are on the
// school's server.
QString sendNoteText(const progress::SendStatus& status);

// Why a child could not be added, renamed or removed.
QString childErrorText(const progress::ChildError& error);

// Why "Save as CSV…" or `tapwell --export-progress` wrote nothing.
QString exportErrorText(const progress::ExportError& error);

} // namespace tapwell
