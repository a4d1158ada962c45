#include "recordwords.h"

namespace tapwell {

namespace {

using progress::StoreFault;

QString reason(const progress::StoreProblem& p) {
    switch (p.fault) {
    case StoreFault::None:
        return {};
    case StoreFault::DiskFull:
        return QStringLiteral("the disk is full");
    case StoreFault::Busy:
        return QStringLiteral("another program is using the progress file");
    case StoreFault::ReadOnly:
        return QStringLiteral("the progress file cannot be written to");
    case StoreFault::CannotOpen:
        return QStringLiteral("the progress file cannot be opened");
    case StoreFault::WriteFailed:
        return QStringLiteral("the progress file could not be written (the disk may be full "
                              "or failing)");
    case StoreFault::Damaged:
        return QStringLiteral("the progress file is damaged");
    case StoreFault::Unusable:
        return QStringLiteral("the progress file could not be used");
    case StoreFault::NewerVersion:
        return QStringLiteral("the progress file was made by a newer Tapwell; it is kept as it is");
    case StoreFault::NotOurs:
        return QStringLiteral("the progress file is not one of Tapwell's");
    case StoreFault::CannotMoveAside:
        return QStringLiteral("the progress file is damaged and cannot be moved aside");
    case StoreFault::CannotUpdate:
        return QStringLiteral("the progress file could not be updated");
    case StoreFault::PathIsFolder:
        return QStringLiteral("%1 is a folder").arg(p.where);
    case StoreFault::CannotMakeFolder:
        return QStringLiteral("the folder %1 cannot be made").arg(p.where);
    }
    return QStringLiteral("the progress file could not be used");
}

} // namespace

QString recordProblemText(const progress::StoreProblem& problem) {
    if (problem.isEmpty()) return {};
    return QStringLiteral("Tapwell cannot save progress: %1.").arg(reason(problem));
}

QString childErrorText(const progress::ChildError& error) {
    switch (error.fault) {
    case progress::ChildFault::None:
        return {};
    case progress::ChildFault::NoName:
        return QStringLiteral("Please type a name of 1 to %1 letters.")
            .arg(progress::kMaxNameLength);
    case progress::ChildFault::NameTaken:
        return QStringLiteral("There is a child called %1 already.").arg(error.name);
    case progress::ChildFault::LastChild:
        return QStringLiteral("The last child cannot be removed.");
    case progress::ChildFault::Record:
        return recordProblemText(error.record);
    }
    return {};
}

QString exportErrorText(const progress::ExportError& error) {
    switch (error.fault) {
    case progress::ExportFault::None:
        return {};
    case progress::ExportFault::RecordUnreadable:
        return error.record.isEmpty() ? QStringLiteral("The progress record cannot be read.")
                                      : recordProblemText(error.record);
    case progress::ExportFault::FileIsFolder:
        return QStringLiteral("%1 is a folder, not a file.").arg(error.file);
    case progress::ExportFault::NotAPlainFile:
        return QStringLiteral("%1 is not a plain file; Tapwell writes only to a plain file or a "
                              "new one (or \"-\" for standard output).")
            .arg(error.file);
    case progress::ExportFault::CannotWrite:
        return QStringLiteral("Cannot write %1: %2.").arg(error.file, error.detail);
    }
    return {};
}

} // namespace tapwell
