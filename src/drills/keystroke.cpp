// The one keystroke handler: every character typed in the lessons, the practice and
// the drills goes to the typing core, which judges it.
#include "ui/frmtype.h"

namespace tapwell {

void FrmType::Form_KeyPress(int KeyAscii) {
    picDisplay_KeyPress(KeyAscii);
}

void FrmType::picKeys_KeyPress(int KeyAscii) {
    picDisplay_KeyPress(KeyAscii);
}

void FrmType::picDisplay_KeyPress(int KeyAscii) {
    core_->keyPress(KeyAscii);
}

} // namespace tapwell
