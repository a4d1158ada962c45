// The settings file: one line of six integers separated by commas, e.g. "1,1,0,0,0,1":
// the four row choices, "Use Shift?" and "Key Sound?".
#pragma once

#include "state/options.h"

#include <string>
#include <string_view>

namespace tapwell {

inline constexpr const char* kSettingsFileName = "tapwell1.ini";

// Reads the six values into m. On a fault m is left as it was and error says why.
// A file that chooses no row gets the home row.
bool parseSettings(std::string_view bytes, Module1& m, std::string& error);

// The home row chosen and key sounds on: what a first start or a bad file gives.
void applyDefaultSettings(Module1& m);

// The written form, with its CR LF.
std::string formatSettings(const Module1& m);

} // namespace tapwell
