// The finger and hand guide: the key to press is marked yellow and the hand picture
// lights the finger that presses it. The guide's model decides; the on-screen keyboard
// draws it as it changes.
#include "ui/frmtype.h"

namespace tapwell {

void FrmType::ShowKey(int c) {
    guide_.ShowKey(c);
}
void FrmType::ClearKey(int c) {
    guide_.ClearKey(c);
}
void FrmType::ShowHomeKeys() {
    guide_.ShowHomeKeys();
}
void FrmType::ClearHomeKeys() {
    guide_.ClearHomeKeys();
}
void FrmType::ShowEnterKey() {
    guide_.ShowEnterKey();
}
void FrmType::ClearEnterKey() {
    guide_.ClearEnterKey();
}
void FrmType::ShowSpaceBar() {
    guide_.ShowSpaceBar();
}
void FrmType::ClearSpaceBar() {
    guide_.ClearSpaceBar();
}
void FrmType::ShowLeftShift() {
    guide_.ShowLeftShift();
}
void FrmType::ClearLeftShift() {
    guide_.ClearLeftShift();
}
void FrmType::ShowRightShift() {
    guide_.ShowRightShift();
}
void FrmType::ClearRightShift() {
    guide_.ClearRightShift();
}
void FrmType::ClearAllKeys() {
    guide_.ClearAllKeys();
}

} // namespace tapwell
