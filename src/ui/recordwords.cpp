#include "recordwords.h"

#include <QCoreApplication>

namespace tapwell {

namespace {

using progress::StoreFault;

// Why, as the end of "Tapwell cannot save progress: …".
QString reason(const progress::StoreProblem& p) {
    switch (p.fault) {
    case StoreFault::None:
        return {};
    case StoreFault::DiskFull:
        //: Why progress cannot be saved, after "Tapwell cannot save progress:".
        return QCoreApplication::translate("RecordWords", "the disk is full");
    case StoreFault::Busy:
        //: Why progress cannot be saved, after "Tapwell cannot save progress:".
        return QCoreApplication::translate("RecordWords",
                                           "another program is using the progress file");
    case StoreFault::ReadOnly:
        //: Why progress cannot be saved, after "Tapwell cannot save progress:".
        return QCoreApplication::translate("RecordWords", "the progress file cannot be written to");
    case StoreFault::CannotOpen:
        //: Why progress cannot be saved, after "Tapwell cannot save progress:".
        return QCoreApplication::translate("RecordWords", "the progress file cannot be opened");
    case StoreFault::WriteFailed:
        //: Why progress cannot be saved, after "Tapwell cannot save progress:".
        return QCoreApplication::translate(
            "RecordWords", "the progress file could not be written (the disk may be full "
                           "or failing)");
    case StoreFault::Damaged:
        //: Why progress cannot be saved, after "Tapwell cannot save progress:".
        return QCoreApplication::translate("RecordWords", "the progress file is damaged");
    case StoreFault::Unusable:
        //: Why progress cannot be saved, after "Tapwell cannot save progress:".
        return QCoreApplication::translate("RecordWords", "the progress file could not be used");
    case StoreFault::NewerVersion:
        //: Why progress cannot be saved, after "Tapwell cannot save progress:".
        return QCoreApplication::translate(
            "RecordWords", "the progress file was made by a newer Tapwell; it is kept as it is");
    case StoreFault::NotOurs:
        //: Why progress cannot be saved, after "Tapwell cannot save progress:".
        return QCoreApplication::translate("RecordWords",
                                           "the progress file is not one of Tapwell's");
    case StoreFault::CannotMoveAside:
        //: Why progress cannot be saved, after "Tapwell cannot save progress:".
        return QCoreApplication::translate(
            "RecordWords", "the progress file is damaged and cannot be moved aside");
    case StoreFault::CannotUpdate:
        //: Why progress cannot be saved, after "Tapwell cannot save progress:".
        return QCoreApplication::translate("RecordWords", "the progress file could not be updated");
    case StoreFault::PathIsFolder:
        //: Why progress cannot be saved: %1 is where the progress file should be.
        return QCoreApplication::translate("RecordWords", "%1 is a folder").arg(p.where);
    case StoreFault::CannotMakeFolder:
        //: Why progress cannot be saved: %1 is the folder of the progress file.
        return QCoreApplication::translate("RecordWords", "the folder %1 cannot be made")
            .arg(p.where);
    case StoreFault::ServerAway:
        //: Why progress cannot be saved on the school's server.
        return QCoreApplication::translate("RecordWords", "the school's server cannot be reached");
    case StoreFault::NoRight:
        //: Why progress cannot be saved on the school's server.
        return QCoreApplication::translate(
            "RecordWords", "the school's server does not let this account keep progress there");
    case StoreFault::NotSetUp:
        //: Why progress cannot be saved on the school's server.
        return QCoreApplication::translate(
            "RecordWords", "the school's server is not set up for this Tapwell yet (its "
                           "administrator runs tapwell --setup-server)");
    }
    //: Why progress cannot be saved, after "Tapwell cannot save progress:".
    return QCoreApplication::translate("RecordWords", "the progress file could not be used");
}

} // namespace

QString sendNoteText(const progress::SendStatus& status) {
    using State = progress::SendStatus::State;
    if (status.teacher) return {};
    switch (status.state) {
    case State::Starting:
    case State::Sent:
        return {};
    case State::Away:
        //: The menu's note in a classroom, while the school's server does not answer.
        return QCoreApplication::translate("RecordWords",
                                           "Progress is kept on this computer until the "
                                           "school's server answers.");
    case State::Refused:
        //: The menu's note in a classroom; %1 is why, as "the school's server does not let
        //: this account keep progress there".
        return QCoreApplication::translate("RecordWords", "Progress is kept on this computer: %1.")
            .arg(reason({status.fault, {}, status.why}));
    }
    return {};
}

QString recordProblemText(const progress::StoreProblem& problem) {
    if (problem.isEmpty()) return {};
    //: %1 is why, as "the disk is full" or "the progress file is damaged".
    return QCoreApplication::translate("RecordWords", "Tapwell cannot save progress: %1.")
        .arg(reason(problem));
}

QString childErrorText(const progress::ChildError& error) {
    switch (error.fault) {
    case progress::ChildFault::None:
        return {};
    case progress::ChildFault::NoName:
        //: %1 is the most letters a name may have.
        return QCoreApplication::translate("RecordWords", "Please type a name of 1 to %1 letters.")
            .arg(progress::kMaxNameLength);
    case progress::ChildFault::NameTaken:
        //: %1 is the name typed.
        return QCoreApplication::translate("RecordWords", "There is a child called %1 already.")
            .arg(error.name);
    case progress::ChildFault::LastChild:
        return QCoreApplication::translate("RecordWords", "The last child cannot be removed.");
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
        if (!error.record.isEmpty()) return recordProblemText(error.record);
        return QCoreApplication::translate("RecordWords", "The progress record cannot be read.");
    case progress::ExportFault::FileIsFolder:
        //: %1 is the file asked for.
        return QCoreApplication::translate("RecordWords", "%1 is a folder, not a file.")
            .arg(error.file);
    case progress::ExportFault::NotAPlainFile:
        //: %1 is the file asked for; "-" is what is typed for standard output.
        return QCoreApplication::translate("RecordWords",
                                           "%1 is not a plain file; Tapwell writes only to a plain "
                                           "file or a new one (or \"-\" for standard output).")
            .arg(error.file);
    case progress::ExportFault::CannotWrite:
        //: %1 is the file; %2 is why, as the system says it.
        return QCoreApplication::translate("RecordWords", "Cannot write %1: %2.")
            .arg(error.file, error.detail);
    }
    return {};
}

} // namespace tapwell
