#include "guidemodel.h"

namespace tapwell {

void GuideModel::mark(int key, bool on) {
    marked_[slot(key)] = on;
    if (view_) view_->keyMarked(key, on);
}

void GuideModel::light(int hand, int picture) {
    hands_[static_cast<std::size_t>(hand - 1)] = picture;
    if (view_) view_->handShows(hand, picture);
}

void GuideModel::showPress(int key, int shift, bool altGr, bool on) {
    mark(key, on);
    if (s_.HomeShown == 0) {
        if (on)
            light(keyHandOf(s_, key, 1), keyHandOf(s_, key, 2));
        else {
            light(kLeftHand, kPlainHand);
            light(kRightHand, kPlainHand);
        }
    }
    // After the key's own finger, so the Shift hand ends on its little finger; AltGr is
    // marked as Shift is, its thumb lit where the right hand is free.
    if (shift == 1) on ? ShowLeftShift() : ClearLeftShift();
    if (shift == 2) on ? ShowRightShift() : ClearRightShift();
    if (altGr) {
        mark(kAltGrKey, on);
        if (s_.HomeShown == 0 && keyHandOf(s_, key, 1) == kLeftHand && shift != 2)
            light(kRightHand, on ? kThumbLit : kPlainHand);
    }
}

void GuideModel::ShowKey(int c) {
    const LayoutKeys::Place* p = placeOf(s_, c);
    // A character made with a dead key: the dead key first, then the key that ends it.
    if (p != nullptr && p->dead != 0 && s_.DeadPressed == 0) {
        showPress(p->dead, p->deadShift, p->deadAltGr, true);
        return;
    }
    const int k = keyIndexOf(s_, c);
    if (k == 0 || k > kAltGrKey) return; // a code with no key on our keyboard
    showPress(k, shiftSideOf(s_, c), p != nullptr && p->altGr, true);
}

void GuideModel::ClearKey(int c) {
    const LayoutKeys::Place* p = placeOf(s_, c);
    if (p != nullptr && p->dead != 0 && s_.DeadPressed == 0) {
        showPress(p->dead, p->deadShift, p->deadAltGr, false);
        return;
    }
    const int k = keyIndexOf(s_, c);
    if (k == 0 || k > kAltGrKey) return;
    showPress(k, shiftSideOf(s_, c), p != nullptr && p->altGr, false);
}

void GuideModel::ShowHomeKeys() {
    // Set first, so the home keys below leave the four-finger pictures in place.
    s_.HomeShown = -1;
    light(kLeftHand, kFourFingers);
    light(kRightHand, kFourFingers);
    for (int n : kHomePlaces)
        ShowKey(rowCharOf(s_, kHomeRow, n));
}

void GuideModel::ClearHomeKeys() {
    light(kLeftHand, kPlainHand);
    light(kRightHand, kPlainHand);
    for (int n : kHomePlaces)
        ClearKey(rowCharOf(s_, kHomeRow, n));
    s_.HomeShown = 0;
}

void GuideModel::ShowLeftShift() {
    light(kLeftHand, kLittleFingerLit);
    mark(kLeftShiftKey, true);
}

void GuideModel::ClearLeftShift() {
    light(kLeftHand, kPlainHand);
    mark(kLeftShiftKey, false);
}

void GuideModel::ShowRightShift() {
    light(kRightHand, kLittleFingerLit);
    mark(kRightShiftKey, true);
}

void GuideModel::ClearRightShift() {
    light(kRightHand, kPlainHand);
    mark(kRightShiftKey, false);
}

void GuideModel::ShowEnterKey() {
    light(kRightHand, kLittleFingerLit);
    mark(kEnterKey, true);
}

void GuideModel::ClearEnterKey() {
    light(kRightHand, kPlainHand);
    mark(kEnterKey, false);
}

void GuideModel::ShowSpaceBar() {
    light(kLeftHand, kThumbLit);
    light(kRightHand, kThumbLit);
    space_ = true;
    if (view_) view_->spaceBarMarked(true);
}

void GuideModel::ClearSpaceBar() {
    light(kLeftHand, kPlainHand);
    light(kRightHand, kPlainHand);
    space_ = false;
    if (view_) view_->spaceBarMarked(false);
}

void GuideModel::ClearAllKeys() {
    for (int k = kFirstKey; k <= kAltGrKey; ++k)
        if (k != kRightShiftKey && (k <= kLastKey || k >= kIsoLeftKey)) mark(k, false);
    ClearSpaceBar();
    ClearEnterKey();
    ClearLeftShift();
    ClearRightShift();
}

void GuideModel::showNext(int c) {
    if (c == kSpace)
        ShowSpaceBar();
    else if (c == kEnter)
        ShowEnterKey();
    else
        ShowKey(c);
}

void GuideModel::clearNext(int c) {
    if (c == kSpace)
        ClearSpaceBar();
    else if (c == kEnter)
        ClearEnterKey();
    else
        ClearKey(c);
}

} // namespace tapwell
