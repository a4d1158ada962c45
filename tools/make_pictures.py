#!/usr/bin/env python3
"""Generate Tapwell's pictures as small SVG files.

Writes data/pictures/*.svg:

    finger_00.svg .. finger_13.svg   hands with one finger (or group) lit
    arrow.svg                        curved arrow pointing at a keyboard row
    computer.svg                     the computer drawing for the start screen
    stop.svg                         stop sign
    arrow_left.svg, arrow_right.svg  page buttons
    help.svg                         help button
    icon.svg                         window icon
    logo.svg                         About window logo
    child_fox.svg .. child_fish.svg  the pictures a child picks as their own

Everything is drawn with plain shapes (path, rect, circle, ellipse, polygon,
line, g) and presentation attributes only, so Qt's SVG renderer shows the
files exactly as drawn.  Lettering is drawn as stroked paths rather than
text so the result does not depend on the fonts installed.

Only the standard library is used and the output is deterministic.

    python3 tools/make_pictures.py
"""

import math
import os

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT_DIR = os.path.join(ROOT, "data", "pictures")


# --------------------------------------------------------------------------
# Small SVG helpers
# --------------------------------------------------------------------------

def num(v):
    """Format a coordinate compactly: at most two decimals, no trailing 0."""
    s = "%.2f" % v
    s = s.rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def attrs(**kw):
    parts = []
    for key, value in kw.items():
        if value is None:
            continue
        name = key.rstrip("_").replace("_", "-")
        if isinstance(value, float):
            value = num(value)
        parts.append('%s="%s"' % (name, value))
    return " ".join(parts)


def el(tag, **kw):
    return "<%s %s/>" % (tag, attrs(**kw))


def path(d, **kw):
    return el("path", d=d, **kw)


def pts(points):
    return " ".join("%s,%s" % (num(x), num(y)) for x, y in points)


def polygon(points, **kw):
    return el("polygon", points=pts(points), **kw)


def group(children, **kw):
    head = "<g %s>" % attrs(**kw) if kw else "<g>"
    return "\n".join([head] + ["  " + c for c in children] + ["</g>"])


def document(width, height, children, title):
    lines = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" '
        'baseProfile="tiny" width="%s" height="%s" viewBox="0 0 %s %s">'
        % (num(width), num(height), num(width), num(height)),
        "<title>%s</title>" % title,
    ]
    lines.extend(children)
    lines.append("</svg>")
    return "\n".join(lines) + "\n"


def rounded_rect(x, y, w, h, r, **kw):
    return el("rect", x=float(x), y=float(y), width=float(w),
              height=float(h), rx=float(r), ry=float(r), **kw)


def write(name, text):
    with open(os.path.join(OUT_DIR, name), "w", encoding="utf-8",
              newline="\n") as f:
        f.write(text)


# --------------------------------------------------------------------------
# Stroked lettering.  Each glyph is a path drawn along its centre line in a
# box of the given width and height with its top-left corner at (x, y).
# --------------------------------------------------------------------------

def glyph(ch, x, y, w, h):
    X = lambda f: num(x + f * w)
    Y = lambda f: num(y + f * h)

    def P(fx, fy):
        return "%s,%s" % (X(fx), Y(fy))

    if ch == "S":
        return ("M%s C%s %s %s C%s %s %s C%s %s %s C%s %s %s"
                % (P(0.97, 0.16),
                   P(0.90, 0.02), P(0.70, 0.0), P(0.48, 0.0),
                   P(0.15, 0.0), P(0.02, 0.13), P(0.03, 0.27),
                   P(0.05, 0.46), P(0.95, 0.46), P(0.97, 0.72),
                   P(0.99, 0.92), P(0.75, 1.0), P(0.46, 1.0))
                + " C%s %s %s" % (P(0.25, 1.0), P(0.07, 0.95), P(0.0, 0.82)))
    if ch == "T":
        return "M%s H%s M%s V%s" % (P(0, 0), X(1), P(0.5, 0), Y(1))
    if ch == "O":
        rx, ry = w / 2.0, h / 2.0
        return ("M%s A%s %s 0 0 1 %s A%s %s 0 0 1 %s Z"
                % (P(0.5, 0), num(rx), num(ry), P(0.5, 1),
                   num(rx), num(ry), P(0.5, 0)))
    if ch == "P":
        return ("M%s V%s H%s C%s %s %s C%s %s %s H%s"
                % (P(0, 1), Y(0), X(0.55),
                   P(0.86, 0), P(1.0, 0.12), P(1.0, 0.27),
                   P(1.0, 0.42), P(0.86, 0.54), P(0.55, 0.54), X(0)))
    if ch == "F":
        return "M%s V%s H%s M%s H%s" % (P(0, 1), Y(0), X(1), P(0, 0.46),
                                        X(0.82))
    if ch == "1":
        return "M%s L%s V%s" % (P(0.02, 0.26), P(0.56, 0), Y(1))
    if ch == "5":
        return ("M%s H%s L%s C%s %s %s C%s %s %s C%s %s %s C%s %s %s"
                % (P(0.92, 0), X(0.1), P(0.04, 0.44),
                   P(0.25, 0.37), P(0.44, 0.35), P(0.56, 0.37),
                   P(0.92, 0.42), P(1.0, 0.62), P(0.98, 0.72),
                   P(0.96, 0.92), P(0.74, 1.0), P(0.48, 1.0),
                   P(0.26, 1.0), P(0.08, 0.95), P(0.0, 0.84)))
    if ch == "A":
        return "M%s L%s L%s M%s H%s" % (P(0, 1), P(0.5, 0), P(1, 1),
                                        P(0.2, 0.66), X(0.8))
    raise ValueError("no glyph for %r" % ch)


