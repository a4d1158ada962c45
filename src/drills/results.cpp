#include "results.h"

#include "state/say.h"

#include <cmath>
#include <cstdio>

namespace tapwell {

std::int64_t countedMs(std::int64_t startMs, std::int64_t endMs) {
    const std::int64_t ms = endMs - startMs - kReactionAllowanceMs;
    return ms > 0 ? ms : 1;
}

double wordsPerMinute(std::int64_t characters, std::int64_t ms) {
    const std::int64_t perMinute = characters * 60;
    return static_cast<double>(perMinute) / 5.0 * 1000.0 / static_cast<double>(ms);
}

std::string formatWhole(double value) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.0f", std::round(value));
    return buf;
}

std::string speedText(std::int64_t characters, std::int64_t ms) {
    //: A drill's result, shown under the typed line. %1 is a whole number: "60".
    return fill(say("DrillResults", "%1 words per minute"),
                formatWhole(wordsPerMinute(characters, ms)));
}

double accuracyPercent(std::int64_t right, std::int64_t wrong) {
    const std::int64_t total = right + wrong;
    const double ratio = total > 0 ? static_cast<double>(right) / static_cast<double>(total) : 1.0;
    return ratio * 100.0;
}

std::string accuracyText(std::int64_t right, std::int64_t wrong) {
    //: A drill's result, shown under the typed line. %1 is a whole number: "92".
    return fill(say("DrillResults", "%1% accuracy"), formatWhole(accuracyPercent(right, wrong)));
}

} // namespace tapwell
