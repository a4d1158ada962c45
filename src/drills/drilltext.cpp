#include "drilltext.h"

#include "state/text.h"

#include <algorithm>

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
        // Where accents are asked for, about a quarter of the keys that have them type
        // what AltGr or a dead key makes with them.
        if (s.layout && s.layout->accents) {
            const auto it = s.layout->accented.find(static_cast<char32_t>(c));
            if (it != s.layout->accented.end() && random.next() < 0.25f)
                c = static_cast<int>(it->second[static_cast<std::size_t>(
                    randomWhole(random, static_cast<int>(it->second.size())) - 1)]);
        }
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

// Three of the words that this keyboard types on the checked rows' keys.
std::string layoutWordLine(TypeState& s, const std::vector<std::u32string>& words, bool useShift,
                           Random& random) {
    std::string text;
    s.LineLen = 0;
    for (int w = 1; w <= 3; ++w) {
        const std::u32string& word = words[static_cast<std::size_t>(
            randomWhole(random, static_cast<int>(words.size())) - 1)];
        const bool capital = random.next() < 0.25f && useShift;
        if (w > 1) {
            text += ' ';
            s.LineChars(s.LineLen) = kSpace;
            s.LineRows(s.LineLen) = kSpaceRow;
            ++s.LineLen;
        }
        for (std::size_t i = 0; i < word.size() && s.LineLen < kLineSlots - 1; ++i) {
            int c = static_cast<int>(word[i]);
            if (i == 0 && capital && shiftCharOf(s, c) != 0) c = shiftCharOf(s, c);
            text += utf8Of(static_cast<char32_t>(c));
            s.LineChars(s.LineLen) = static_cast<char32_t>(c);
            s.LineRows(s.LineLen) = static_cast<i16>(lessonRowOf(s, c));
            ++s.LineLen;
        }
    }
    return text;
}

std::string wordLine(TypeState& s, const RowChoice& checked, bool useShift, Random& random) {
    if (!designedWords(s)) {
        const std::vector<std::u32string> words = wordsOfRows(s, checked);
        if (words.size() < kFewestWords) return characterLine(s, checked, useShift, random);
        return layoutWordLine(s, words, useShift, random);
    }
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

bool designedWords(const TypeState& s) {
    return !s.layout && (!s.words || s.words->english());
}

std::vector<std::u32string> wordsOfRows(const TypeState& s, const RowChoice& checked) {
    std::vector<std::u32string> out;
    const auto typed = [&](char32_t c) {
        const int row = lessonRowOf(s, static_cast<int>(c));
        return keyIndexOf(s, static_cast<int>(c)) != 0 && row >= kHomeRow && row <= kNumberRow &&
               checked[static_cast<std::size_t>(row - 1)];
    };
    const auto take = [&](const std::u32string& word) {
        if (!word.empty() && std::all_of(word.begin(), word.end(), typed) &&
            std::find(out.begin(), out.end(), word) == out.end())
            out.push_back(word);
    };
    if (s.words) {
        for (const std::u32string& word : s.words->words) {
            if (out.size() == kMostWords) break;
            take(word);
        }
        return out;
    }
    for (int row = 1; row <= 3; ++row)
        for (int n = 1; n <= 30; ++n) {
            std::u32string word;
            for (const char c : s.WordList(row, n))
                word += static_cast<char32_t>(static_cast<unsigned char>(c));
            take(word);
        }
    return out;
}

bool tooFewWords(const TypeState& s, const RowChoice& checked) {
    return !designedWords(s) && wordsOfRows(s, checked).size() < kFewestWords;
}

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