def lettering(text, x, y, w, h, gap, **kw):
    d = []
    for i, ch in enumerate(text):
        d.append(glyph(ch, x + i * (w + gap), y, w, h))
    return path(" ".join(d), fill="none", **kw)


# --------------------------------------------------------------------------
# Hands
# --------------------------------------------------------------------------

HAND_W, HAND_H = 60, 63
HAND_FILL = "#E3E3E3"
HAND_LINE = "#808080"
LIT = "#FFFF00"
HAND_BG = "#FF0000"

# The left hand, seen from the back: little finger at the far left, thumb
# on the right.  Each digit is a capsule from a base point hidden under the
# palm to the centre of its rounded tip.  The digits are chunky and the hand
# fills its frame, so a lit finger is a large patch of yellow even in the
# small picture on the keyboard (57 x 49 pixels).
#   name: (base, tip, width, root): root is how far below its base point the
#   digit reaches into the palm when it is lit (see stadium)
LEFT_DIGITS = [
    ("little", (10.5, 44.0), (8.4, 17.0), 12.0, 4.0),
    ("ring", (21.5, 40.0), (20.4, 8.2), 12.6, 7.0),
    ("middle", (32.2, 40.0), (32.6, 6.4), 13.0, 7.0),
    ("index", (42.6, 41.0), (44.8, 10.6), 12.6, 7.0),
    ("thumb", (37.6, 55.6), (53.4, 33.0), 13.4, 2.0),
]

# Palm and wrist, as (command, coordinates) pairs so the outline can be
# mirrored for the right hand.  It hides the bases of all five digits.
LEFT_PALM = [
    ("M", [(3.6, 41.0)]),
    ("C", [(3.6, 34.6), (16.0, 33.0), (28.0, 33.0)]),
    ("C", [(40.6, 33.0), (49.6, 34.4), (49.8, 40.0)]),
    ("C", [(50.0, 44.6), (47.6, 50.0), (45.6, 54.0)]),
    ("C", [(44.2, 57.0), (43.2, 60.0), (42.8, 62.0)]),
    ("L", [(42.6, 64.0)]),
    ("L", [(10.4, 64.0)]),
    ("L", [(10.0, 59.6)]),
    ("C", [(5.6, 55.6), (3.6, 49.0), (3.6, 44.0)]),
    ("Z", []),
]

# A lit digit is drawn whole over the palm and its neighbours, down to its
# root in the palm, with a dark outline, so it reads in greyscale too.
LIT_LINE = "#202020"

def _sides(base, tip, width, root=0.0):
    """The four corners of a digit's straight sides, from root behind its base point to
    its tip, with the radius of its round ends and the arc sweep that bulges the tip
    forward along the base->tip direction."""
    bx, by = base
    tx, ty = tip
    length = math.hypot(tx - bx, ty - by)
    dx, dy = (tx - bx) / length, (ty - by) / length
    bx, by = bx - dx * root, by - dy * root
    nx, ny = -dy, dx          # left-hand normal of the base->tip direction
    r = width / 2.0
    p1 = (bx + nx * r, by + ny * r)
    p2 = (tx + nx * r, ty + ny * r)
    p3 = (tx - nx * r, ty - ny * r)
    p4 = (bx - nx * r, by - ny * r)
    cross = (p2[0] - tx) * dy - (p2[1] - ty) * dx
    return p1, p2, p3, p4, r, 0 if cross < 0 else 1


def capsule(base, tip, width):
    """A finger: straight sides from the base, a half-circle at the tip."""
    p1, p2, p3, p4, r, sweep = _sides(base, tip, width)
    return ("M%s,%s L%s,%s A%s,%s 0 0 %d %s,%s L%s,%s Z"
            % (num(p1[0]), num(p1[1]), num(p2[0]), num(p2[1]),
               num(r), num(r), sweep, num(p3[0]), num(p3[1]),
               num(p4[0]), num(p4[1])))


