"""What a child types in a row lesson's practice, read from key.dat on our own.

The file is 850 values separated by commas or line ends: 90 quoted words, then
integer blocks. Block 4 (after 90 + 48 + 48 values) holds, for finger f = 1..8, lesson
row r = 1..4 and k = 0..8, the finger's key count (k = 0), its keys (k = 1..4) and
the same keys shifted (k = 5..8); -1 is a Shift key, 13 Enter.
"""

ENTER = 13
SHIFT_KEY = -1
FINGER_BLOCK = 90 + 48 + 48

# Entries the program fixes whatever the file holds: the left little finger's bottom
# row ends in the Shift key, the right little finger's home row in Enter.
FIXED = {(1, 3, 0): 2, (1, 3, 2): SHIFT_KEY, (1, 3, 6): SHIFT_KEY,
         (5, 1, 0): 3, (5, 1, 3): ENTER, (5, 1, 7): ENTER}


def read_values(text):
    """The values of a key.dat text: strings without their quotes, the rest as written."""
    values, field, quoted, was_quoted = [], [], False, False
    for ch in text + "\n":
        if quoted:
            if ch == '"':
                quoted = False
            else:
                field.append(ch)
        elif ch == '"':
            quoted = was_quoted = True
        elif ch in ",\n":
            value = "".join(field)
            if was_quoted or value.strip():
                values.append(value if was_quoted else value.strip())
            elif ch == ",":
                values.append("")
            field, was_quoted = [], False
        elif ch != "\r":
            field.append(ch)
    return values


def finger_keys(path):
    """{(finger, row, k): value} of block 4, with the program's fixed entries."""
    with open(path, encoding="latin-1") as f:
        values = read_values(f.read())
    table = {}
    i = FINGER_BLOCK
    for f in range(1, 9):
        for r in range(1, 5):
            for k in range(9):
                table[(f, r, k)] = int(values[i])
                i += 1
    table.update(FIXED)
    return table


def lesson_practice(path, row):
    """The practice of a row lesson as typed: four parts, left hand, left hand shifted,
    right hand, right hand shifted; each a list of characters, every key three times
    ("\\n" for Enter). Between the parts the program shows its Shift hint page."""
    table = finger_keys(path)
    parts = []
    for hand in (1, 2):
        for shift in (0, 4):
            typed = []
            for finger in range(1, 5):
                f = (hand - 1) * 4 + finger
                total = table[(f, row, 0)]
                if shift == 4 and f == 5 and row == 1:
                    total -= 1  # the right little finger's shifted home keys leave Enter out
                for j in range(1, min(total, 3) + 1):
                    code = table[(f, row, shift + j)]
                    if code == SHIFT_KEY:
                        break  # the Shift key ends the finger's keys
                    typed += ["\n" if code == ENTER else chr(code)] * 3
            parts.append(typed)
    return parts
