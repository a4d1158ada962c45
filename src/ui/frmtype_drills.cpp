// The keystrokes, the OK and Stop buttons and the Timed Drill box. The typing core
// decides each step; what it shows is in frmtype_view.cpp.
#include "frmtype.h"

#include "accessibility.h"

namespace tapwell {

void FrmType::picDisplay_KeyPress(int KeyAscii) {
    tellKeyTyped(*this, KeyAscii);
    core_->keyPress(KeyAscii);
}

void FrmType::cmdOK_Click() {
    followKeyboard();
    core_->ok();
}

void FrmType::cmdOKPractice_Click() {
    followKeyboard();
    core_->okPractice();
}

bool FrmType::txtTime_KeyPress(int KeyAscii) {
    return core_->timedKey(KeyAscii);
}

void FrmType::cmdStop_Click(int Index) {
    core_->stop(Index);
}

} // namespace tapwell