def stadium(base, tip, width, root):
    """A lit digit: a capsule rounded at both ends, from root below its base
    point to its tip."""
    p1, p2, p3, p4, r, sweep = _sides(base, tip, width, root)
    return ("M%s,%s L%s,%s A%s,%s 0 0 %d %s,%s L%s,%s A%s,%s 0 0 %d %s,%s Z"
            % (num(p1[0]), num(p1[1]), num(p2[0]), num(p2[1]),
               num(r), num(r), sweep, num(p3[0]), num(p3[1]),
               num(p4[0]), num(p4[1]), num(r), num(r), sweep,
               num(p1[0]), num(p1[1])))


def outline_path(cmds, mirror):
    out = []
    for cmd, coords in cmds:
        xs = []
        for x, y in coords:
            if mirror:
                x = HAND_W - x
            xs.append("%s,%s" % (num(x), num(y)))
        out.append(cmd + " ".join(xs))
    return " ".join(out)


def finger_svg(right, lit):
    """lit: set of digit names drawn yellow."""
    def m(p):
        return (HAND_W - p[0], p[1]) if right else p

    parts = [el("rect", x=0, y=0, width=HAND_W, height=HAND_H,
                fill=HAND_BG)]
    line = dict(stroke=HAND_LINE, stroke_width=1.3, stroke_linejoin="round")
    lit_line = dict(stroke=LIT_LINE, stroke_width=1.6, stroke_linejoin="round")
    # The plain digits, the palm over their bases, then the lit digits whole.
    for name, base, tip, width, _ in LEFT_DIGITS:
        if name not in lit:
            parts.append(path(capsule(m(base), m(tip), width), fill=HAND_FILL,
                              **line))
    parts.append(path(outline_path(LEFT_PALM, right), fill=HAND_FILL,
                      **line))
    for name, base, tip, width, root in LEFT_DIGITS:
        if name in lit:
            parts.append(path(stadium(m(base), m(tip), width, root), fill=LIT,
                              **lit_line))
    side = "right" if right else "left"
    return document(HAND_W, HAND_H, parts, "Tapwell %s hand" % side)


FINGER_SETS = [
    set(),
    {"little"},
    {"ring"},
    {"middle"},
    {"index"},
    {"little", "ring", "middle", "index"},
    {"thumb"},
]


def make_fingers():
    for hand in range(2):
        for offset, lit in enumerate(FINGER_SETS):
            index = hand * 7 + offset
            write("finger_%02d.svg" % index, finger_svg(hand == 1, lit))


# --------------------------------------------------------------------------
# Curved arrow pointing at a keyboard row
# --------------------------------------------------------------------------

def make_arrow():
    body = ("M84,22 L82,5 L121,37 L82,69 L84,52 "
            "C55,52 38,58 32,71 L5,71 C9,40 40,22 84,22 Z")
    shine = "M15,62 C21,44 40,33 70,30"
    parts = [
        path(body, fill="#02BFF8", stroke="#0E0D0D", stroke_width=3,
             stroke_linejoin="round"),
        path(shine, fill="none", stroke="#8FE4FF", stroke_width=4,
             stroke_linecap="round"),
    ]
    write("arrow.svg", document(125, 75, parts, "Arrow"))


# --------------------------------------------------------------------------
# Computer
# --------------------------------------------------------------------------

def lerp(a, b, t):
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t)


def quad_point(q, u, v):
    """Point in quadrilateral q (back-left, back-right, front-right,
    front-left) at u across and v from back to front."""
    back = lerp(q[0], q[1], u)
    front = lerp(q[3], q[2], u)
    return lerp(back, front, v)


# The picture is shown at its own size at the top left of the menu screen, and the
# "Choices" frame stands 200 pixels from the left: everything is drawn left of that
# line, with a few pixels to spare, in a picture that keeps its nominal size.
COMPUTER_W, COMPUTER_H = 233, 286
COMPUTER_LEFT, COMPUTER_RIGHT = 6, 193   # outermost ink, strokes included


