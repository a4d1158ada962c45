// The finger and hand guide: the key to press is marked yellow and the hand picture
// lights the finger that presses it. These procedures change only pictures and the
// space bar's colour, and HomeShown.
#include "ui/frmtype.h"

#include <cstdlib>

namespace tapwell {

namespace {

constexpr int kPlainHand = 0;
constexpr int kLittleFinger = 1;
constexpr int kFourFingers = 5;
constexpr int kThumb = 6;
constexpr int kLeft = 1;
constexpr int kRight = 2;
constexpr int kHomeKeys[] = {'a', 's', 'd', 'f', 'j', 'k', 'l', ';'};
const QColor kSpaceBarYellow(255, 255, 0);
const QColor kSpaceBarGrey(192, 192, 192);

} // namespace

void FrmType::ShowKey(int c) {
    const int k = keyIndexOf(*this, c);
    if (k == 0) return; // a code with no key on our keyboard
    cmdKey(k)->setPicture(imgBack->picture());
    if (HomeShown == 0) handPicture(KeyHand(k, 1), KeyHand(k, 2));
    // After the key's own finger, so the Shift hand ends on its little finger.
    if (CharKey(c, 1) < 0) ShowLeftShift();
    if (CharKey(c, 2) < 0) ShowRightShift();
}

void FrmType::ClearKey(int c) {
    const int k = keyIndexOf(*this, c);
    if (k == 0) return;
    cmdKey(k)->setPicture(Picture());
    if (HomeShown == 0) {
        handPicture(kLeft, kPlainHand);
        handPicture(kRight, kPlainHand);
    }
    if (CharKey(c, 1) < 0) ClearLeftShift();
    if (CharKey(c, 2) < 0) ClearRightShift();
}

void FrmType::ShowHomeKeys() {
    // Set first, so the home keys below leave the four-finger pictures in place.
    HomeShown = -1;
    handPicture(kLeft, kFourFingers);
    handPicture(kRight, kFourFingers);
    for (int c : kHomeKeys)
        ShowKey(c);
}

void FrmType::ClearHomeKeys() {
    handPicture(kLeft, kPlainHand);
    handPicture(kRight, kPlainHand);
    for (int c : kHomeKeys)
        ClearKey(c);
    HomeShown = 0;
}

void FrmType::ShowLeftShift() {
    handPicture(kLeft, kLittleFinger);
    cmdKey(kLeftShiftKey)->setPicture(imgBack->picture());
}

void FrmType::ClearLeftShift() {
    handPicture(kLeft, kPlainHand);
    cmdKey(kLeftShiftKey)->setPicture(Picture());
}

void FrmType::ShowRightShift() {
    handPicture(kRight, kLittleFinger);
    cmdKey(kRightShiftKey)->setPicture(imgBack->picture());
}

void FrmType::ClearRightShift() {
    handPicture(kRight, kPlainHand);
    cmdKey(kRightShiftKey)->setPicture(Picture());
}

void FrmType::ShowEnterKey() {
    handPicture(kRight, kLittleFinger);
    cmdKey(kEnterKey)->setPicture(imgBack->picture());
}

void FrmType::ClearEnterKey() {
    handPicture(kRight, kPlainHand);
    cmdKey(kEnterKey)->setPicture(Picture());
}

void FrmType::ShowSpaceBar() {
    handPicture(kLeft, kThumb);
    handPicture(kRight, kThumb);
    pnlSpace->setBackColor(kSpaceBarYellow);
}

void FrmType::ClearSpaceBar() {
    handPicture(kLeft, kPlainHand);
    handPicture(kRight, kPlainHand);
    pnlSpace->setBackColor(kSpaceBarGrey);
}

void FrmType::ClearAllKeys() {
    for (int k = kFirstKey; k <= 98; ++k)
        cmdKey(k)->setPicture(Picture());
    ClearSpaceBar();
    ClearEnterKey();
    ClearLeftShift();
    ClearRightShift();
}

void FrmType::showGuideFor(int c) {
    if (c == kSpace)
        ShowSpaceBar();
    else if (c == kEnter)
        ShowEnterKey();
    else
        ShowKey(c);
}

void FrmType::clearGuideFor(int c) {
    if (c == kSpace)
        ClearSpaceBar();
    else if (c == kEnter)
        ClearEnterKey();
    else
        ClearKey(c);
}

} // namespace tapwell
