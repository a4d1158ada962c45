#!/usr/bin/env python3
"""Generate Tapwell's keyboard data file, data/key.dat.

The file is plain text: 850 values separated by commas or line ends.
Strings are in double quotes, integers are decimal and fit in a signed
16-bit number.  The values come in six blocks, always in this order:

  1. Practice words, 90 strings: 30 for the home row, 30 for the top row,
     30 for the bottom row.
  2. RowChars(r, p), 48 integers: for lesson rows r = 1..4 (home, top,
     bottom, number) the character codes of the twelve on-screen keys,
     left to right.  Enter is 13, the left Shift is -1, an empty slot 0.
  3. The same 48 integers with the left Shift written as 0, so that every
     value is in 0..255.
  4. FingerKeys(f, r, k), 288 integers: for fingers f = 1..8 (left little,
     ring, middle, index, then right little, ring, middle, index), lesson
     rows r = 1..4 and k = 0..8: k = 0 is the number of keys, k = 1..4 the
     unshifted characters in teaching order, k = 5..8 their shifted forms.
  5. CharKey(c, 1..3), 282 integers: for every character code 33..126 the
     physical row (1 number, 2 top, 3 home, 4 bottom), the position in that
     row counted from 1 and a spare 0.  A shifted character is typed with
     the Shift key of the other hand: a left-hand key negates the position
     (right Shift), a right-hand key negates the row (left Shift).
     Characters without a key on our keyboard get 0, 0, 0.
  6. KeyHand(k, 1..2), 94 integers: for on-screen key indices 52..98 the
     hand (1 left, 2 right) and finger (1 little .. 4 index).

Every rule the program relies on is checked before anything is written,
and the written file is read back and counted.  Only the standard library
is used.

    python3 tools/make_keydat.py
"""

import os

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT_PATH = os.path.join(ROOT, "data", "key.dat")

ENTER = 13
LSHIFT = -1

# ---------------------------------------------------------------------------
# Block 1: practice words.

HOME_WORDS = [
    "as", "ah", "ha", "add", "all", "ask", "dad", "sad", "had", "has",
    "gas", "lad", "glad", "flag", "flask", "salad", "shall", "dash", "half", "fall",
    "hall", "glass", "flash", "salsa", "gala", "alfalfa", "alas", "asks", "flags", "falls",
]

TOP_WORDS = [
    "type", "pretty", "tower", "tree", "pie", "pot", "top", "toy", "tip", "rope",
    "pipe", "quiet", "wet", "yet", "you", "your", "out", "put", "power", "write",
    "ripe", "try", "wipe", "pet", "poet", "trip", "puppy", "toe", "puppet", "pepper",
]

BOTTOM_WORDS = [
    "cab", "mix", "numb", "banana", "box", "bun", "bin", "van", "man", "mum",
    "mom", "cub", "bib", "buzz", "fizz", "jazz", "comb", "climb", "bomb", "cabin",
    "zoom", "moon", "noon", "menu", "bench", "camp", "bunny", "mummy", "bubble", "vacuum",
]

HOME_LETTERS = set("asdfghjkl")
TOP_LETTERS = set("qwertyuiop")
BOTTOM_LETTERS = set("zxcvbnm")

# ---------------------------------------------------------------------------
# The US keyboard as shown on screen.

# Physical rows, left to right (1 number, 2 top, 3 home, 4 bottom).
PHYS_ROWS = {
    1: "1234567890-=",
    2: "qwertyuiop[]",
    3: "asdfghjkl;'",
    4: "zxcvbnm,./",
}

# Unshifted character -> shifted character, for every key we show.
SHIFTED = {c: c.upper() for c in "abcdefghijklmnopqrstuvwxyz"}
SHIFTED.update(zip("1234567890-=[];',./", "!@#$%^&*()_+{}:\"<>?"))

LEFT_HAND_KEYS = set("12345qwertasdfgzxcvb")
RIGHT_HAND_KEYS = set("67890-=yuiop[]hjkl;'nm,./")

# Characters that exist on a US keyboard but have no key on ours.
NO_KEY = {ord("\\"), ord("|"), ord("`"), ord("~")}