def make_computer():
    line = "#505050"
    light = "#D8D8D8"
    mid = "#C0C0C0"
    dark = "#A0A0A0"
    parts = []
    sw = dict(stroke=line, stroke_width=2, stroke_linejoin="round")

    # The drawing is laid out on a wider plan, whose widest part (the keyboard)
    # runs from 9 to 224, and set narrower across to lie between COMPUTER_LEFT
    # and COMPUTER_RIGHT; round things (knobs, the lamp, corners) and line
    # widths keep their shape.
    plan_left, plan_right = 9.0, 224.0
    half_line = 1.0
    left, right = COMPUTER_LEFT + half_line, COMPUTER_RIGHT - half_line
    k = (right - left) / (plan_right - plan_left)

    def X(x):
        return left + (x - plan_left) * k

    def W(w):
        return w * k

    def P(points):
        return [(X(x), y) for x, y in points]

    # System unit: a flat box seen slightly from above.
    parts.append(polygon(P([(24, 152), (209, 152), (219, 162), (14, 162)]),
                         fill="#E8E8E8", **sw))
    parts.append(rounded_rect(X(14), 162, W(205), 50, 2, fill=light, **sw))
    # Floppy drive.
    parts.append(rounded_rect(X(128), 174, W(76), 22, 2, fill=mid,
                              stroke=line, stroke_width=1.5))
    parts.append(rounded_rect(X(136), 182, W(52), 5, 1.5, fill="#303030",
                              stroke=line, stroke_width=1))
    parts.append(rounded_rect(X(190), 189, 9, 4, 1, fill=dark, stroke=line,
                              stroke_width=1))
    # Power switch, lamp and air slots.
    parts.append(rounded_rect(X(26), 186, 14, 12, 2, fill=mid, stroke=line,
                              stroke_width=1.5))
    parts.append(el("circle", cx=X(50), cy=192.0, r=2.5, fill="#40C040",
                    stroke=line, stroke_width=1))
    for i in range(5):
        x = X(64 + i * 8)
        parts.append(el("line", x1=x, y1=178, x2=x, y2=200, stroke=dark,
                        stroke_width=3, stroke_linecap="round"))
    # Little feet.
    parts.append(rounded_rect(X(24), 211, 16, 5, 1.5, fill=dark, **sw))
    parts.append(rounded_rect(X(193), 211, 16, 5, 1.5, fill=dark, **sw))

    # Monitor stand.
    parts.append(el("ellipse", cx=X(116.5), cy=153.0, rx=W(42.0), ry=5.0,
                    fill=mid, **sw))
    parts.append(polygon(P([(100, 140), (133, 140), (138, 152), (95, 152)]),
                         fill=mid, **sw))
    # Monitor.
    parts.append(rounded_rect(X(32), 8, W(169), 136, 9, fill=light, **sw))
    parts.append(rounded_rect(X(44), 19, W(145), 106, 5, fill=dark,
                              stroke=line, stroke_width=1.5))
    parts.append(rounded_rect(X(50), 24, W(133), 96, 4, fill="#000000",
                              stroke=line, stroke_width=1))
    parts.append(polygon(P([(58, 30), (96, 30), (70, 60), (58, 60)]),
                         fill="#262626"))
    parts.append(el("circle", cx=X(180), cy=134.0, r=3.5, fill=mid,
                    stroke=line, stroke_width=1.2))
    parts.append(rounded_rect(X(148), 131, W(24), 6, 1.5, fill=mid,
                              stroke=line, stroke_width=1))

    # Keyboard cable.
    parts.append(path("M%s,212 C%s,222 %s,216 %s,222 C%s,227 %s,224 %s,229"
                      % tuple(num(X(x)) for x in
                              (186, 186, 150, 140, 132, 122, 118)),
                      fill="none", stroke=line, stroke_width=2,
                      stroke_linecap="round"))
    # Keyboard: a slab in perspective with rows of keys.
    top = P([(30, 228), (203, 228), (224, 268), (9, 268)])
    parts.append(polygon(P([(9, 268), (224, 268), (224, 277), (9, 277)]),
                         fill=dark, **sw))
    parts.append(polygon(top, fill=mid, **sw))
    rows = 4
    cols = 13
    m_u, m_v = 0.03, 0.09
    for r in range(rows):
        v0 = m_v + (1 - 2 * m_v) * r / rows
        v1 = m_v + (1 - 2 * m_v) * (r + 1) / rows
        if r == rows - 1:
            spans = [(0, 3), (3, 10), (10, 13)]
        else:
            spans = [(c, c + 1) for c in range(cols)]
        for c0, c1 in spans:
            u0 = m_u + (1 - 2 * m_u) * c0 / cols
            u1 = m_u + (1 - 2 * m_u) * c1 / cols
            gu, gv = 0.006, 0.03
            quad = [quad_point(top, u0 + gu, v0 + gv),
                    quad_point(top, u1 - gu, v0 + gv),
                    quad_point(top, u1 - gu, v1 - gv),
                    quad_point(top, u0 + gu, v1 - gv)]
            parts.append(polygon(quad, fill="#ECECEC", stroke=line,
                                 stroke_width=0.8, stroke_linejoin="round"))
    write("computer.svg", document(COMPUTER_W, COMPUTER_H, parts, "Computer"))


# --------------------------------------------------------------------------
# Stop sign
# --------------------------------------------------------------------------

def octagon(cx, cy, r):
    return [(cx + r * math.cos(math.radians(22.5 + 45 * i)),
             cy + r * math.sin(math.radians(22.5 + 45 * i)))
            for i in range(8)]


