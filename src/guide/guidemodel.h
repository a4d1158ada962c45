// The finger and hand guide as plain state: which on-screen keys are marked, which
// picture each hand shows and the space bar's colour. The procedures that mark keys and
// light fingers change this model; the on-screen keyboard draws it, and tests read it.
#pragma once

#include "state/typestate.h"

#include <array>

namespace tapwell {

// The hand pictures: a hand plain, one finger lit (1 little .. 4 index), all four
// fingers on the home keys, or the thumb.
inline constexpr int kPlainHand = 0;
inline constexpr int kLittleFingerLit = 1;
inline constexpr int kFourFingers = 5;
inline constexpr int kThumbLit = 6;
inline constexpr int kLeftHand = 1;
inline constexpr int kRightHand = 2;

// Told of every change, as it happens, so what is drawn never lags the model.
class GuideView {
public:
    virtual ~GuideView() = default;
    virtual void keyMarked(int key, bool marked) = 0;
    virtual void handShows(int hand, int picture) = 0; // hand 1 left, 2 right; picture 0..6
    virtual void spaceBarMarked(bool marked) = 0;
};

class GuideModel {
public:
    explicit GuideModel(TypeState& state) : s_(state) {}
    void setView(GuideView* view) { view_ = view; }

    // What stands on the keyboard now.
    bool marked(int key) const {
        return key >= kFirstKey && key <= kAltGrKey && marked_[slot(key)];
    }
    int hand(int hand) const { return hands_[static_cast<std::size_t>(hand - 1)]; }
    bool spaceBarMarked() const { return space_; }

    void ShowKey(int c);
    void ClearKey(int c);
    void ShowHomeKeys();
    void ClearHomeKeys();
    void ShowEnterKey();
    void ClearEnterKey();
    void ShowSpaceBar();
    void ClearSpaceBar();
    void ShowLeftShift();
    void ClearLeftShift();
    void ShowRightShift();
    void ClearRightShift();
    void ClearAllKeys();

    // The next key of a line: the space bar, the Enter key, or the character's key.
    void showNext(int c);
    void clearNext(int c);

private:
    static std::size_t slot(int key) { return static_cast<std::size_t>(key - kFirstKey); }
    void mark(int key, bool on);
    void light(int hand, int picture);
    // A key with the Shift (side 1 or 2) and AltGr held with it, marked or cleared.
    void showPress(int key, int shift, bool altGr, bool on);

    TypeState& s_;
    GuideView* view_ = nullptr;
    std::array<bool, kAltGrKey - kFirstKey + 1> marked_{};
    std::array<int, 2> hands_{kPlainHand, kPlainHand};
    bool space_ = false;
};

} // namespace tapwell