# Lesson rows (1 home, 2 top, 3 bottom, 4 number), twelve slots each.
ROW_CHARS = [
    [ord(c) for c in "asdfghjkl;'"] + [ENTER],
    [ord(c) for c in "qwertyuiop[]"],
    [LSHIFT] + [ord(c) for c in "zxcvbnm,./"] + [0],
    [ord(c) for c in "1234567890-="],
]

# Which finger strikes which keys, per lesson row, in teaching order.
# Index 0 is finger 1 (left little) .. index 7 is finger 8 (right index).
# Rows are home, top, bottom, number.  Enter and the left Shift are given
# by their codes.
FINGER_KEYS = [
    ["a", "q", ["z", LSHIFT], "1"],          # left little
    ["s", "w", "x", "2"],                    # left ring
    ["d", "e", "c", "3"],                    # left middle
    ["fg", "rt", "vb", "45"],                # left index
    [[";", "'", ENTER], "p[]", "/", "0-="],  # right little
    ["l", "o", ".", "9"],                    # right ring
    ["k", "i", ",", "8"],                    # right middle
    ["jh", "uy", "mn", "76"],                # right index
]

# On-screen key index -> (hand, finger).  Written out key by key rather than
# derived from FINGER_KEYS, so the two tables check each other.
L, R = 1, 2
LITTLE, RING, MIDDLE, INDEX = 1, 2, 3, 4
KEY_HAND = {}


def _set_keys(first, hands):
    for i, hf in enumerate(hands):
        KEY_HAND[first + i] = hf


# number row 1 2 3 4 5 6 7 8 9 0 - =
_set_keys(52, [(L, LITTLE), (L, RING), (L, MIDDLE), (L, INDEX), (L, INDEX),
               (R, INDEX), (R, INDEX), (R, MIDDLE), (R, RING), (R, LITTLE),
               (R, LITTLE), (R, LITTLE)])
# top row q w e r t y u i o p [ ]
_set_keys(64, [(L, LITTLE), (L, RING), (L, MIDDLE), (L, INDEX), (L, INDEX),
               (R, INDEX), (R, INDEX), (R, MIDDLE), (R, RING), (R, LITTLE),
               (R, LITTLE), (R, LITTLE)])
# home row a s d f g h j k l ; '
_set_keys(76, [(L, LITTLE), (L, RING), (L, MIDDLE), (L, INDEX), (L, INDEX),
               (R, INDEX), (R, INDEX), (R, MIDDLE), (R, RING), (R, LITTLE),
               (R, LITTLE)])
KEY_HAND[87] = (R, LITTLE)  # Enter
KEY_HAND[88] = (L, LITTLE)  # left Shift
# bottom row z x c v b n m , . /
_set_keys(89, [(L, LITTLE), (L, RING), (L, MIDDLE), (L, INDEX), (L, INDEX),
               (R, INDEX), (R, INDEX), (R, MIDDLE), (R, RING), (R, LITTLE)])

ENTER_INDEX = 87
LSHIFT_INDEX = 88


def key_index(row, pos):
    """On-screen key index for a physical row and position (both >= 1)."""
    return {1: 51, 2: 63, 3: 75, 4: 88}[row] + pos


# ---------------------------------------------------------------------------
# Building the blocks.

def build_row_chars():
    return [v for row in ROW_CHARS for v in row]


def build_row_chars_unsigned():
    return [0 if v == LSHIFT else v for v in build_row_chars()]


def _code(k):
    return k if isinstance(k, int) else ord(k)


def _shift_code(k):
    if isinstance(k, int):
        return k  # Enter and Shift stay as they are
    return ord(SHIFTED[k])


def build_finger_keys():
    out = []
    for rows in FINGER_KEYS:
        for keys in rows:
            keys = list(keys)
            assert 0 <= len(keys) <= 3
            plain = [_code(k) for k in keys] + [0] * (4 - len(keys))
            shifted = [_shift_code(k) for k in keys] + [0] * (4 - len(keys))
            out.append([len(keys)] + plain + shifted)
    return out


def _find_key(ch):
    for row, keys in PHYS_ROWS.items():
        pos = keys.find(ch)
        if pos >= 0:
            return row, pos + 1
    return None


