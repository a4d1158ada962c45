// Prints the current finger's key instruction and asks for its first key.
#include "ui/frmtype.h"

namespace tapwell {

void FrmType::ShowFingerKeys() {
    core_->ShowFingerKeys();
}

} // namespace tapwell