def make_stop():
    parts = [
        polygon(octagon(16, 16, 15.6), fill="#E00000", stroke="#500000",
                stroke_width=0.8, stroke_linejoin="round"),
        polygon(octagon(16, 16, 14.0), fill="none", stroke="#FFFFFF",
                stroke_width=1.0, stroke_linejoin="round"),
        lettering("STOP", 5.1, 11.6, 4.4, 8.8, 1.3, stroke="#FFFFFF",
                  stroke_width=1.8, stroke_linejoin="round",
                  stroke_linecap="butt"),
    ]
    write("stop.svg", document(32, 32, parts, "Stop"))


# --------------------------------------------------------------------------
# Page arrows
# --------------------------------------------------------------------------

RIGHT_BLOCK_ARROW = [(3, 11.5), (15, 11.5), (15, 4), (28, 16), (15, 28),
                     (15, 20.5), (3, 20.5)]


def block_arrow(points, name, title):
    shade = [(x + 2, y + 2) for x, y in points]
    parts = [
        polygon(shade, fill="#000080", stroke="#000080", stroke_width=1.2,
                stroke_linejoin="round"),
        polygon(points, fill="#FFFFFF", stroke="#000080", stroke_width=1.2,
                stroke_linejoin="round"),
    ]
    write(name, document(32, 32, parts, title))


def make_page_arrows():
    block_arrow(RIGHT_BLOCK_ARROW, "arrow_right.svg", "Next")
    left = [(31 - x, y) for x, y in RIGHT_BLOCK_ARROW]
    block_arrow(left, "arrow_left.svg", "Back")


# --------------------------------------------------------------------------
# Help button
# --------------------------------------------------------------------------

def make_help():
    mark = "M5.3,5.6 C5.3,2.6 10.9,2.4 10.9,5.5 C10.9,7.6 8.2,7.8 8.2,10"
    parts = [
        el("rect", x=0, y=0, width=16, height=16, fill="#C0C0C0"),
        path("M0.5,15.5 V0.5 H15.5", fill="none", stroke="#FFFFFF",
             stroke_width=1),
        path("M0.5,15.5 H15.5 V0.5", fill="none", stroke="#808080",
             stroke_width=1),
        path(mark, fill="none", stroke="#202020", stroke_width=3.6,
             stroke_linecap="round", stroke_linejoin="round"),
        el("circle", cx=8.2, cy=13.0, r=1.75, fill="#202020"),
        path(mark, fill="none", stroke="#FFFF00", stroke_width=1.9,
             stroke_linecap="round", stroke_linejoin="round"),
        el("circle", cx=8.2, cy=13.0, r=0.95, fill="#FFFF00"),
    ]
    write("help.svg", document(16, 16, parts, "Help"))


# --------------------------------------------------------------------------
# Window icon: two keys, F1 and F5
# --------------------------------------------------------------------------

def key_cap(x, y, size, label):
    """A grey key: dark sides, a lighter top face set up and to the left."""
    return [
        rounded_rect(x, y, size, size, 3, fill="#8C8C8C", stroke="#303030",
                     stroke_width=1),
        rounded_rect(x + 1.3, y + 1.0, size - 4.4, size - 4.6, 2.2,
                     fill="#E4E4E4", stroke="#A8A8A8", stroke_width=0.6),
        lettering(label, x + 2.9, y + 2.7, 4.3, 9.6, 1.3,
                  stroke="#000000", stroke_width=2.0,
                  stroke_linecap="butt", stroke_linejoin="round"),
    ]


def make_icon():
    parts = key_cap(0.5, 0.5, 20, "F1") + key_cap(11.5, 11.5, 20, "F5")
    write("icon.svg", document(32, 32, parts, "Tapwell"))


# --------------------------------------------------------------------------
# Logo
# --------------------------------------------------------------------------

# The name is drawn in rounded strokes of one colour per letter over a thin dark
# outline. It has to read at the logo's own size: bowls are tall enough that the
# e's bar leaves a clear gap above and below it, and letters stand far enough apart
# that the background shows between their outlines.
LOGO_STROKE = 6.0
LOGO_OUTLINE = 1.2            # dark edge on each side of a stroke
LOGO_GAP = 4.0                # background between neighbouring letters' colour


def ellipse_point(cx, cy, rx, ry, degrees):
    a = math.radians(degrees)
    return cx + rx * math.cos(a), cy + ry * math.sin(a)