def build_char_key():
    unshift = {v: k for k, v in SHIFTED.items()}
    out = []
    for c in range(33, 127):
        ch = chr(c)
        if c in NO_KEY:
            out.append([0, 0, 0])
            continue
        if ch in SHIFTED:
            row, pos = _find_key(ch)
            out.append([row, pos, 0])
            continue
        base = unshift[ch]
        row, pos = _find_key(base)
        if base in LEFT_HAND_KEYS:
            out.append([row, -pos, 0])   # right Shift
        else:
            out.append([-row, pos, 0])   # left Shift
    return out


def build_key_hand():
    return [list(KEY_HAND[k]) for k in range(52, 99)]


# ---------------------------------------------------------------------------
# Checks.

def check(words, row_chars, row_chars_u, finger_keys, char_key, key_hand):
    flat_fk = [v for e in finger_keys for v in e]
    flat_ck = [v for e in char_key for v in e]
    flat_kh = [v for e in key_hand for v in e]
    counts = [len(words), len(row_chars), len(row_chars_u),
              len(flat_fk), len(flat_ck), len(flat_kh)]
    assert counts == [90, 48, 48, 288, 282, 94], counts
    assert sum(counts) == 850

    for v in row_chars + row_chars_u + flat_fk + flat_ck + flat_kh:
        assert isinstance(v, int) and -32768 <= v <= 32767, v

    def char_key_of(ch):
        return char_key[ord(ch) - 33]

    # Words.
    lists = [(words[0:30], "home"), (words[30:60], "top"), (words[60:90], "bottom")]
    for lst, name in lists:
        assert len(lst) == 30
        assert len(set(lst)) == 30, "duplicate word in %s row" % name
        for w in lst:
            assert 1 <= len(w) <= 9, w
            assert w.isascii() and w.isalpha() and w.islower(), w
            assert "a" <= w[0] <= "z", w
            assert '"' not in w and "," not in w, w
            for ch in w:
                row = char_key_of(ch)[0]
                assert 1 <= row <= 4, (w, ch)
            if name == "home":
                assert set(w) <= HOME_LETTERS, w
            elif name == "top":
                assert set(w) <= TOP_LETTERS, w
            else:
                n = sum(1 for ch in w if ch in BOTTOM_LETTERS)
                assert 2 * n >= len(w), w

    # Row characters.
    assert len(row_chars) == 48
    for i, (v, u) in enumerate(zip(row_chars, row_chars_u)):
        assert 0 <= u <= 255
        assert u == (0 if v == LSHIFT else v)
        if v in (0, ENTER, LSHIFT):
            continue
        assert 33 <= v <= 122, v
        assert chr(v) in SHIFTED, v
    assert row_chars[11] == ENTER and row_chars[24] == LSHIFT
    assert row_chars.count(LSHIFT) == 1 and row_chars.count(ENTER) == 1
    # Each lesson row's keys must be exactly one physical row, in order.
    lesson_to_phys = {0: 3, 1: 2, 2: 4, 3: 1}
    for r in range(4):
        keys = "".join(chr(v) for v in row_chars[r * 12:(r + 1) * 12]
                       if v not in (0, ENTER, LSHIFT))
        assert keys == PHYS_ROWS[lesson_to_phys[r]], keys

    # Fingers.
    seen = []
    for f in range(8):
        hand, finger = (1 if f < 4 else 2), f % 4 + 1
        for r in range(4):
            e = finger_keys[f * 4 + r]
            n = e[0]
            assert 0 <= n <= 3 and e[4] == 0 and e[8] == 0, e
            for k in range(1, 5):
                plain, shifted = e[k], e[k + 4]
                if k > n:
                    assert plain == 0 and shifted == 0, e
                    continue
                seen.append(plain)
                if plain == ENTER:
                    assert shifted == ENTER
                    assert KEY_HAND[ENTER_INDEX] == (hand, finger)
                    continue
                if plain == LSHIFT:
                    assert shifted == LSHIFT
                    assert KEY_HAND[LSHIFT_INDEX] == (hand, finger)
                    continue
                assert shifted == ord(SHIFTED[chr(plain)]), e
                row, pos, spare = char_key[plain - 33]
                assert row >= 1 and pos >= 1 and spare == 0
                assert KEY_HAND[key_index(row, pos)] == (hand, finger), \
                    (f + 1, chr(plain))
                # The shifted form must point at the same key.
                srow, spos, _ = char_key[shifted - 33]
                assert (abs(srow), abs(spos)) == (row, pos), chr(shifted)
    # Every key on screen belongs to exactly one finger.
    assert sorted(seen) == sorted(v for v in row_chars if v != 0), seen

    # Character keys.
    assert len(char_key) == 94
    for c in range(33, 127):
        row, pos, spare = char_key[c - 33]
        assert spare == 0
        if c in NO_KEY:
            assert (row, pos) == (0, 0), chr(c)
            continue
        assert row != 0 and pos != 0, chr(c)
        assert not (row < 0 and pos < 0), chr(c)
        arow, apos = abs(row), abs(pos)
        assert 1 <= arow <= 4 and 1 <= apos <= len(PHYS_ROWS[arow]), chr(c)
        base = PHYS_ROWS[arow][apos - 1]
        hand = KEY_HAND[key_index(arow, apos)][0]
        if chr(c) == base:
            assert row > 0 and pos > 0, chr(c)
        else:
            assert SHIFTED[base] == chr(c), chr(c)
            if hand == L:
                assert row > 0 and pos < 0, chr(c)   # right Shift
            else:
                assert row < 0 and pos > 0, chr(c)   # left Shift
        assert (base in LEFT_HAND_KEYS) == (hand == L), base
        assert (base in RIGHT_HAND_KEYS) == (hand == R), base
    for ch in "AQZ!@%":
        assert char_key_of(ch)[1] < 0, ch
    for ch in "J:\"?(+{&^":
        assert char_key_of(ch)[0] < 0, ch

    # Key hands.
    assert sorted(KEY_HAND) == list(range(52, 99))
    for hf in key_hand:
        assert hf[0] in (1, 2) and 1 <= hf[1] <= 4
    assert KEY_HAND[56] == (L, INDEX) and KEY_HAND[57] == (R, INDEX)  # 5, 6
    assert KEY_HAND[80] == (L, INDEX) and KEY_HAND[81] == (R, INDEX)  # g, h
    assert KEY_HAND[93] == (L, INDEX) and KEY_HAND[94] == (R, INDEX)  # b, n


