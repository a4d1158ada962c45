// Prints the current finger's key instruction and asks for its first key.
#include "ui/frmtype.h"

#include "lessons/fingerkeys.h"

namespace tapwell {

void FrmType::ShowFingerKeys() {
    LoadFingerKeys(*this);
    const bool shortForm = Mode == kKeyboardPractice;
    picDisplay->Cls();
    for (const std::string& line : FingerInstructionLines(*this, shortForm))
        printLine(line);
    if (!shortForm) picDisplay->CurrentY += 0.25 * picDisplay->TextHeight(QStringLiteral("H"));
    PracticeIndex = 1;
    PressCount = 0;
    TargetKey = PracticeKeys(1);
    if (TargetKey == kEnter)
        ShowEnterKey();
    else
        ShowKey(TargetKey);
    printLine(PressPrompt(PracticeKeyNames(1)), false);
}

} // namespace tapwell