def logo_letters(x0, baseline):
    """Centre lines of the rounded letters of the name, one path each, and the
    x of the last letter's centre line."""
    xh = baseline - 21.0          # x-height, centre line
    asc = baseline - 32.0         # ascender top, centre line
    desc = baseline + 11.0        # descender end
    rx, ry = 8.0, 10.5            # bowls, centre line
    mid = (xh + baseline) / 2.0
    step = LOGO_STROKE + LOGO_GAP
    letters = []
    x = x0

    def bowl(cx, cy):
        return "M%s,%s A%s,%s 0 1 0 %s,%s A%s,%s 0 1 0 %s,%s" % (
            num(cx + rx), num(cy), num(rx), num(ry), num(cx - rx), num(cy),
            num(rx), num(ry), num(cx + rx), num(cy))

    # T
    w = 15.0
    letters.append("M%s,%s H%s M%s,%s V%s" % (
        num(x), num(asc), num(x + w), num(x + w / 2), num(asc), num(baseline)))
    x += w + step
    # a: a round bowl with its stem on the right
    letters.append(bowl(x + rx, mid) + " M%s,%s V%s" % (
        num(x + 2 * rx), num(xh), num(baseline)))
    x += 2 * rx + step
    # p
    letters.append("M%s,%s V%s " % (num(x), num(xh), num(desc))
                   + bowl(x + rx, mid))
    x += 2 * rx + step
    # w: two wide Vs, the middle peak a little below the x-height
    w = 22.0
    letters.append("M%s,%s L%s,%s L%s,%s L%s,%s L%s,%s" % (
        num(x), num(xh), num(x + w * 0.25), num(baseline),
        num(x + w * 0.5), num(xh + 3), num(x + w * 0.75), num(baseline),
        num(x + w), num(xh)))
    x += w + step
    # e: the bar across the middle, the bowl open at the lower right
    cx, bar = x + rx, mid
    start = ellipse_point(cx, mid, rx, ry, math.degrees(math.asin((bar - mid) / ry)))
    left = 2 * cx - start[0]
    end = ellipse_point(cx, mid, rx, ry, 38)
    letters.append("M%s,%s H%s A%s,%s 0 1 0 %s,%s" % (
        num(left), num(bar), num(start[0]), num(rx), num(ry), num(end[0]),
        num(end[1])))
    x += 2 * rx + step
    # l l
    for _ in range(2):
        letters.append("M%s,%s V%s" % (num(x), num(asc), num(baseline)))
        x += step
    return letters, x - step


def star(cx, cy, outer, inner, turn=0.0):
    out = []
    for i in range(10):
        r = outer if i % 2 == 0 else inner
        a = math.radians(-90 + 36 * i + turn)
        out.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return out


def big_key(x, y, size, top, side, angle, content):
    cx, cy = x + size / 2.0, y + size / 2.0
    body = [
        rounded_rect(x, y, size, size, 9, fill=side, stroke="#3A2A5A",
                     stroke_width=2.5),
        rounded_rect(x + 5, y + 3.5, size - 10, size - 12, 7, fill=top,
                     stroke="#FFFFFF", stroke_width=1.2, stroke_opacity=None),
    ] + content
    return group(body, transform="rotate(%s %s %s)" % (num(angle), num(cx),
                                                         num(cy)))


def make_logo():
    outline = "#3A2A5A"
    parts = [
        el("rect", x=0, y=0, width=180, height=200, fill="#FFF4DC"),
        rounded_rect(6, 6, 168, 188, 18, fill="#FFE7B8", stroke="#FF9A3C",
                     stroke_width=3),
    ]
    # Confetti dots.
    for cx, cy, r, c in [(24, 30, 4, "#4FC3F7"), (154, 26, 3.5, "#81C784"),
                         (30, 118, 3, "#F06292"), (160, 92, 3, "#BA68C8"),
                         (88, 18, 2.5, "#FFB300"), (20, 74, 2.5, "#81C784")]:
        parts.append(el("circle", cx=float(cx), cy=float(cy), r=float(r),
                        fill=c))

    # Left key with a letter A, right key with a smiling face.
    a_letter = lettering("A", 39, 53, 22, 28, 0, stroke="#FFFFFF",
                         stroke_width=6, stroke_linecap="round",
                         stroke_linejoin="round")
    parts.append(big_key(24, 42, 52, "#4C9BFF", "#2767C9", -10, [a_letter]))
    face = [
        el("circle", cx=114.0, cy=60.0, r=3.6, fill=outline),
        el("circle", cx=132.0, cy=60.0, r=3.6, fill=outline),
        path("M110,70 C115,80 131,80 136,70", fill="none", stroke=outline,
             stroke_width=3.5, stroke_linecap="round"),
        el("circle", cx=108.0, cy=70.0, r=3.0, fill="#FF8A80"),
        el("circle", cx=138.0, cy=70.0, r=3.0, fill="#FF8A80"),
    ]
    parts.append(big_key(96, 38, 54, "#FFD54A", "#E0A200", 8, face))
    # Star.
    parts.append(polygon(star(90, 100, 15, 6.5, 8), fill="#FFEB3B",
                         stroke=outline, stroke_width=2.2,
                         stroke_linejoin="round"))
    parts.append(polygon(star(150, 118, 7, 3, -10), fill="#FF7043",
                         stroke=outline, stroke_width=1.6,
                         stroke_linejoin="round"))

    # The name, each letter its own colour, with a dark rounded outline.
    letters, width = logo_letters(0, 0)
    x0 = (180 - width) / 2.0
    letters, _ = logo_letters(x0, 174)
    colours = ["#E53935", "#FB8C00", "#FDD835", "#43A047", "#1E88E5",
               "#8E24AA", "#EC407A"]
    round_line = dict(fill="none", stroke_linecap="round",
                      stroke_linejoin="round")
    parts.append(path(" ".join(letters), stroke=outline,
                      stroke_width=LOGO_STROKE + 2 * LOGO_OUTLINE, **round_line))
    for d, c in zip(letters, colours):
        parts.append(path(d, stroke=c, stroke_width=LOGO_STROKE,
                          **round_line))
    write("logo.svg", document(180, 200, parts, "Tapwell"))


