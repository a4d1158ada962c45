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

void GuideModel::ShowKey(int c) {
    const int k = keyIndexOf(s_, c);
    if (k == 0 || k > kLastKey)
        return; // a code with no key on our keyboard, or none a
                // drill asks for (the ISO keys)
    mark(k, true);
    if (s_.HomeShown == 0) light(s_.KeyHand(k, 1), s_.KeyHand(k, 2));
    // After the key's own finger, so the Shift hand ends on its little finger.
    if (shiftSideOf(s_, c) == 1) ShowLeftShift();
    if (shiftSideOf(s_, c) == 2) ShowRightShift();
}

void GuideModel::ClearKey(int c) {
    const int k = keyIndexOf(s_, c);
    if (k == 0 || k > kLastKey) return;
    mark(k, false);
    if (s_.HomeShown == 0) {
        light(kLeftHand, kPlainHand);
        light(kRightHand, kPlainHand);
    }
    if (shiftSideOf(s_, c) == 1) ClearLeftShift();
    if (shiftSideOf(s_, c) == 2) ClearRightShift();
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
    for (int k = kFirstKey; k < kRightShiftKey; ++k)
        mark(k, false);
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
