#include "trickykeys.h"

#include "state/say.h"
#include "state/text.h"

#include <algorithm>

namespace tapwell {

namespace {

// The share of a line drawn by the record; the rest is drawn as a Character Drill does.
constexpr float kWeightedShare = 0.5f;
// As in a Character Drill, a quarter of the characters take Shift when it is on.
constexpr float kShiftShare = 0.25f;
// Draws before a place takes whatever fits; a line has far more choice than this needs.
constexpr int kDrawAttempts = 64;
constexpr int kMostPractised = 3;

struct Drawn {
    int code = 0;
    int row = 0;
};

struct Candidate {
    int code = 0;
    int row = 0;
    double weight = 0;
};

Drawn shifted(TypeState& s, Drawn d, bool useShift, Random& random) {
    if (random.next() < kShiftShare && useShift && shiftCharOf(s, d.code) != 0)
        d.code = shiftCharOf(s, d.code);
    return d;
}

// As a Character Drill draws a character: a checked row, a key of it, Shift a quarter of
// the time.
Drawn uniformDraw(TypeState& s, const RowChoice& checked, bool useShift, Random& random) {
    PickRow(s, checked, random);
    int c = 0;
    do {
        c = rowCharOf(s, s.Row, randomWhole(random, 12));
    } while (c == 0 || c == kEnter);
    return shifted(s, {c, s.Row}, useShift, random);
}

Drawn weightedDraw(TypeState& s, const std::vector<Candidate>& keys, double total, bool useShift,
                   Random& random) {
    double x = random.next() * total;
    const Candidate* pick = &keys.back();
    for (const Candidate& k : keys) {
        if (x < k.weight) {
            pick = &k;
            break;
        }
        x -= k.weight;
    }
    return shifted(s, {pick->code, pick->row}, useShift, random);
}

} // namespace

TrickyLine MakeTrickyLine(TypeState& s, const RowChoice& checked, bool useShift, Random& random,
                          const TrickyRecord& record) {
    TrickyLine line;
    std::vector<Candidate> keys;
    double total = 0;
    bool allSecure = true;
    for (int row = kHomeRow; row <= kNumberRow; ++row) {
        if (!checked[static_cast<std::size_t>(row - 1)]) continue;
        for (int p = 1; p <= 12; ++p) {
            const int c = rowCharOf(s, row, p);
            if (c == 0 || c == kEnter) continue;
            const auto found = record.find(keyIndexOf(s, c));
            const TrickyKey key = found != record.end() ? found->second : TrickyKey{};
            allSecure = allSecure && key.secure;
            keys.push_back({c, row, key.weight});
            total += key.weight;
        }
    }
    line.allSecure = !record.empty() && !keys.empty() && allSecure;
    if (record.empty() || keys.empty() || line.allSecure || total <= 0) {
        line.text = MakeDrillLine(s, checked, useShift, random);
        return line;
    }

    line.fromRecord = true;
    std::map<int, int> perKey;
    for (int i = 0; i < kCharacterLineLength; ++i) {
        Drawn d;
        for (int attempt = 0; attempt < kDrawAttempts; ++attempt) {
            d = random.next() < kWeightedShare ? weightedDraw(s, keys, total, useShift, random)
                                               : uniformDraw(s, checked, useShift, random);
            const bool tooMany = perKey[keyOfCharacter(s, d.code)] >= kTrickyMaxPerKey;
            const bool run = i >= kTrickyMaxRun &&
                             s.LineChars(i - 1) == static_cast<char32_t>(d.code) &&
                             s.LineChars(i - 2) == static_cast<char32_t>(d.code);
            if (!tooMany && !run) break;
        }
        s.LineChars(i) = static_cast<char32_t>(d.code);
        s.LineRows(i) = static_cast<i16>(d.row);
        ++perKey[keyOfCharacter(s, d.code)];
    }
    // One to six spaces, never first or last, as in a Character Drill line; never three
    // in a row.
    const int spaces = randomWhole(random, 6);
    for (int n = 0; n < spaces; ++n) {
        const int q = randomWhole(random, kCharacterLineLength - 2);
        const bool before = q >= 2 && s.LineChars(q - 1) == kSpace && s.LineChars(q - 2) == kSpace;
        const bool around = s.LineChars(q - 1) == kSpace && s.LineChars(q + 1) == kSpace;
        const bool after = q <= kCharacterLineLength - 3 && s.LineChars(q + 1) == kSpace &&
                           s.LineChars(q + 2) == kSpace;
        if (before || around || after) continue;
        s.LineChars(q) = kSpace;
        s.LineRows(q) = kSpaceRow;
    }
    s.LineLen = kCharacterLineLength;

    std::map<int, int> counts;
    for (int i = 0; i < kCharacterLineLength; ++i) {
        line.text += utf8Of(s.LineChars(i));
        if (s.LineChars(i) != kSpace) ++counts[keyIndexOf(s, static_cast<int>(s.LineChars(i)))];
    }
    // Only keys that came up more often than the line's keys on average: a key that came
    // up once is not "practised", and no key is named for its place in the key order.
    int drawn = 0;
    for (const auto& [key, count] : counts)
        drawn += count;
    std::vector<std::pair<int, int>> most;
    for (const auto& [key, count] : counts)
        if (static_cast<std::size_t>(count) * counts.size() > static_cast<std::size_t>(drawn))
            most.emplace_back(key, count);
    std::stable_sort(most.begin(), most.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    for (std::size_t i = 0; i < most.size() && i < kMostPractised; ++i)
        line.practisedMost.push_back(most[i].first);
    return line;
}

std::string practisedText(const KeyTables& t, const std::vector<int>& keys) {
    std::string captions;
    for (int k : keys) {
        captions += ' ';
        captions += keyCaptionOf(t, k);
    }
    //: Under a Tricky Keys line: the keys it gave most. %1 is the keys, each with a space
    //: before it: " W S X".
    return fill(say("Drills", "Practised:%1"), captions);
}

} // namespace tapwell
