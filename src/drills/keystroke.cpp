// The one keystroke handler: every character typed in the lessons, the practice and
// the drills is judged here.
#include "ui/frmtype.h"

#include "lessons/fingerkeys.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QPushButton>

#include <cmath>

namespace tapwell {

void FrmType::Form_KeyPress(int KeyAscii) {
    picDisplay_KeyPress(KeyAscii);
}

void FrmType::picKeys_KeyPress(int KeyAscii) {
    picDisplay_KeyPress(KeyAscii);
}

void FrmType::picDisplay_KeyPress(int KeyAscii) {
    if (Typing == 0) return;
    const bool sounds = Mode == kLearnKeyboard || chkSound->isChecked();
    const bool drill = Mode == kCharacterDrill || Mode == kWordDrill;

    if (KeyAscii == TargetKey) {
        ++RightCount;
        if (sounds) PlayWave(*svc_.sound, DingSound, 1);
        if (PracticeOn == 1) {
            // A space, then the key's own character (Enter shows as the space alone).
            const int code = PracticeKeys.at(PracticeIndex);
            std::string echo = " ";
            if (code > kSpace && code <= 255) echo += static_cast<char>(code);
            printLine(echo, false);
            picDisplay->Refresh();
            ++PressCount;
        }
        if (drill) {
            clearGuideFor(TargetKey);
            const int oldX = PenX;
            PenX = static_cast<i16>(
                PenX + std::lrint(static_cast<double>(picDisplay->TextWidth(QStringLiteral("0")))));
            setLeftTw(shpChar, PenX);
            picDisplay->CurrentX = oldX;
            picDisplay->Print(TargetKey == kEnter ? QString() : QString(QChar(TargetKey)), false);
            picDisplay->Refresh();
            ++LinePos;
        }
    } else {
        ++ErrorCount;
        if (sounds) PlayWave(*svc_.sound, UhOhSound, 1);
    }

    if (PracticeOn == 1 && PressCount == 3) {
        svc_.pause->Delay(0.5f);
        if (TargetKey == kEnter)
            ClearEnterKey();
        else
            ClearKey(TargetKey);
        PressCount = 0;
        ++PracticeIndex;
        if (PracticeKeys.at(PracticeIndex) == kShiftKey || PracticeIndex > PracticeLength(*this)) {
            if (Mode == kKeyboardPractice) {
                PickPracticeFinger();
                ShowFingerKeys();
            } else if (Mode == kLearnKeyboard) {
                // Left hand, its Shift hint, left hand shifted; then the right hand.
                ++Finger;
                if (Finger <= 4) {
                    ShowFingerKeys();
                } else {
                    Finger = 1;
                    ShiftLevel = static_cast<i16>(ShiftLevel + 4);
                    if (ShiftLevel == 4) {
                        showShiftHintPage();
                        return;
                    }
                    ShiftLevel = 0;
                    ++Hand;
                    if (Hand <= 2) {
                        ShowFingerKeys();
                    } else {
                        cmdStop_Click(0);
                        return;
                    }
                }
            }
        } else {
            printLine("");
            printLine(PressPrompt(PracticeKeyNames(PracticeIndex)), false);
            TargetKey = PracticeKeys(PracticeIndex);
            if (TargetKey == kEnter)
                ShowEnterKey();
            else
                ShowKey(TargetKey);
        }
    }

    if (drill) {
        if (LinePos != LineLen) {
            TargetKey = LineChars.at(LinePos);
            setTopTw(imgArrow, RowTop.at(LineRows.at(LinePos)));
            imgArrow->show();
            showGuideFor(TargetKey);
            picDisplay->CurrentX = PenX;
        } else {
            lineEnd();
        }
    }
}

void FrmType::showShiftHintPage() {
    const std::string s = Hand == 1 ? "right " : "left ";
    picDisplay->Cls();
    printLine("Now try using the Shift key.");
    printLine("When typing with the " + HandName.at(Hand));
    printLine("hand, hold the Shift key on");
    if (Hand == 1)
        ShowRightShift();
    else
        ShowLeftShift();
    printLine("the " + s + "side of the");
    printLine("bottom row with the little");
    printLine("finger of the " + s + "hand.");
    picDisplay->Refresh();
    cmdOKPractice->show();
    cmdOKPractice->setFocus();
}

} // namespace tapwell
