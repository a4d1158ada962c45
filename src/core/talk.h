// What Tapwell says aloud to a child who cannot read yet: short words a five-year-old
// understands, not the screen's longer sentences. Plain C++; the words go through say().
#pragma once

#include "state/typestate.h"

#include <string>

namespace tapwell {

// The key to press and its finger: "F. Left pointer finger."; "Shift and A. Left little
// finger."; "Space. Thumb."
std::string keyTalk(const TypeState& s, char32_t c);

// A line's end: praise and the result, "Well done! 19 of 20 right."
std::string lineEndTalk(int right, int wrong);

// Before a drill line or practice: "Put your fingers on the yellow keys, then press Enter."
std::string readyTalk();

// The menu: "Choose a game."
std::string menuTalk();

// The About window's OK, when the child talks: "Let's type!"
std::string aboutTalk();

} // namespace tapwell
