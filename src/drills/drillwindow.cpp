// Drill lines on screen, the OK and Stop buttons, the results and the Timed Drill. The
// typing core decides each step; what it shows is in src/ui/frmtype_view.cpp.
#include "ui/frmtype.h"

#include <QLabel>
#include <QPushButton>

namespace tapwell {

void FrmType::NewDrillLine() {
    core_->NewDrillLine();
}

void FrmType::PickPracticeFinger() {
    core_->PickPracticeFinger();
}

void FrmType::cmdOK_Click() {
    core_->ok();
}

void FrmType::cmdOKPractice_Click() {
    core_->okPractice();
}

void FrmType::txtTime_KeyPress(int& KeyAscii) {
    if (!core_->timedKey(KeyAscii)) KeyAscii = 0;
}

void FrmType::HideLessonButtons() {
    lblNext[0]->hide();
    cmdNext[0]->hide();
    lblNext[1]->hide();
    cmdNext[1]->hide();
}

void FrmType::cmdStop_Click(int Index) {
    core_->stop(Index);
}

} // namespace tapwell
