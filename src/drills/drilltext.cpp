#include "drilltext.h"

#include "state/text.h"

namespace tapwell {

void PickRow(TypeState& s, const RowChoice& checked, Random& random) {
    const int k = randomWhole(random, s.RowCount);
    int count = 0;
    for (int row = 1; row <= 4; ++row) {
        if (checked[static_cast<std::size_t>(row - 1)] && ++count == k) {
            s.Row = static_cast<i16>(row);
            return;
        }
    }
    s.Row = kHomeRow;
}

namespace {

std::string characterLine(TypeState& s, const RowChoice& checked, bool useShift, Random& random) {
    for (int i = 0; i < kCharacterLineLength; ++i) {
        PickRow(s, checked, random);
        s.LineRows(i) = s.Row;
        int c = 0;
        do {
            c = rowCharOf(s, s.Row, randomWhole(random, 12));
        } while (c == 0 || c == kEnter);
        const float r = random.next();
        if (r < 0.25f && useShift) c = shiftCharOf(s, c);
        s.LineChars(i) = static_cast<char32_t>(c);
    }
    // One to six spaces, never first or last; a draw may hit a place twice.
    const int spaces = randomWhole(random, 6);
    for (int n = 0; n < spaces; ++n) {
        const int q = randomWhole(random, kCharacterLineLength - 2);
        s.LineChars(q) = kSpace;
        s.LineRows(q) = kSpaceRow;
    }
    s.LineLen = kCharacterLineLength;
    std::string text;
    for (int i = 0; i < kCharacterLineLength; ++i)
        text += utf8Of(s.LineChars(i));
    return text;
}

std::string wordLine(TypeState& s, const RowChoice& checked, bool useShift, Random& random) {
    std::string text;
    for (int w = 1; w <= 3; ++w) {
        PickRow(s, checked, random);
        // The word lists have no number-row words.
        const int row = s.Row <= 3 ? int{s.Row} : int{kHomeRow};
        std::string word = s.WordList(row, randomWhole(random, 30));
        const float r = random.next();
        if (r < 0.25f && useShift && !word.empty() && word[0] >= 'a' && word[0] <= 'z')
            word[0] = static_cast<char>(word[0] - 32);
        text += (w > 1 ? " " : "") + word;
    }
    // The key data keeps every word short enough; never write past the line slots.
    if (text.size() > static_cast<std::size_t>(kLineSlots - 1))
        text.resize(static_cast<std::size_t>(kLineSlots - 1));
    s.LineLen = static_cast<i16>(text.size());
    for (int i = 0; i < s.LineLen; ++i) {
        const int c = static_cast<unsigned char>(text[static_cast<std::size_t>(i)]);
        s.LineChars(i) = static_cast<char32_t>(c);
        s.LineRows(i) = static_cast<i16>(lessonRowOf(s, c));
    }
    return text;
}

} // namespace

std::string MakeDrillLine(TypeState& s, const RowChoice& checked, bool useShift, Random& random) {
    return s.Mode == kWordDrill ? wordLine(s, checked, useShift, random)
                                : characterLine(s, checked, useShift, random);
}

void PickPracticeFinger(TypeState& s, const RowChoice& checked, bool useShift, Random& random) {
    PickRow(s, checked, random);
    s.Hand = static_cast<i16>(randomWhole(random, 2));
    s.Finger = static_cast<i16>(randomWhole(random, 4));
    s.ShiftLevel = useShift ? static_cast<i16>((randomWhole(random, 2) - 1) * 4) : 0;
}

} // namespace tapwell