# --------------------------------------------------------------------------
# Children's pictures: friendly animal faces a child who cannot read yet
# recognises as their own.  Each is 96 x 96 on a rounded tile of its own
# colour, with a dark outline so it reads on any button.
# --------------------------------------------------------------------------

CHILD_OUTLINE = "#3A2A5A"
CHILD_PICTURES = ("fox", "owl", "cat", "frog", "bear", "fish")


def circle(cx, cy, r, **kw):
    return el("circle", cx=float(cx), cy=float(cy), r=float(r), **kw)


def ellipse(cx, cy, rx, ry, **kw):
    return el("ellipse", cx=float(cx), cy=float(cy), rx=float(rx),
              ry=float(ry), **kw)


def eyes(y, dx, r, cx=48, white=0.0):
    out = []
    for x in (cx - dx, cx + dx):
        if white:
            out.append(circle(x, y, white, fill="#FFFFFF",
                              stroke=CHILD_OUTLINE, stroke_width=2))
        out.append(circle(x, y, r, fill=CHILD_OUTLINE))
        out.append(circle(x + r * 0.35, y - r * 0.35, r * 0.35,
                          fill="#FFFFFF"))
    return out


def smile(x1, x2, y, depth, width=3):
    return path("M%s,%s Q%s,%s %s,%s" % (num(x1), num(y), num((x1 + x2) / 2.0),
                                         num(y + depth), num(x2), num(y)),
                fill="none", stroke=CHILD_OUTLINE, stroke_width=width,
                stroke_linecap="round")


def child_tile(name, back, parts):
    body = [rounded_rect(2, 2, 92, 92, 16, fill=back, stroke=CHILD_OUTLINE,
                         stroke_width=2)] + parts
    write("child_%s.svg" % name,
          document(96, 96, body, "A %s" % name))


def make_fox():
    line = dict(stroke=CHILD_OUTLINE, stroke_width=2.5,
                stroke_linejoin="round")
    parts = [
        polygon([(16, 14), (38, 32), (22, 46)], fill="#F57C00", **line),
        polygon([(80, 14), (58, 32), (74, 46)], fill="#F57C00", **line),
        polygon([(21, 21), (33, 32), (24, 40)], fill="#FFE0C2"),
        polygon([(75, 21), (63, 32), (72, 40)], fill="#FFE0C2"),
        path("M14,40 Q18,26 48,26 Q78,26 82,40 Q84,58 48,84 Q12,58 14,40 Z",
             fill="#FB8C00", **line),
        path("M20,50 Q34,52 48,84 Q62,52 76,50 Q66,70 48,84 Q30,70 20,50 Z",
             fill="#FFFFFF"),
        path("M14,40 Q18,26 48,26 Q78,26 82,40 Q84,58 48,84 Q12,58 14,40 Z",
             fill="none", **line),
    ] + eyes(46, 13, 4) + [
        ellipse(48, 72, 5, 4, fill=CHILD_OUTLINE),
    ]
    child_tile("fox", "#FFF3C4", parts)


def make_owl():
    line = dict(stroke=CHILD_OUTLINE, stroke_width=2.5,
                stroke_linejoin="round")
    parts = [
        polygon([(22, 16), (34, 30), (20, 32)], fill="#8D6E63", **line),
        polygon([(74, 16), (62, 30), (76, 32)], fill="#8D6E63", **line),
        ellipse(48, 54, 30, 34, fill="#8D6E63", **line),
        ellipse(48, 66, 17, 18, fill="#D7CCC8"),
        path("M40,62 q4,4 8,0 q4,4 8,0 M36,72 q4,4 8,0 q4,4 8,0 q4,4 8,0",
             fill="none", stroke="#A1887F", stroke_width=1.8,
             stroke_linecap="round"),
    ] + eyes(42, 12, 5, white=10) + [
        polygon([(44, 52), (52, 52), (48, 60)], fill="#FFB300", **line),
        path("M36,86 v4 M42,86 v4 M54,86 v4 M60,86 v4", stroke="#FFB300",
             stroke_width=3, stroke_linecap="round"),
    ]
    child_tile("owl", "#D6EEFF", parts)


