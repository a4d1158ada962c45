// Typing speed and accuracy, computed in this one place.
#pragma once

#include <cstdint>
#include <string>

namespace tapwell {

// The time allowed for the first look at a line, taken off every measured time.
inline constexpr std::int64_t kReactionAllowanceMs = 750;

// The time a line or run counts for: the time from its start to its end less the
// allowance. A line finished within the allowance counts as 1 ms, so the speed stays
// finite and positive.
std::int64_t countedMs(std::int64_t startMs, std::int64_t endMs);

// Words per minute for n characters in ms milliseconds, a word being five characters:
// n * 60 / 5 * 1000 / ms. ms must be positive.
double wordsPerMinute(std::int64_t characters, std::int64_t ms);

// A number shown with the pattern "##0": whole, halves away from zero, no separators.
std::string formatWhole(double value);

// "60 words per minute"
std::string speedText(std::int64_t characters, std::int64_t ms);

// Right keys as a share of all keys, 0..100; a line with no keystroke counts as fully
// accurate.
double accuracyPercent(std::int64_t right, std::int64_t wrong);

// "97% accuracy"
std::string accuracyText(std::int64_t right, std::int64_t wrong);

} // namespace tapwell
