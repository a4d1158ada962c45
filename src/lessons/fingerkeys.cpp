#include "fingerkeys.h"

#include "state/say.h"
#include "state/text.h"

#include <algorithm>

namespace tapwell {

void LoadFingerKey(TypeState& s, int j) {
    const int code = fingerKeyOf(s, s.FingerNumber, s.Row, s.ShiftLevel + j);
    s.PracticeKeys(j) = code;
    if (code > kEnter)
        s.PracticeKeyNames(j) = utf8Of(static_cast<char32_t>(code));
    else if (code == kEnter)
        //: A key's name, as in "Press Enter three times: ".
        s.PracticeKeyNames(j) = say("KeyNames", "Enter");
    else
        //: A key's name, as in "Press Shift three times: ".
        s.PracticeKeyNames(j) = say("KeyNames", "Shift");
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
    const std::string finger = say("KeyNames", s.FingerName.at(s.Finger).c_str());
    const std::string hand = say("KeyNames", s.HandName.at(s.Hand).c_str());
    if (shortForm)
        //: Keyboard Practice, above the keys to press; printed a line for each line break (about 30
        //: characters a line). %1 is a finger's name (little, ring, middle, index), %2 a hand's
        //: (left, right).
        return linesOf(
            fill(say("KeyboardPractice", "Use the %1 finger of the\n%2 hand.\n"), finger, hand));
    std::string keys;
    for (int j = 1; j <= PracticeLength(s); ++j)
        keys += " " + s.PracticeKeyNames(j);
    std::string text;
    if (s.KeyTotal == 1)
        //: A row lesson, above the keys to press; printed a line for each line break (about 30
        //: characters a line). %1 is a finger's name (little, ring, middle, index), %2 a hand's
        //: (left, right), %3 the key, with a space before it: " J".
        text =
            say("KeyboardPractice", "The %1 finger of the \n%2 hand is used to \npress 1 key:%3");
    else
        //: A row lesson, above the keys to press; printed a line for each line break (about 30
        //: characters a line). %1 is a finger's name (little, ring, middle, index), %2 a hand's
        //: (left, right), %3 the keys, each with a space before it: " J H Y".
        text =
            say("KeyboardPractice", "The %1 finger of the \n%2 hand is used to \npress %n keys:%3",
                nullptr, int(s.KeyTotal));
    return linesOf(fill(text, finger, hand, keys));
}

std::string PressPrompt(const std::string& keyName) {
    //: Keyboard Practice and the row lessons; the key's presses are typed after it. %1 is the
    //: key: a character, "Enter" or "Shift".
    return fill(say("KeyboardPractice", "Press %1 three times: "), keyName);
}

} // namespace tapwell