def make_cat():
    line = dict(stroke=CHILD_OUTLINE, stroke_width=2.5,
                stroke_linejoin="round")
    parts = [
        polygon([(18, 14), (40, 28), (20, 44)], fill="#9E9E9E", **line),
        polygon([(78, 14), (56, 28), (76, 44)], fill="#9E9E9E", **line),
        polygon([(22, 22), (33, 29), (23, 37)], fill="#F8BBD0"),
        polygon([(74, 22), (63, 29), (73, 37)], fill="#F8BBD0"),
        ellipse(48, 54, 32, 28, fill="#BDBDBD", **line),
        path("M40,28 l2,8 M48,27 v9 M56,28 l-2,8", stroke="#8A8A8A",
             stroke_width=2.5, stroke_linecap="round"),
    ] + eyes(50, 13, 4.5) + [
        polygon([(44, 60), (52, 60), (48, 65)], fill="#F06292", **line),
        path("M48,65 q-4,6 -9,3 M48,65 q4,6 9,3", fill="none",
             stroke=CHILD_OUTLINE, stroke_width=2.2, stroke_linecap="round"),
        path("M30,60 l-16,-3 M30,64 l-16,3 M66,60 l16,-3 M66,64 l16,3",
             stroke=CHILD_OUTLINE, stroke_width=1.6, stroke_linecap="round"),
    ]
    child_tile("cat", "#FFE3EC", parts)


def make_frog():
    line = dict(stroke=CHILD_OUTLINE, stroke_width=2.5,
                stroke_linejoin="round")
    parts = [
        circle(30, 34, 13, fill="#66BB6A", **line),
        circle(66, 34, 13, fill="#66BB6A", **line),
        ellipse(48, 58, 36, 26, fill="#66BB6A", **line),
        circle(30, 34, 9, fill="#FFFFFF"),
        circle(66, 34, 9, fill="#FFFFFF"),
    ] + eyes(35, 18, 4.5) + [
        smile(28, 68, 62, 14),
        circle(26, 62, 4, fill="#F48FB1"),
        circle(70, 62, 4, fill="#F48FB1"),
        circle(44, 50, 1.5, fill=CHILD_OUTLINE),
        circle(52, 50, 1.5, fill=CHILD_OUTLINE),
    ]
    child_tile("frog", "#E6F7D4", parts)


def make_bear():
    line = dict(stroke=CHILD_OUTLINE, stroke_width=2.5,
                stroke_linejoin="round")
    parts = [
        circle(24, 26, 11, fill="#8D5524", **line),
        circle(72, 26, 11, fill="#8D5524", **line),
        circle(24, 26, 5.5, fill="#D7A86E"),
        circle(72, 26, 5.5, fill="#D7A86E"),
        circle(48, 52, 32, fill="#A0642C", **line),
        ellipse(48, 64, 15, 12, fill="#E8C39E", **line),
    ] + eyes(46, 12, 4.5) + [
        ellipse(48, 59, 6, 4.5, fill=CHILD_OUTLINE),
        smile(42, 54, 67, 5, width=2.5),
    ]
    child_tile("bear", "#FFEBD2", parts)


def make_fish():
    line = dict(stroke=CHILD_OUTLINE, stroke_width=2.5,
                stroke_linejoin="round")
    parts = [
        circle(76, 22, 4, fill="none", stroke="#4FC3F7", stroke_width=2),
        circle(84, 12, 2.5, fill="none", stroke="#4FC3F7", stroke_width=2),
        polygon([(66, 52), (90, 34), (90, 70)], fill="#FF7043", **line),
        path("M36,34 Q44,18 58,30 Z", fill="#FF7043", **line),
        ellipse(42, 52, 30, 21, fill="#FFA726", **line),
        path("M52,36 Q58,52 52,68 M60,40 Q64,52 60,64", fill="none",
             stroke="#FB8C00", stroke_width=2.5, stroke_linecap="round"),
        circle(26, 48, 7, fill="#FFFFFF", stroke=CHILD_OUTLINE,
               stroke_width=2),
        circle(25, 48, 3.5, fill=CHILD_OUTLINE),
        circle(26.5, 46.5, 1.2, fill="#FFFFFF"),
        smile(18, 28, 60, 4, width=2.2),
    ]
    child_tile("fish", "#D4F1F4", parts)


def make_children():
    make_fox()
    make_owl()
    make_cat()
    make_frog()
    make_bear()
    make_fish()


def main():
    os.makedirs(OUT_DIR, exist_ok=True)
    make_fingers()
    make_arrow()
    make_computer()
    make_stop()
    make_page_arrows()
    make_help()
    make_icon()
    make_logo()
    make_children()


if __name__ == "__main__":
    main()
