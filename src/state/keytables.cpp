#include "keytables.h"

#include "say.h"
#include "valuereader.h"

#include <array>
#include <cstdlib>
#include <memory>
#include <sstream>

namespace tapwell {

std::string KeyDataError::message() const {
    std::ostringstream m;
    if (valueNumber > 0)
        m << "value " << valueNumber << " (line " << line << ")";
    else
        m << "line " << line;
    if (!entry.empty()) m << ", " << entry;
    m << ": expected " << expected;
    if (!found.empty()) m << ", found " << found;
    return m.str();
}

namespace {

// Made for every value read (a stream here cost more than reading the file).
std::string name(std::string_view table, std::initializer_list<int> idx) {
    std::string s(table);
    s += '(';
    const char* separator = "";
    for (int i : idx) {
        s += separator;
        s += std::to_string(i);
        separator = ", ";
    }
    s += ')';
    return s;
}

std::string quoted(std::string_view text) {
    std::string q(1, '"');
    q += printable(text);
    q += '"';
    return q;
}

// Reads the values one after the other, remembering where each one stood so that the
// checks made after the whole file is read can still point at the value.
class Loader {
public:
    Loader(std::string_view bytes, KeyDataError& error) : reader_(bytes), error_(error) {}

    bool text(std::string& out, const std::string& entry) {
        const auto v = take(entry, [] { return std::string("a text"); });
        if (!v) return false;
        out.assign(v->text);
        return true;
    }

    bool integer(i16& out, const std::string& entry, int lo = -32768, int hi = 32767) {
        // Said only when the value is not one.
        const auto expected = [lo, hi] {
            return "an integer from " + std::to_string(lo) + " to " + std::to_string(hi);
        };
        const auto v = take(entry, expected);
        if (!v) return false;
        const auto n = parseInt16(v->text);
        if (!n || *n < lo || *n > hi) {
            fail(v->number, entry, expected(), v->text.empty() ? "nothing" : quoted(v->text));
            return false;
        }
        out = *n;
        return true;
    }

    int lineOf(int number) const { return lines_[static_cast<std::size_t>(number)]; }
    int read() const { return reader_.count(); }

    bool fail(int number, const std::string& entry, const std::string& expected,
              const std::string& found) {
        error_.valueNumber = number;
        error_.line = number > 0 ? lineOf(number) : reader_.line();
        error_.entry = entry;
        error_.expected = expected;
        error_.found = found;
        return false;
    }

private:
    template <typename Expected>
    std::optional<RawValue> take(const std::string& entry, const Expected& expected) {
        auto v = reader_.next();
        if (!v) {
            const int number = reader_.count() + 1;
            error_.valueNumber = number;
            error_.line = reader_.line();
            error_.entry = entry;
            error_.expected = expected();
            error_.found = reader_.error().empty() ? "the end of the file" : reader_.error();
            return std::nullopt;
        }
        lines_[static_cast<std::size_t>(v->number)] = v->line;
        return v;
    }