# ---------------------------------------------------------------------------
# Writing and reading back.

def render(words, row_chars, row_chars_u, finger_keys, char_key, key_hand):
    lines = []
    for i in range(0, len(words), 10):
        lines.append(",".join('"%s"' % w for w in words[i:i + 10]))
    for block in (row_chars, row_chars_u):
        for r in range(4):
            lines.append(",".join(str(v) for v in block[r * 12:(r + 1) * 12]))
    for group in (finger_keys, char_key, key_hand):
        for e in group:
            lines.append(",".join(str(v) for v in e))
    return "\n".join(lines) + "\n"


def read_back(text):
    values = []
    for line in text.split("\n"):
        for field in line.split(","):
            if field != "":
                values.append(field.strip('"'))
    return values


def main():
    words = HOME_WORDS + TOP_WORDS + BOTTOM_WORDS
    row_chars = build_row_chars()
    row_chars_u = build_row_chars_unsigned()
    finger_keys = build_finger_keys()
    char_key = build_char_key()
    key_hand = build_key_hand()
    check(words, row_chars, row_chars_u, finger_keys, char_key, key_hand)

    text = render(words, row_chars, row_chars_u, finger_keys, char_key, key_hand)
    assert "\r" not in text and text.endswith("\n") and not text.endswith("\n\n")
    with open(OUT_PATH, "w", encoding="ascii", newline="\n") as fh:
        fh.write(text)

    with open(OUT_PATH, "r", encoding="ascii", newline="") as fh:
        back = read_back(fh.read())
    assert len(back) == 850, len(back)
    assert back[:90] == words
    assert [int(v) for v in back[90:]] == (
        row_chars + row_chars_u
        + [v for g in (finger_keys, char_key, key_hand) for e in g for v in e])
    print("wrote %s (%d values)" % (os.path.relpath(OUT_PATH, ROOT), len(back)))


if __name__ == "__main__":
    main()
