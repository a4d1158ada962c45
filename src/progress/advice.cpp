#include "advice.h"

#include <algorithm>
#include <set>

namespace tapwell::progress {

namespace {

constexpr std::size_t kMostKeysNamed = 3;
constexpr std::size_t kDaysLookedAt = 5; // the last few days of practice

std::vector<int> weakKeys(const std::map<int, KeyStats>& keys) {
    std::vector<const KeyStats*> weak;
    for (const auto& [key, stats] : keys)
        if (stats.presses >= kEnoughPresses && stats.errorRate() >= kWeakRate)
            weak.push_back(&stats);
    std::stable_sort(weak.begin(), weak.end(), [](const KeyStats* a, const KeyStats* b) {
        return a->errorRate() > b->errorRate();
    });
    std::vector<int> out;
    for (const KeyStats* k : weak)
        if (out.size() < kMostKeysNamed) out.push_back(k->key);
    return out;
}

// Every key of the row is secure (and has been asked for enough to say so).
bool rowSecure(const KeyTables& t, const std::map<int, KeyStats>& keys, int row) {
    bool any = false;
    for (int p = 1; p <= 12; ++p) {
        const int c = rowCharOf(t, row, p);
        if (c == 0 || c == kEnter) continue;
        const auto it = keys.find(keyOfCharacter(t, c));
        if (it == keys.end() || !isSecure(&it->second)) return false;
        any = true;
    }
    return any;
}

bool daysFarApart(const std::vector<LineSummary>& lines, const QDate& today) {
    std::set<QDate> days;
    for (const LineSummary& l : lines)
        days.insert(l.day);
    if (days.size() < 2) return false;
    std::vector<QDate> last(days.rbegin(), days.rend());
    last.resize(std::min(last.size(), kDaysLookedAt));
    // From the oldest of them to today: a child who stopped a while ago counts too.
    const double span = static_cast<double>(last.back().daysTo(std::max(today, last.front())));
    return span / static_cast<double>(last.size()) >= kFarApartDays;
}

} // namespace

Suggestion suggest(const KeyTables& t, const std::map<int, KeyStats>& keys,
                   const std::vector<LineSummary>& lines, const std::map<int, QDate>& lessons,
                   const QDate& today) {
    Suggestion s;
    if (lines.empty()) return s;
    if (std::vector<int> weak = weakKeys(keys); !weak.empty()) {
        s.kind = Suggestion::Kind::TrickyKeys;
        s.keys = std::move(weak);
        for (int row = kHomeRow; row <= kNumberRow; ++row)
            for (int p = 1; p <= 12; ++p) {
                const int c = rowCharOf(t, row, p);
                if (c != 0 && std::count(s.keys.begin(), s.keys.end(), keyOfCharacter(t, c)) &&
                    std::count(s.rows.begin(), s.rows.end(), row) == 0)
                    s.rows.push_back(row);
            }
        return s;
    }
    for (int row = kHomeRow; row < kNumberRow; ++row) {
        const int next = row + 1;
        if (rowSecure(t, keys, row) && lessons.count(next) == 0) {
            s.kind = Suggestion::Kind::NextLesson;
            s.row = next;
            return s;
        }
    }
    if (daysFarApart(lines, today)) s.kind = Suggestion::Kind::EveryDay;
    return s;
}

} // namespace tapwell::progress