    ValueReader reader_;
    KeyDataError& error_;
    std::array<int, kKeyDataValues + 1> lines_{};
};

// Value numbers of the first value of each block, for the checks made afterwards.
constexpr int kWordsFirst = 1;
constexpr int kRowCharsFirst = kWordsFirst + 90;
constexpr int kRowTextFirst = kRowCharsFirst + 48;
constexpr int kFingerKeysFirst = kRowTextFirst + 48;
constexpr int kCharKeyFirst = kFingerKeysFirst + 288;
constexpr int kKeyHandFirst = kCharKeyFirst + 282;
static_assert(kKeyHandFirst + 94 == kKeyDataValues + 1);

int wordValue(int r, int n) {
    return kWordsFirst + (r - 1) * 30 + (n - 1);
}
int rowCharValue(int r, int p) {
    return kRowCharsFirst + (r - 1) * 12 + (p - 1);
}
int fingerKeyValue(int f, int r, int k) {
    return kFingerKeysFirst + ((f - 1) * 4 + r - 1) * 9 + k;
}
int charKeyValue(int c, int col) {
    return kCharKeyFirst + (c - 33) * 3 + (col - 1);
}
int keyHandValue(int k, int v) {
    return kKeyHandFirst + (k - 52) * 2 + (v - 1);
}

bool readBlocks1to4(Loader& in, KeyTables& t) {
    for (int r = 1; r <= 3; ++r)
        for (int n = 1; n <= 30; ++n)
            if (!in.text(t.WordList(r, n), name("WordList", {r, n}))) return false;
    for (int r = 1; r <= 4; ++r)
        for (int p = 1; p <= 12; ++p)
            if (!in.integer(t.RowChars(r, p), name("RowChars", {r, p}))) return false;
    for (int r = 1; r <= 4; ++r)
        for (int p = 1; p <= 12; ++p) {
            i16 code = 0;
            if (!in.integer(code, name("RowCharText", {r, p}), 0, 255)) return false;
            t.RowCharText(r, p) = std::string(1, static_cast<char>(code));
        }
    for (int f = 1; f <= 8; ++f)
        for (int r = 1; r <= 4; ++r)
            for (int k = 0; k <= 8; ++k)
                if (!in.integer(t.FingerKeys(f, r, k), name("FingerKeys", {f, r, k}))) return false;
    return true;
}

void applyFixedEntries(KeyTables& t) {
    // The left little finger has two bottom-row keys, the second being the left Shift.
    t.FingerKeys(1, 3, 0) = 2;
    t.FingerKeys(1, 3, 2) = kShiftKey;
    t.FingerKeys(1, 3, 6) = kShiftKey;
    // The right little finger has three home-row keys, the third being Enter.
    t.FingerKeys(5, 1, 0) = 3;
    t.FingerKeys(5, 1, 3) = kEnter;
    t.FingerKeys(5, 1, 7) = kEnter;
    // No drill character at the Enter end of the home row or the Shift end of the
    // bottom row.
    t.RowChars(1, 12) = 0;
    t.RowChars(3, 1) = 0;
}

bool readBlocks5and6(Loader& in, KeyTables& t) {
    for (int c = 33; c <= 126; ++c)
        for (int col = 1; col <= 3; ++col)
            if (!in.integer(t.CharKey(c, col), name("CharKey", {c, col}))) return false;
    for (int k = 52; k <= 98; ++k)
        for (int v = 1; v <= 2; ++v)
            if (!in.integer(t.KeyHand(k, v), name("KeyHand", {k, v}))) return false;
    return true;
}

// The checks that keep every later lookup inside its table.
bool checkInvariants(Loader& in, const KeyTables& t) {
    for (int c = 33; c <= 126; ++c) {
        const int row = t.CharKey(c, 1), pos = t.CharKey(c, 2);
        if (std::abs(row) > 4)
            return in.fail(charKeyValue(c, 1), name("CharKey", {c, 1}), "a row from -4 to 4",
                           std::to_string(row));
        if (std::abs(pos) > 12)
            return in.fail(charKeyValue(c, 2), name("CharKey", {c, 2}), "a position from -12 to 12",
                           std::to_string(pos));
        if (row != 0 && pos != 0 && t.RowKeys(std::abs(row), std::abs(pos)) == 0)
            return in.fail(charKeyValue(c, 2), name("CharKey", {c, 2}),
                           "a position that has a key in row " + std::to_string(std::abs(row)),
                           std::to_string(pos));
    }
    for (int row = 1; row <= 4; ++row)
        for (int pos = 1; pos <= 12; ++pos) {
            const int k = t.RowKeys(row, pos);
            if (k == 0) continue;
            const int hand = t.KeyHand(k, 1), finger = t.KeyHand(k, 2);
            if (hand < 1 || hand > 2)
                return in.fail(keyHandValue(k, 1), name("KeyHand", {k, 1}), "a hand, 1 or 2",
                               std::to_string(hand));
            if (finger < 0 || finger > 6)
                return in.fail(keyHandValue(k, 2), name("KeyHand", {k, 2}),
                               "a finger picture from 0 to 6", std::to_string(finger));
        }

    // Every character a drill or a lesson can ask for must have its key.
    const auto typable = [&](int c) { return keyIndexOf(t, c) != 0; };
    for (int r = 1; r <= 3; ++r)
        for (int n = 1; n <= 30; ++n) {
            const std::string& w = t.WordList(r, n);
            const std::string entry = name("WordList", {r, n});
            const std::string expected = "a word of 1 to " + std::to_string(kMaxWordLength) +
                                         " characters that have keys, starting with a "
                                         "lower-case letter";
            bool ok = !w.empty() && w.size() <= static_cast<std::size_t>(kMaxWordLength) &&
                      w[0] >= 'a' && w[0] <= 'z';
            for (char ch : w)
                ok = ok && typable(static_cast<unsigned char>(ch));
            if (!ok) return in.fail(wordValue(r, n), entry, expected, quoted(w));
        }
    for (int r = 1; r <= 4; ++r) {
        bool any = false;
        for (int p = 1; p <= 12; ++p) {
            const int c = t.RowChars(r, p);
            if (c == 0 || c == kEnter) continue;
            if (c < 33 || c > 122 || !typable(c) || !typable(t.ShiftChar(c)))
                return in.fail(rowCharValue(r, p), name("RowChars", {r, p}),
                               "0, 13 or a character that has a key and a shifted form "
                               "with a key",
                               std::to_string(c));
            any = true;
        }
        if (!any)
            return in.fail(
                rowCharValue(r, 1), name("RowChars", {r, 1}) + " to " + name("RowChars", {r, 12}),
                "at least one character for the drills in row " + std::to_string(r), "none");
    }
    for (int f = 1; f <= 8; ++f)
        for (int r = 1; r <= 4; ++r) {
            const int count = t.FingerKeys(f, r, 0);
            if (count < 0 || count > 3)
                return in.fail(fingerKeyValue(f, r, 0), name("FingerKeys", {f, r, 0}),
                               "a number of keys from 0 to 3", std::to_string(count));
            for (int k = 1; k <= 8; ++k) {
                const int c = t.FingerKeys(f, r, k);
                const bool used = (k <= 4 ? k : k - 4) <= count;
                const bool ok = c == kShiftKey || c == kEnter || (c == 0 && !used) ||
                                (c >= 33 && c <= 126 && typable(c));
                if (!ok)
                    return in.fail(fingerKeyValue(f, r, k), name("FingerKeys", {f, r, k}),
                                   used ? "-1 (Shift), 13 (Enter) or a character that has a key"
                                        : "0, -1 (Shift), 13 (Enter) or a character that has "
                                          "a key",
                                   std::to_string(c));
            }
        }
    return true;
}

} // namespace

bool readKeyData(std::string_view bytes, KeyTables& tables, KeyDataError& error) {
    auto t = std::make_unique<KeyTables>();
    buildConstantTables(*t);
    t->RowTop = tables.RowTop;
    Loader in(bytes, error);
    if (!readBlocks1to4(in, *t)) return false;
    applyFixedEntries(*t);
    if (!readBlocks5and6(in, *t)) return false;
    if (!checkInvariants(in, *t)) return false;
    tables = *t;
    return true;
}

void buildConstantTables(KeyTables& t) {
    for (int p = 1; p <= 12; ++p)
        t.RowKeys(1, p) = static_cast<i16>(p + 51);
    for (int p = 1; p <= 12; ++p)
        t.RowKeys(2, p) = static_cast<i16>(p + 63);
    for (int p = 1; p <= 11; ++p)
        t.RowKeys(3, p) = static_cast<i16>(p + 75);
    for (int p = 1; p <= 10; ++p)
        t.RowKeys(4, p) = static_cast<i16>(p + 88);

    // In English; those who show them say them: say("KeyNames", t.HandName(1).c_str()).
    //: A hand, as in "Use the little finger of the left hand."
    t.HandName(1) = QT_TRANSLATE_NOOP("KeyNames", "left");
    //: A hand, as in "Use the little finger of the right hand."
    t.HandName(2) = QT_TRANSLATE_NOOP("KeyNames", "right");
    const char* fingers[] = {"",
                             //: A finger, as in "Use the little finger of the left hand."
                             QT_TRANSLATE_NOOP("KeyNames", "little"),
                             //: A finger, as in "Use the ring finger of the left hand."
                             QT_TRANSLATE_NOOP("KeyNames", "ring"),
                             //: A finger, as in "Use the middle finger of the left hand."
                             QT_TRANSLATE_NOOP("KeyNames", "middle"),
                             //: A finger, as in "Use the index finger of the left hand."
                             QT_TRANSLATE_NOOP("KeyNames", "index"), ""};
    const char* rows[] = {"",
                          //: A row of keys, as in "This row is called the home row."
                          QT_TRANSLATE_NOOP("KeyNames", "home"),
                          //: A row of keys, as in "This row is called the top row."
                          QT_TRANSLATE_NOOP("KeyNames", "top"),
                          //: A row of keys, as in "This row is called the bottom row."
                          QT_TRANSLATE_NOOP("KeyNames", "bottom"),
                          //: A row of keys, as in "This row is called the number row."
                          QT_TRANSLATE_NOOP("KeyNames", "number"),
                          //: Any row of keys.
                          QT_TRANSLATE_NOOP("KeyNames", "any")};
    const char* titles[] = {"",
                            //: A row of keys, as a title: "Home Row".
                            QT_TRANSLATE_NOOP("KeyNames", "Home"),
                            //: A row of keys, as a title: "Top Row".
                            QT_TRANSLATE_NOOP("KeyNames", "Top"),
                            //: A row of keys, as a title: "Bottom Row".
                            QT_TRANSLATE_NOOP("KeyNames", "Bottom"),
                            //: A row of keys, as a title: "Number Row".
                            QT_TRANSLATE_NOOP("KeyNames", "Number"),
                            //: Any row of keys, as a title.
                            QT_TRANSLATE_NOOP("KeyNames", "Any")};
    for (int i = 1; i <= 5; ++i) {
        t.FingerName(i) = fingers[i];
        t.RowName(i) = rows[i];
        t.RowTitle(i) = titles[i];
    }

    for (int c = 65; c <= 90; ++c)
        t.ShiftChar(c + 32) = static_cast<i16>(c);
    static constexpr std::pair<char, char> pairs[] = {
        {'\'', '"'}, {',', '<'}, {'-', '_'}, {'.', '>'}, {'/', '?'}, {'0', ')'}, {'1', '!'},
        {'2', '@'},  {'3', '#'}, {'4', '$'}, {'5', '%'}, {'6', '^'}, {'7', '&'}, {'8', '*'},
        {'9', '('},  {';', ':'}, {'=', '+'}, {'[', '{'}, {']', '}'}};
    for (const auto& [plain, shifted] : pairs)
        t.ShiftChar(plain) = shifted;
}

const LayoutKeys::Place* placeOf(const KeyTables& t, int c) {
    if (c <= 0 || !t.layout) return nullptr;
    const auto it = t.layout->chars.find(static_cast<char32_t>(c));
    return it == t.layout->chars.end() ? nullptr : &it->second;
}

int keyHandOf(const KeyTables& t, int key, int which) {
    // The ISO keys are the little fingers' (left of Z: the left one; right of the home
    // row: the right one), AltGr the right thumb's.
    if (key == kIsoLeftKey) return 1; // the left hand, its little finger
    if (key == kIsoRightKey) return which == 1 ? 2 : 1;
    if (key == kAltGrKey) return which == 1 ? 2 : 6;
    return key >= kFirstKey && key <= 98 ? t.KeyHand(key, which) : 0;
}

int keyIndexOf(const KeyTables& t, int c) {
    if (t.layout) {
        const LayoutKeys::Place* p = placeOf(t, c);
        return p ? p->key : 0;
    }
    if (c < 33 || c > 126) return 0;
    return t.RowKeys.at(std::abs(t.CharKey(c, 1)), std::abs(t.CharKey(c, 2)));
}

int shiftSideOf(const KeyTables& t, int c) {
    if (t.layout) {
        const LayoutKeys::Place* p = placeOf(t, c);
        return p ? p->shift : 0;
    }
    if (c < 33 || c > 126) return 0;
    return t.CharKey(c, 1) < 0 ? 1 : t.CharKey(c, 2) < 0 ? 2 : 0;
}

int shiftCharOf(const KeyTables& t, int c) {
    if (t.layout) {
        const auto it = t.layout->shifted.find(static_cast<char32_t>(c));
        return it == t.layout->shifted.end() ? 0 : static_cast<int>(it->second);
    }
    return c >= 0 && c <= 122 ? t.ShiftChar(c) : 0;
}

int rowCharOf(const KeyTables& t, int row, int n) {
    return t.layout ? static_cast<int>(t.layout->RowChars.at(row, n)) : t.RowChars.at(row, n);
}

int fingerKeyOf(const KeyTables& t, int finger, int row, int n) {
    return t.layout ? t.layout->FingerKeys.at(finger, row, n) : t.FingerKeys.at(finger, row, n);
}

std::string keyCaptionOf(const KeyTables& t, int key) {
    if (t.layout) {
        const auto it = t.layout->captions.find(key);
        return it == t.layout->captions.end() ? std::string() : it->second.first;
    }
    for (int c = 33; c <= 126; ++c) {
        // The key's own character is the one typed without Shift.
        if (t.CharKey(c, 1) > 0 && t.CharKey(c, 2) > 0 && keyIndexOf(t, c) == key)
            return std::string(1, static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c));
    }
    return {};
}

int keyOfCharacter(const KeyTables& t, int c) {
    if (c == kSpace) return kSpaceBarKey;
    if (c == kEnter) return kEnterKey;
    return keyIndexOf(t, c);
}

int lessonRowOf(const KeyTables& t, int c) {
    if (c == kSpace) return kSpaceRow;
    if (t.layout) {
        const LayoutKeys::Place* p = placeOf(t, c);
        return p ? p->row : 0;
    }
    if (c < 33 || c > 126) return 0;
    static constexpr int fromPhysical[] = {0, kNumberRow, kTopRow, kHomeRow, kBottomRow};
    const int physical = std::abs(t.CharKey(c, 1));
    return physical >= 1 && physical <= 4 ? fromPhysical[physical] : 0;
}

} // namespace tapwell
