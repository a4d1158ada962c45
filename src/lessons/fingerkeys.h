// The finger-by-finger key instruction of the lesson practice and Keyboard Practice:
// which keys the current finger presses, their names, and the instruction text.
#pragma once

#include "state/typestate.h"

#include <string>
#include <vector>

namespace tapwell {

inline constexpr int kPracticeSlots = 3; // a finger practises at most three keys a row

// Loads slot j (1..3) of PracticeKeys and PracticeKeyNames from FingerKeys.
void LoadFingerKey(TypeState& s, int j);

// FingerNumber, KeyTotal and the three practice slots for the current Row, Hand,
// Finger and ShiftLevel.
void LoadFingerKeys(TypeState& s);

// The instruction lines printed before the first prompt: the short form in Keyboard
// Practice, the full form (naming every key) otherwise.
std::vector<std::string> FingerInstructionLines(const TypeState& s, bool shortForm);

// "Press z three times: "
std::string PressPrompt(const std::string& keyName);

// The number of slots the practice walks through: KeyTotal, kept within the loaded
// slots.
int PracticeLength(const TypeState& s);

} // namespace tapwell
