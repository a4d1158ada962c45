#include "fingerkeys.h"

#include "state/text.h"

#include <algorithm>

namespace tapwell {

void LoadFingerKey(TypeState& s, int j) {
    const int code = fingerKeyOf(s, s.FingerNumber, s.Row, s.ShiftLevel + j);
    s.PracticeKeys(j) = code;
    if (code > kEnter)
        s.PracticeKeyNames(j) = utf8Of(static_cast<char32_t>(code));
    else if (code == kEnter)
        s.PracticeKeyNames(j) = "Enter";
    else
        s.PracticeKeyNames(j) = "Shift";
}

void LoadFingerKeys(TypeState& s) {
    s.FingerNumber = static_cast<i16>((s.Hand - 1) * 4 + s.Finger);
    s.KeyTotal = static_cast<i16>(fingerKeyOf(s, s.FingerNumber, s.Row, 0));
    // The shifted keys of the right little finger on the home row leave out Enter,
    // its last key.
    if (s.ShiftLevel == 4 && s.FingerNumber == 5 && s.Row == kHomeRow)
        s.KeyTotal = static_cast<i16>(s.KeyTotal - 1);
    for (int j = 1; j <= kPracticeSlots; ++j)
        LoadFingerKey(s, j);
}

int PracticeLength(const TypeState& s) {
    return std::clamp<int>(s.KeyTotal, 0, kPracticeSlots);
}

std::vector<std::string> FingerInstructionLines(const TypeState& s, bool shortForm) {
    const std::string finger = s.FingerName.at(s.Finger);
    const std::string hand = s.HandName.at(s.Hand);
    if (shortForm) return {"Use the " + finger + " finger of the", hand + " hand.", ""};
    std::string keys =
        "press " + std::to_string(s.KeyTotal) + " key" + (s.KeyTotal == 1 ? ":" : "s:");
    for (int j = 1; j <= PracticeLength(s); ++j)
        keys += " " + s.PracticeKeyNames(j);
    return {"The " + finger + " finger of the ", hand + " hand is used to ", keys};
}

std::string PressPrompt(const std::string& keyName) {
    return "Press " + keyName + " three times: ";
}

} // namespace tapwell
