#!/usr/bin/env python3
"""Draws every bitmap, the program icon and the resource script in assets/.

Run from the repository root:  python3 tools/make_art.py

Standard library only, so it runs anywhere the build does.  Output is
deterministic; the results in assets/ are committed so the build itself
needs no image tools.  Previews for eyeballing go to build/art-preview/.
"""

import math
import os
import struct
import zlib

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
ASSETS = os.path.join(ROOT, 'assets')
PREVIEW = os.path.join(ROOT, 'build', 'art-preview')

# ---------------------------------------------------------------------------
# Palette.  The bar is a night sky: indigo body, darker recessed wells, soft
# moon-white text and one warm gold for "active" and the star motifs.
# ---------------------------------------------------------------------------

BORDER = (8, 10, 24)            # outermost 1-px edge of the window
BODY_TOP = (46, 54, 100)
BODY_BOT = (29, 34, 68)
BEVEL_HI = (88, 100, 158)
BEVEL_LO = (18, 21, 44)

PANEL = (15, 18, 38)            # well behind the icon row; the program paints it too
WELL_SHADE = (9, 11, 26)
WELL_LIGHT = (74, 86, 140)
BUTTON_FACE = (42, 49, 88)      # the program fills each shortcut box with this

GROOVE = (22, 26, 54)           # channel the tabs sit in, and the info strip
GROOVE_SHADE = (12, 14, 32)
GROOVE_LIGHT = (66, 78, 130)
INFO_TEXT = (220, 228, 250)

MOON = (226, 232, 252)          # glyphs on keys
GOLD = (246, 194, 88)
GOLD_HI = (255, 230, 156)
GOLD_LO = (190, 128, 40)
GOLD_RIM = (120, 76, 20)
GOLD_INK = (44, 30, 14)

KEY_TOP = (62, 72, 124)         # raised tool keys
KEY_BOT = (44, 51, 92)
KEY_RIM = (12, 14, 32)
KEY_SHINE = (112, 126, 190)

TAB_FACE = (34, 40, 76)
TAB_RIM = (72, 84, 138)
TAB_DIGIT = (176, 188, 228)

LIGHT_FACE = (240, 240, 240)    # dialogs: the system face, so standard controls sit seamlessly
LIGHT_EDGE = (200, 205, 220)
DIALOG_TEXT = (28, 34, 66)
SPINE_TOP = (44, 52, 98)
SPINE_BOT = (24, 28, 58)

LINK_BG = (90, 96, 114)         # background of the product-information window
LINK_INK = (222, 232, 255)


def lerp(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def body_at(y, height):
    return lerp(BODY_TOP, BODY_BOT, y / (height - 1))


# ---------------------------------------------------------------------------
# Canvas: straight-alpha float pixels, with hard pixel operations for crisp
# edges and supersampled coverage for the few curved shapes.
# ---------------------------------------------------------------------------

class Canvas:
    def __init__(self, w, h, color=(0, 0, 0), alpha=1.0):
        self.w, self.h = w, h
        self.px = [[float(color[0]), float(color[1]), float(color[2]), alpha] for _ in range(w * h)]

    def get(self, x, y):
        return self.px[y * self.w + x]

    def put(self, x, y, color, alpha=1.0):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y * self.w + x] = [float(color[0]), float(color[1]), float(color[2]), alpha]

    def blend(self, x, y, color, a):
        if a <= 0 or not (0 <= x < self.w and 0 <= y < self.h):
            return
        p = self.px[y * self.w + x]
        da = p[3] * (1 - a)
        oa = a + da
        for i in range(3):
            p[i] = (color[i] * a + p[i] * da) / oa
        p[3] = oa

    def rect(self, x, y, w, h, color, alpha=1.0):
        for yy in range(y, y + h):
            c = color(yy) if callable(color) else color
            for xx in range(x, x + w):
                if alpha >= 1:
                    self.put(xx, yy, c)
                else:
                    self.blend(xx, yy, c, alpha)

    def frame(self, x, y, w, h, tl, br):
        """1-px bevel: tl on top/left, br on bottom/right."""
        self.rect(x, y, w, 1, tl)
        self.rect(x, y, 1, h, tl)
        self.rect(x, y + h - 1, w, 1, br)
        self.rect(x + w - 1, y, 1, h, br)

    def shape(self, inside, color, box=None, alpha=1.0, ss=4):
        """Fill where inside(x, y) holds, antialiased by ss*ss samples."""
        x0, y0, x1, y1 = box or (0, 0, self.w, self.h)
        x0, y0 = max(0, int(x0)), max(0, int(y0))
        x1, y1 = min(self.w, int(math.ceil(x1))), min(self.h, int(math.ceil(y1)))
        n = ss * ss
        offs = [(i + 0.5) / ss for i in range(ss)]
        for y in range(y0, y1):
            for x in range(x0, x1):
                k = 0
                for oy in offs:
                    for ox in offs:
                        if inside(x + ox, y + oy):
                            k += 1
                if k:
                    c = color(x, y) if callable(color) else color
                    self.blend(x, y, c, alpha * k / n)

    def paste(self, src, x, y):
        for sy in range(src.h):
            for sx in range(src.w):
                p = src.get(sx, sy)
                if p[3] >= 1:
                    self.put(x + sx, y + sy, p)
                else:
                    self.blend(x + sx, y + sy, p[:3], p[3])

    def stamp(self, x, y, rows, inks):
        """Pixel art: each character of rows picks (colour, alpha) from inks."""
        for j, row in enumerate(rows):
            for i, ch in enumerate(row):
                if ch in inks:
                    c, a = inks[ch]
                    self.blend(x + i, y + j, c, a)

    def crop(self, x, y, w, h):
        out = Canvas(w, h)
        for yy in range(h):
            out.px[yy * w:(yy + 1) * w] = [p[:] for p in self.px[(y + yy) * self.w + x:(y + yy) * self.w + x + w]]
        return out

    def rgb8(self, x, y):
        p = self.px[y * self.w + x]
        return tuple(max(0, min(255, int(round(v)))) for v in p[:3])

    def alpha8(self, x, y):
        return max(0, min(255, int(round(self.px[y * self.w + x][3] * 255))))


# Coverage predicates in continuous coordinates (pixel x covers [x, x+1)).

def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def rounded(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        dx = max(x0 + r - x, 0, x - (x1 - r))
        dy = max(y0 + r - y, 0, y - (y1 - r))
        return dx * dx + dy * dy <= r * r
    return inside


def polygon(pts):
    def inside(x, y):
        hit = False
        j = len(pts) - 1
        for i in range(len(pts)):
            xi, yi = pts[i]
            xj, yj = pts[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                hit = not hit
            j = i
        return hit
    return inside


def segment(ax, ay, bx, by, width):
    dx, dy = bx - ax, by - ay
    ll = dx * dx + dy * dy
    r2 = (width / 2) ** 2

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / ll))
        return (x - ax - t * dx) ** 2 + (y - ay - t * dy) ** 2 <= r2
    return inside


def sparkle(cx, cy, r, waist):
    """Four-pointed star; waist is the inner radius along the diagonals."""
    pts = []
    for i in range(8):
        a = math.pi / 4 * i
        rr = r if i % 2 == 0 else waist
        pts.append((cx + rr * math.sin(a), cy - rr * math.cos(a)))
    return polygon(pts)


def crescent(cx, cy, r, ox, oy, r2):
    outer, bite = disc(cx, cy, r), disc(cx + ox, cy + oy, r2)
    return lambda x, y: outer(x, y) and not bite(x, y)


# ---------------------------------------------------------------------------
# Pixel font: 5x7 caps and digits, lowercase with 2-row descenders.
# ---------------------------------------------------------------------------

def _glyphs(source):
    out = {}
    for block in source.strip('\n').split('\n\n'):
        lines = block.split('\n')
        out[lines[0].strip()[0]] = [ln.strip() for ln in lines[1:]]
    return out


FONT = _glyphs("""
0
.###.
#...#
#...#
#...#
#...#
#...#
.###.

1
..#..
.##..
#.#..
..#..
..#..
..#..
#####

2
.###.
#...#
....#
...#.
..#..
.#...
#####

3
#####
...#.
..#..
...#.
....#
#...#
.###.

4
...#.
..##.
.#.#.
#..#.
#####
...#.
...#.

5
#####
#....
####.
....#
....#
#...#
.###.

6
..##.
.#...
#....
####.
#...#
#...#
.###.

7
#####
....#
...#.
..#..
.#...
.#...
.#...

8
.###.
#...#
#...#
.###.
#...#
#...#
.###.

9
.###.
#...#
#...#
.####
....#
...#.
.##..

A
.###.
#...#
#...#
#####
#...#
#...#
#...#

B
####.
#...#
#...#
####.
#...#
#...#
####.

C
.###.
#...#
#....
#....
#....
#...#
.###.

D
####.
#...#
#...#
#...#
#...#
#...#
####.

E
#####
#....
#....
####.
#....
#....
#####

F
#####
#....
#....
####.
#....
#....
#....

G
.###.
#...#
#....
#.###
#...#
#...#
.####

H
#...#
#...#
#...#
#####
#...#
#...#
#...#

I
###
.#.
.#.
.#.
.#.
.#.
###

J
..###
...#.
...#.
...#.
...#.
#..#.
.##..

K
#...#
#..#.
#.#..
##...
#.#..
#..#.
#...#

L
#....
#....
#....
#....
#....
#....
#####

M
#...#
##.##
#.#.#
#.#.#
#...#
#...#
#...#

N
#...#
##..#
##..#
#.#.#
#..##
#..##
#...#

O
.###.
#...#
#...#
#...#
#...#
#...#
.###.

P
####.
#...#
#...#
####.
#....
#....
#....

Q
.###.
#...#
#...#
#...#
#.#.#
#..#.
.##.#

R
####.
#...#
#...#
####.
#.#..
#..#.
#...#

S
.####
#....
#....
.###.
....#
....#
####.

T
#####
..#..
..#..
..#..
..#..
..#..
..#..

U
#...#
#...#
#...#
#...#
#...#
#...#
.###.

V
#...#
#...#
#...#
#...#
#...#
.#.#.
..#..

W
#...#
#...#
#...#
#.#.#
#.#.#
#.#.#
.#.#.

X
#...#
#...#
.#.#.
..#..
.#.#.
#...#
#...#

Y
#...#
#...#
.#.#.
..#..
..#..
..#..
..#..

Z
#####
....#
...#.
..#..
.#...
#....
#####

a
.....
.....
.###.
....#
.####
#...#
.####

b
#....
#....
####.
#...#
#...#
#...#
####.

c
....
....
.###
#...
#...
#...
.###

d
....#
....#
.####
#...#
#...#
#...#
.####

e
.....
.....
.###.
#...#
#####
#....
.###.

f
..##
.#..
####
.#..
.#..
.#..
.#..

g
.....
.....
.####
#...#
#...#
#...#
.####
....#
.###.

h
#....
#....
####.
#...#
#...#
#...#
#...#

i
.#.
...
##.
.#.
.#.
.#.
###

j
..#
...
.##
..#
..#
..#
..#
..#
##.

k
#...
#...
#..#
#.#.
##..
#.#.
#..#

l
##.
.#.
.#.
.#.
.#.
.#.
###

m
.....
.....
####.
#.#.#
#.#.#
#.#.#
#.#.#

n
.....
.....
####.
#...#
#...#
#...#
#...#

o
.....
.....
.###.
#...#
#...#
#...#
.###.

p
.....
.....
####.
#...#
#...#
#...#
####.
#....
#....

q
.....
.....
.####
#...#
#...#
#...#
.####
....#
....#

r
....
....
#.##
##..
#...
#...
#...

s
.....
.....
.####
#....
.###.
....#
####.

t
.#..
.#..
####
.#..
.#..
.#..
..##

u
.....
.....
#...#
#...#
#...#
#...#
.####

v
.....
.....
#...#
#...#
#...#
.#.#.
..#..

w
.....
.....
#...#
#...#
#.#.#
#.#.#
.#.#.

x
.....
.....
#...#
.#.#.
..#..
.#.#.
#...#

y
.....
.....
#...#
#...#
#...#
#...#
.####
....#
.###.

z
.....
.....
#####
...#.
..#..
.#...
#####

:
.
.
.
#
.
.
#

/
....#
....#
...#.
..#..
.#...
#....
#....

.
.
.
.
.
.
.
#

-
....
....
....
####
....
....
....

(
..#
.#.
#..
#..
#..
.#.
..#

)
#..
.#.
..#
..#
..#
.#.
#..
""")
SPACE = 3


def text_width(s):
    return sum(SPACE if ch == ' ' else len(FONT[ch][0]) + 1 for ch in s) - 1


def draw_text(c, x, y, s, color, alpha=1.0):
    for ch in s:
        if ch == ' ':
            x += SPACE + 1
            continue
        g = FONT[ch]
        c.stamp(x, y, g, {'#': (color, alpha)})
        x += len(g[0]) + 1
    return x


# ---------------------------------------------------------------------------
# Building blocks shared by the bar pieces.
# ---------------------------------------------------------------------------

def key(c, x, y, w, h):
    """A raised key: dark rim with softened corners, vertical face gradient,
    a highlight along the top and a faint shade along the bottom."""
    rim = KEY_RIM
    c.rect(x + 1, y + 1, w - 2, h - 2, lambda yy: lerp(KEY_TOP, KEY_BOT, (yy - y - 1) / max(1, h - 3)))
    c.rect(x + 1, y, w - 2, 1, rim)
    c.rect(x + 1, y + h - 1, w - 2, 1, rim)
    c.rect(x, y + 1, 1, h - 2, rim)
    c.rect(x + w - 1, y + 1, 1, h - 2, rim)
    for cx, cy in ((x, y), (x + w - 1, y), (x, y + h - 1), (x + w - 1, y + h - 1)):
        c.blend(cx, cy, rim, 0.45)
    for cx, cy in ((x + 1, y + 1), (x + w - 2, y + 1), (x + 1, y + h - 2), (x + w - 2, y + h - 2)):
        c.blend(cx, cy, rim, 0.5)
    c.rect(x + 2, y + 1, w - 4, 1, KEY_SHINE, 0.55)
    c.rect(x + 2, y + h - 2, w - 4, 1, rim, 0.25)


def glyph(c, x, y, rows):
    """Key glyph with a one-pixel drop shadow so it sits on the key face."""
    inks = {'#': (MOON, 1.0), '*': (MOON, 0.6), '+': (MOON, 0.5), '-': (MOON, 0.25),
            'o': (GOLD, 1.0), 'O': (GOLD_HI, 1.0)}
    shadow = {ch: (KEY_RIM, 0.55 * a) for ch, (_, a) in inks.items()}
    shadow.pop('-', None)
    c.stamp(x, y + 1, rows, shadow)
    c.stamp(x, y, rows, inks)


def tool(rows):
    """A 16x16 key with a 12x12 pixel-art glyph.  The key is used in both bars
    at different heights, so its corners blend with a mid body tone."""
    c = Canvas(16, 16, lerp(BODY_TOP, BODY_BOT, 0.3))
    key(c, 0, 0, 16, 16)
    glyph(c, 2, 2, rows)
    return c


# ---------------------------------------------------------------------------
# Small bar pictures.
# ---------------------------------------------------------------------------

EXIT = [
    "............",
    "............",
    "..##....##..",
    "..###..###..",
    "...######...",
    "....####....",
    "....####....",
    "...######...",
    "..###..###..",
    "..##....##..",
    "............",
    "............",
]

TRAY = [
    ".....##.....",
    ".....##.....",
    ".....##.....",
    ".....##.....",
    "..########..",
    "...######...",
    "....####....",
    ".....##.....",
    "............",
    ".#........#.",
    ".#..oooo..#.",
    ".##########.",
]

TOPMOST = [
    "#######.....",
    "#+++++#.....",
    "#.....#.....",
    "#...oooooooo",
    "#...oooooooo",
    "#...#......#",
    "#####......#",
    "....#......#",
    "....#......#",
    "....#......#",
    "....########",
    "............",
]

# The target shape, bright, with its cells; the current shape dim; an arrow
# turning one into the other.  StyleY is the same drawing mirrored on the
# diagonal, so the pair always agrees.
STYLE_T = [
    "*******.####",
    "*-.-.-*.#..#",
    "*******.#--#",
    "........#--#",
    ".#......#..#",
    ".#......#--#",
    ".#......#--#",
    ".#..#...#..#",
    ".#...#..#--#",
    "..#####.#--#",
    ".....#..#..#",
    "....#...####",
]

LOCK_SHUT = [
    "....####....",
    "...#....#...",
    "...#....#...",
    "...#....#...",
    "..oooooooo..",
    "..oOOOOOOo..",
    "..oooooooo..",
    "..ooo..ooo..",
    "..ooo..ooo..",
    "..oooooooo..",
    "..oooooooo..",
    "............",
]

LOCK_OPEN = [
    ".......####.",
    "......#....#",
    "......#....#",
    "......#.....",
    "..########..",
    "..#++++++#..",
    "..#......#..",
    "..#..##..#..",
    "..#..##..#..",
    "..#......#..",
    "..########..",
    "............",
]


GEAR = [
    ".....##.....",
    ".##.####.##.",
    ".##########.",
    "..########..",
    ".####..####.",
    "####....####",
    "####....####",
    ".####..####.",
    "..########..",
    ".##########.",
    ".##.####.##.",
    ".....##.....",
]


def transpose(rows):
    return [''.join(r[i] for r in rows) for i in range(len(rows[0]))]


def draw_tab(g, shown):
    c = Canvas(24, 14, GROOVE)
    if shown:
        face = lambda y: lerp(GOLD_HI, GOLD_LO, max(0, y - 1) / 11)
        rim, digit, shine = GOLD_RIM, GOLD_INK, (255, 246, 210)
    else:
        face = lambda y: lerp(TAB_FACE, lerp(TAB_FACE, GROOVE, 0.5), max(0, y - 1) / 11)
        rim, digit, shine = TAB_RIM, TAB_DIGIT, None
    c.rect(1, 1, 22, 12, face)
    c.rect(1, 0, 22, 1, rim)
    c.rect(1, 13, 22, 1, rim)
    c.rect(0, 1, 1, 12, rim)
    c.rect(23, 1, 1, 12, rim)
    for x, y in ((0, 0), (23, 0), (0, 13), (23, 13)):
        c.blend(x, y, rim, 0.35)
    if shine:
        c.rect(2, 1, 20, 1, shine, 0.8)
    label = str(g + 1)
    w = text_width(label)
    draw_text(c, (24 - w) // 2, 3, label, digit)
    return c


def draw_aki():
    """Empty slot: a dashed socket on the button face.  Only palette colours
    are used so it stores losslessly as a 16-colour bitmap."""
    dash, corner, star, star_dim, inner = (78, 90, 142), (62, 72, 118), (92, 104, 160), (62, 71, 116), (38, 44, 80)
    c = Canvas(32, 32, BUTTON_FACE)
    c.rect(4, 4, 24, 24, inner)
    # Rounded corners of the socket, two pixels along each arm.
    for (x, y, sx, sy) in ((3, 3, 1, 1), (28, 3, -1, 1), (3, 28, 1, -1), (28, 28, -1, -1)):
        c.put(x + sx, y, dash)
        c.put(x + 2 * sx, y, dash)
        c.put(x, y + sy, dash)
        c.put(x, y + 2 * sy, dash)
        c.put(x + sx, y + sy, corner)
        c.put(x, y, BUTTON_FACE)
    # Dashes 2 on / 2 off between the corner arms, the same at both ends.
    for t in range(7, 25):
        if ((t - 7) // 2) % 2 == 0:
            for (x, y) in ((t, 3), (t, 28), (3, t), (28, t)):
                c.put(x, y, dash)
    # A small sparkle in the middle: the slot waits for a star.
    c.stamp(12, 12, [
        "...#....",
        "...#....",
        "..-#-...",
        "###O###.",
        "..-#-...",
        "...#....",
        "...#....",
        "........",
    ], {'#': (star, 1.0), 'O': (dash, 1.0), '-': (star_dim, 1.0)})
    return c


def info_key(w, h):
    """The product-information button is a bigger tool key, so it reads as one."""
    c = Canvas(w, h, lerp(BODY_TOP, BODY_BOT, 0.2))
    key(c, 0, 0, w, h)
    return c


def emblem(c, cx, cy, r):
    """Crescent moon with a small star: the product's mark."""
    moon = crescent(cx, cy, r, r * 0.5, -r * 0.35, r * 0.8)
    box = (cx - r - 1, cy - r - 1, cx + r + 1, cy + r + 1)
    c.shape(lambda x, y: moon(x, y - 1), KEY_RIM, box, alpha=0.5)
    c.shape(moon, lambda x, y: lerp(GOLD_HI, GOLD, (y - cy + r) / (2 * r)), box)


def draw_sei_y():
    c = info_key(53, 16)
    emblem(c, 10.5, 8.0, 5.2)
    c.stamp(14, 3, ["#"], {'#': (GOLD_HI, 0.9)})
    word = 'INFO'
    x = 20 + (53 - 20 - 3 - text_width(word)) // 2
    draw_text(c, x, 5, word, KEY_RIM, 0.55)
    draw_text(c, x, 4, word, MOON)
    return c


def draw_sei_t():
    c = info_key(29, 31)
    emblem(c, 13.0, 10.5, 6.5)
    c.stamp(19, 4, ["-#-", "#O#", "-#-"], {'#': (GOLD_HI, 0.7), 'O': (GOLD_HI, 1.0), '-': (GOLD_HI, 0.2)})
    word = 'INFO'
    x = (29 - text_width(word)) // 2
    draw_text(c, x, 21, word, KEY_RIM, 0.55)
    draw_text(c, x, 20, word, MOON)
    return c


def small_pictures():
    pics = {
        'Aki': draw_aki(),
        'StyleT': tool(STYLE_T),
        'StyleY': tool(transpose(STYLE_T)),
        'SeiY': draw_sei_y(),
        'SeiT': draw_sei_t(),
        'FomDragOk': tool(LOCK_OPEN),
        'FomDragNo': tool(LOCK_SHUT),
        'ToolExit': tool(EXIT),
        'ToolTray': tool(TRAY),
        'ToolSettings': tool(GEAR),
        'ToolTopmost': tool(TOPMOST),
    }
    for g in range(10):
        pics['BtB%d' % g] = draw_tab(g, False)
        pics['BtF%d' % g] = draw_tab(g, True)
    return pics


# ---------------------------------------------------------------------------
# Bar backgrounds.
# ---------------------------------------------------------------------------

def bar_base(w, h):
    c = Canvas(w, h)
    c.rect(0, 0, w, h, lambda y: body_at(y, h))
    c.frame(0, 0, w, h, BORDER, BORDER)
    c.frame(1, 1, w - 2, h - 2, BEVEL_HI, BEVEL_LO)
    return c


def well(c, x, y, w, h, fill, shade, light):
    """Recessed area: fill covers exactly (x, y, w, h); its edge sits outside."""
    c.frame(x - 1, y - 1, w + 2, h + 2, shade, light)
    c.rect(x, y, w, h, fill)


def stars(c, pts, color=GOLD_HI):
    for x, y, a in pts:
        c.blend(x, y, color, a)


def draw_yoko():
    c = bar_base(366, 74)
    well(c, 23, 23, 340, 32, PANEL, WELL_SHADE, WELL_LIGHT)
    well(c, 59, 3, 251, 16, GROOVE, GROOVE_SHADE, GROOVE_LIGHT)
    well(c, 45, 58, 317, 13, GROOVE, GROOVE_SHADE, GROOVE_LIGHT)
    # Mark in the free corner left of the icon row.
    c.shape(crescent(10.5, 27.5, 5.0, 2.6, -1.8, 4.2), MOON, (4, 21, 17, 35), alpha=0.32)
    stars(c, [(16, 22, 0.5), (18, 31, 0.3), (4, 33, 0.25)])
    return c


def draw_tate():
    c = bar_base(67, 366)
    well(c, 32, 24, 32, 340, PANEL, WELL_SHADE, WELL_LIGHT)
    well(c, 2, 89, 24, 169, GROOVE, GROOVE_SHADE, GROOVE_LIGHT)
    # A little constellation in the free run between the tabs and the info key.
    c.shape(crescent(15.0, 274.0, 6.0, 3.0, -2.2, 5.0), MOON, (7, 266, 23, 282), alpha=0.32)
    pts = [(9, 292), (20, 300), (12, 311), (22, 321)]
    for (ax, ay), (bx, by) in zip(pts, pts[1:]):
        c.shape(segment(ax + 0.5, ay + 0.5, bx + 0.5, by + 0.5, 0.7), GOLD, (0, ay - 1, 30, by + 2), alpha=0.12)
    for x, y in pts:
        c.blend(x, y, GOLD_HI, 0.75)
        for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
            c.blend(x + dx, y + dy, GOLD_HI, 0.25)
    stars(c, [(5, 284, 0.3), (25, 287, 0.25), (6, 326, 0.3), (26, 308, 0.2)])
    return c


# ---------------------------------------------------------------------------
# Dialog faces and the product-information pieces.
# ---------------------------------------------------------------------------

def dialog_base(w, h, spine):
    c = Canvas(w, h, LIGHT_FACE)
    c.rect(0, 0, spine, h, lambda y: lerp(SPINE_TOP, SPINE_BOT, y / (h - 1)))
    c.rect(spine, 0, 1, h, GOLD_LO)
    c.rect(spine + 1, 0, 1, h, (255, 255, 255))
    c.frame(0, 0, w, h, BORDER, BORDER)
    # Soft inner edge on the light part so the face reads as one panel.
    c.rect(spine + 1, 1, w - spine - 2, 1, (255, 255, 255))
    c.rect(spine + 1, h - 2, w - spine - 2, 1, LIGHT_EDGE)
    c.rect(w - 2, 1, 1, h - 2, LIGHT_EDGE)
    return c


def spine_stars(c, spine, y0, y1):
    """A scatter of faint stars down the spine, same layout every run."""
    seed = 12345
    for _ in range((y1 - y0) // 9):
        seed = (seed * 1103515245 + 12345) & 0x7fffffff
        x = 2 + seed % (spine - 4)
        seed = (seed * 1103515245 + 12345) & 0x7fffffff
        y = y0 + seed % (y1 - y0)
        c.blend(x, y, MOON, 0.15 + (seed >> 8) % 5 * 0.07)


def draw_register_face():
    c = dialog_base(354, 146, 16)
    c.shape(crescent(8.5, 12.0, 4.2, 2.2, -1.5, 3.5), GOLD, (2, 6, 15, 18))
    spine_stars(c, 16, 24, 140)
    # Frame around the icon preview (28,32) 37x37.
    c.frame(26, 30, 41, 41, LIGHT_EDGE, (255, 255, 255))
    c.frame(27, 31, 39, 39, (160, 166, 188), (226, 229, 238))
    c.rect(28, 32, 37, 37, (250, 251, 254))
    # Etched rule between the name row and the bottom buttons.
    c.rect(24, 113, 325, 1, LIGHT_EDGE)
    c.rect(24, 114, 325, 1, (255, 255, 255))
    return c


def draw_settings_face():
    c = dialog_base(325, 278, 22)
    spine_stars(c, 22, 26, 250)
    c.shape(crescent(11.0, 262.0, 5.0, 2.6, -1.8, 4.2), GOLD, (3, 254, 19, 270))
    return c


def draw_settings_close():
    c = Canvas(14, 14, SPINE_TOP)
    key(c, 0, 0, 14, 14)
    glyph(c, 3, 3, [
        "##....##",
        "###..###",
        ".######.",
        "..####..",
        "..####..",
        ".######.",
        "###..###",
        "##....##",
    ])
    return c


def draw_link(w, what, path):
    """A link to a file beside the program: what it is, then the file, underlined."""
    c = Canvas(w, 16, LINK_BG)
    start = draw_text(c, 2, 3, what, LINK_INK) + SPACE + 1
    end = draw_text(c, start, 3, path, LINK_INK)
    c.rect(start, 12, end - start - 1, 1, LINK_INK, 0.8)
    assert end <= w - 2, (what, path)
    return c


def draw_maker_logo():
    c = Canvas(75, 50, LINK_BG)
    cx, horizon = 37.5, 29
    # A crescent over a ploughed field at night, over the program's name.
    c.shape(crescent(cx - 1.5, 14.0, 9.0, 4.6, -3.2, 7.6),
            lambda x, y: lerp(GOLD_HI, GOLD, (y - 5) / 18), (25, 4, 48, 24))
    for x, y, a in ((52, 8, 0.9), (18, 12, 0.7), (60, 20, 0.5), (12, 23, 0.4), (46, 3, 0.45), (25, 4, 0.35)):
        c.blend(x, y, GOLD_HI, a)
        for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
            c.blend(x + dx, y + dy, GOLD_HI, a * 0.3)
    c.rect(9, horizon, 57, 1, LINK_INK)
    # Furrows: alternate wedges fanning out from a point on the horizon.
    vx, vy = cx, horizon - 6.0

    def furrow(x, y):
        return y > horizon + 1 and int(math.floor((x - vx) / (y - vy) * 3.2 + 0.5)) % 2 == 0
    c.shape(furrow, LINK_INK, (9, horizon + 1, 66, horizon + 8), alpha=0.3)
    word = 'NOCTARIS'
    draw_text(c, int(cx - text_width(word) / 2) + 1, 40, word, LINK_INK)
    return c


# ---------------------------------------------------------------------------
# Program icon, drawn separately at each size.
# ---------------------------------------------------------------------------

def draw_icon(n):
    c = Canvas(n, n, (0, 0, 0), alpha=0.0)
    s = n / 32.0
    r = {16: 3.0, 32: 6.0, 48: 8.5}[n]
    sq = rounded(0, 0, n, n, r)
    c.shape(sq, (10, 12, 30))
    inner = rounded(1, 1, n - 1, n - 1, r - 1)
    c.shape(inner, lambda x, y: lerp((60, 72, 138), (20, 24, 58), y / n))
    if n >= 32:
        # Top rim light.
        rim = lambda x, y: inner(x, y) and not rounded(1, 2, n - 1, n - 1, r - 1)(x, y)
        c.shape(rim, (130, 146, 214), alpha=0.7)
    if n == 16:
        c.shape(crescent(6.6, 8.6, 5.2, 2.9, -2.2, 4.0), lambda x, y: lerp(GOLD_HI, GOLD, (y - 3) / 11), (1, 2, 13, 15))
        c.stamp(10, 2, ["-#-", "#O#", "-#-"], {'#': (GOLD_HI, 0.8), 'O': ((255, 250, 230), 1.0), '-': (GOLD_HI, 0.25)})
        c.blend(13, 8, MOON, 0.6)
        return c
    mx, my, mr = 13.0 * s, 17.5 * s, 9.5 * s
    moon = crescent(mx, my, mr, 4.8 * s, -3.4 * s, 8.0 * s)
    c.shape(lambda x, y: moon(x - 0.6 * s, y - 0.8 * s), (0, 0, 10), (0, 0, n, n), alpha=0.35)
    c.shape(moon, lambda x, y: lerp(GOLD_HI, GOLD_LO, (y - my + mr) / (2 * mr)), (0, 0, n, n))
    sx, sy = {32: (23.5, 9.5), 48: (34.5, 13.5)}[n]  # pixel centres keep the arms one pixel sharp
    c.shape(sparkle(sx, sy, 5.2 * s, 1.1 * s), (255, 240, 196), (0, 0, n, n))
    for x, y, a in ((25, 22, 0.8), (20, 26, 0.5), (7, 5, 0.5), (17, 5, 0.35)):
        px, py = int(x * s), int(y * s)
        c.blend(px, py, MOON, a)
    return c


# ---------------------------------------------------------------------------
# File formats.
# ---------------------------------------------------------------------------

def bmp_indexed(c, bits):
    """A palette bitmap: every picture here has few colours, and a palette
    keeps them exact at a third of the size of 24-bit pixels."""
    capacity = 1 << bits
    palette = sorted({c.rgb8(x, y) for y in range(c.h) for x in range(c.w)})
    assert len(palette) <= capacity, 'too many colours for %d bits: %d' % (bits, len(palette))
    index = {p: i for i, p in enumerate(palette)}
    per_byte = 8 // bits
    stride = ((c.w + per_byte - 1) // per_byte + 3) & ~3
    rows = []
    for y in range(c.h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(c.w):
            shift = 8 - bits * (x % per_byte + 1)
            row[x // per_byte] |= index[c.rgb8(x, y)] << shift
        rows.append(bytes(row))
    data = b''.join(rows)
    pal = b''.join(bytes((b, g, r, 0)) for r, g, b in palette)
    off = 14 + 40 + len(pal)
    head = struct.pack('<IiiHHIIiiII', 40, c.w, c.h, 1, bits, 0, len(data), 2835, 2835, len(palette), 0)
    return struct.pack('<2sIHHI', b'BM', off + len(data), 0, 0, off) + head + pal + data


def bmp(name, c):
    # The empty-slot picture is a 16-colour bitmap; the others take 256.
    return bmp_indexed(c, 4 if name == 'Aki' else 8)


def ico(canvases):
    entries, blobs = [], []
    offset = 6 + 16 * len(canvases)
    for c in canvases:
        xor = bytearray()
        for y in range(c.h - 1, -1, -1):
            for x in range(c.w):
                r, g, b = c.rgb8(x, y)
                a = c.alpha8(x, y)
                xor += bytes((b, g, r, a)) if a else b'\0\0\0\0'
        mstride = ((c.w + 31) // 32) * 4
        mask = bytearray()
        for y in range(c.h - 1, -1, -1):
            row = bytearray(mstride)
            for x in range(c.w):
                if c.alpha8(x, y) == 0:
                    row[x // 8] |= 0x80 >> (x % 8)
            mask += row
        head = struct.pack('<IiiHHIIiiII', 40, c.w, c.h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        blob = head + bytes(xor) + bytes(mask)
        entries.append(struct.pack('<BBBBHHII', c.w % 256, c.h % 256, 0, 0, 1, 32, len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    return struct.pack('<HHH', 0, 1, len(canvases)) + b''.join(entries) + b''.join(blobs)


def png(img):
    stride = img.w * 3
    raw = b''.join(b'\0' + bytes(img.data[y * stride:(y + 1) * stride]) for y in range(img.h))

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data) & 0xffffffff)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', img.w, img.h, 8, 2, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'wb') as f:
        f.write(data)


# ---------------------------------------------------------------------------
# Previews: the bars as the program will compose them.
# ---------------------------------------------------------------------------

def sample_icon(kind):
    """Stand-ins for shell icons: bright, partly transparent shapes."""
    c = Canvas(32, 32, (0, 0, 0), alpha=0.0)
    if kind == 'folder':
        c.shape(rounded(3, 7, 15, 13, 1.5), (222, 170, 48))
        c.shape(rounded(3, 10, 29, 27, 1.5), lambda x, y: lerp((255, 214, 102), (232, 168, 40), (y - 10) / 17))
    elif kind == 'globe':
        c.shape(disc(16, 16, 13), lambda x, y: lerp((96, 176, 255), (24, 92, 200), y / 32))
        c.shape(lambda x, y: disc(16, 16, 13)(x, y) and (abs(x - 16) < 0.7 or abs(y - 16) < 0.7), (230, 244, 255), (2, 2, 30, 30))
        c.shape(lambda x, y: disc(13, 12, 5)(x, y) and disc(16, 16, 13)(x, y), (90, 200, 110), (6, 6, 20, 20))
    elif kind == 'sheet':
        c.shape(polygon([(7, 3), (20, 3), (26, 9), (26, 29), (7, 29)]), (250, 250, 252))
        c.shape(polygon([(20, 3), (26, 9), (20, 9)]), (190, 196, 210))
        for y in (13, 17, 21, 25):
            c.rect(10, y, 13, 1, (60, 140, 90))
    elif kind == 'dark':
        c.shape(rounded(4, 5, 28, 27, 2.5), (24, 24, 28))
        c.rect(7, 9, 3, 1, (200, 200, 200))
        c.rect(11, 9, 6, 1, (120, 220, 120))
    return c


def outlined_text(c, x, y, s):
    for dx in (-1, 0, 1):
        for dy in (-1, 0, 1):
            if dx or dy:
                draw_text(c, x + dx, y + dy, s, (0, 0, 0))
    draw_text(c, x, y, s, (255, 255, 255))


def fill_buttons(c, pics, panel, step, kinds):
    px, py, pw, ph = panel
    c.rect(px, py, pw, ph, PANEL)
    for k in range(10):
        x, y = px + step[0] * k, py + step[1] * k
        kind = kinds[k]
        if kind is None:
            c.paste(pics['Aki'], x, y)
            continue
        c.rect(x, y, 32, 32, BUTTON_FACE)
        c.paste(sample_icon(kind[0]), x, y)
        if kind[1]:
            outlined_text(c, x + (32 - text_width(kind[1])) // 2, y + 23, kind[1])


KINDS = [('folder', 'docs'), ('globe', 'web'), ('sheet', None), ('dark', 'cmd'), ('globe', None),
         None, None, None, None, None]


def compose_horizontal(pics, yoko):
    c = Canvas(yoko.w, yoko.h)
    c.paste(yoko, 0, 0)
    for name, (x, y) in (('ToolExit', (2, 2)), ('ToolTray', (22, 3)), ('ToolSettings', (40, 3)),
                         ('SeiY', (312, 3)), ('StyleT', (2, 37)), ('ToolTopmost', (2, 55)),
                         ('FomDragOk', (24, 56))):
        c.paste(pics[name], x, y)
    for g in range(10):
        c.paste(pics[('BtF%d' if g == 0 else 'BtB%d') % g], 60 + 25 * g, 4)
    fill_buttons(c, pics, (23, 23, 340, 32), (34, 0), KINDS)
    draw_text(c, 47, 60, 'Group 1 - docs:  C:\\Users\\yuki\\Documents'.replace('\\', '/'), INFO_TEXT)
    return c


def compose_vertical(pics, tate):
    c = Canvas(tate.w, tate.h)
    c.paste(tate, 0, 0)
    for name, (x, y) in (('ToolExit', (2, 2)), ('StyleY', (30, 2)), ('ToolTopmost', (48, 2)),
                         ('ToolSettings', (5, 24)), ('ToolTray', (5, 43)), ('FomDragNo', (5, 65)),
                         ('SeiT', (1, 333))):
        c.paste(pics[name], x, y)
    for g in range(10):
        c.paste(pics[('BtF%d' if g == 0 else 'BtB%d') % g], 2, 90 + 17 * g)
    fill_buttons(c, pics, (32, 24, 32, 340), (0, 34), KINDS)
    return c


DESK = (112, 124, 140)


class Flat:
    """Opaque 8-bit RGB picture for previews: cheap to zoom and tile."""

    def __init__(self, w, h, color=DESK):
        self.w, self.h = w, h
        self.data = bytearray(bytes(color) * (w * h))

    @classmethod
    def of(cls, c, bg=DESK):
        out = cls(c.w, c.h)
        i = 0
        for p in c.px:
            a = p[3]
            for k in range(3):
                out.data[i] = max(0, min(255, int(round(p[k] * a + bg[k] * (1 - a)))))
                i += 1
        return out

    def blit(self, src, x, y, zoom=1):
        for sy in range(src.h):
            row = src.data[sy * src.w * 3:(sy + 1) * src.w * 3]
            if zoom > 1:
                row = b''.join(row[i:i + 3] * zoom for i in range(0, len(row), 3))
            for r in range(zoom):
                off = ((y + sy * zoom + r) * self.w + x) * 3
                self.data[off:off + len(row)] = row


def label(s, color=(255, 255, 255)):
    c = Canvas(text_width(s), 9, DESK)
    draw_text(c, 0, 0, s, color)
    return Flat.of(c)


def sheet_of(items, zoom, width):
    """Lay out (label, canvas) pairs in rows, each zoomed, with labels."""
    pad, x, y, row_h = 12, 12, 12, 0
    placed = []
    for name, cv in items:
        w, h = cv.w * zoom, cv.h * zoom + 10
        if x + w > width - pad and x > pad:
            x, y, row_h = pad, y + row_h + pad, 0
        placed.append((name, cv, x, y))
        x += max(w, text_width(name)) + pad
        row_h = max(row_h, h)
    out = Flat(width, y + row_h + pad)
    for name, cv, x, y in placed:
        out.blit(label(name), x, y)
        out.blit(Flat.of(cv), x, y + 10, zoom)
    return out


def both_zooms(c):
    """1x and 3x next to each other, along the bar's short side."""
    one = Flat.of(c)
    if c.w > c.h:
        out = Flat(c.w * 3 + 24, c.h * 4 + 36)
        out.blit(one, 12, 12)
        out.blit(one, 12, c.h + 24, 3)
    else:
        out = Flat(c.w * 4 + 36, c.h * 3 + 24)
        out.blit(one, 12, 12)
        out.blit(one, c.w + 24, 12, 3)
    return out


def icon_preview(icons):
    """Each size at 1x on a dark and a light taskbar, and at 8x below."""
    out = Flat(12 + sum(c.w * 8 + 12 for c in icons), 72 + 48 * 8 + 12)
    x = 12
    for c in icons:
        for i, bg in enumerate(((32, 32, 36), (240, 240, 240))):
            tile = Flat(56, 56, bg)
            tile.blit(Flat.of(c, bg), (56 - c.w) // 2, (56 - c.h) // 2)
            out.blit(tile, x + i * 60, 8)
        out.blit(Flat.of(c), x, 72, 8)
        x += c.w * 8 + 12
    return out


def mock_edit(c, x, y, w, h, s=''):
    c.rect(x, y, w, h, (255, 255, 255))
    c.frame(x, y, w, h, (122, 122, 122), (220, 220, 220))
    draw_text(c, x + 3, y + (h - 7) // 2, s, (0, 0, 0))


def mock_button(c, x, y, w, h, s):
    c.rect(x, y, w, h, (225, 225, 225))
    c.frame(x, y, w, h, (173, 173, 173), (112, 112, 112))
    draw_text(c, x + (w - text_width(s)) // 2, y + (h - 7) // 2, s, (0, 0, 0))


def mock_group(c, x, y, w, h, s):
    c.frame(x, y + 4, w, h - 4, (200, 204, 214), (255, 255, 255))
    c.frame(x + 1, y + 5, w - 2, h - 6, (255, 255, 255), (200, 204, 214))
    c.rect(x + 6, y, text_width(s) + 4, 9, LIGHT_FACE)
    draw_text(c, x + 8, y + 1, s, DIALOG_TEXT)


def mock_check(c, x, y, s):
    c.rect(x, y + 1, 13, 13, (255, 255, 255))
    c.frame(x, y + 1, 13, 13, (51, 51, 51), (51, 51, 51))
    draw_text(c, x + 17, y + 4, s, DIALOG_TEXT)


def compose_dialogs(arts):
    reg = arts['RegisterFace'].crop(0, 0, 354, 146)
    mock_edit(reg, 24, 8, 325, 18, 'C:/Program Files/Editor/edit.exe')
    reg.paste(sample_icon('sheet'), 30, 34)
    mock_button(reg, 256, 32, 93, 20, 'Browse')
    mock_button(reg, 256, 56, 93, 20, 'Icon')
    draw_text(reg, 24, 95, 'Name', DIALOG_TEXT)
    mock_edit(reg, 120, 88, 229, 18, 'Editor')
    mock_button(reg, 156, 120, 89, 20, 'OK')
    mock_button(reg, 260, 120, 89, 20, 'Cancel')
    st = arts['SettingsFace'].crop(0, 0, 325, 278)
    st.paste(arts['SettingsClose'], 4, 5)
    # The settings dialog's own places: frames at the top, two check boxes,
    # the Startup-shortcut row at the bottom.
    for (x, y, w, h), label in (((32, 8, 169, 49), 'Startup'), ((32, 64, 185, 49), 'Launch'),
                                ((32, 120, 273, 49), 'After launch'), ((32, 176, 277, 33), 'Style')):
        mock_group(st, x, y, w, h, label)
        mock_check(st, x + 8, y + 13, 'option')
    mock_check(st, 28, 216, 'Keep in front')
    mock_check(st, 28, 236, 'Names on buttons')
    draw_text(st, 28, 263, 'Startup shortcut', DIALOG_TEXT)
    mock_button(st, 172, 256, 65, 17, 'Register')
    mock_button(st, 248, 256, 65, 17, 'Delete')
    draw_text(st, 208, 16, 'Saved', DIALOG_TEXT)
    draw_text(st, 208, 27, 'automatically.', DIALOG_TEXT)
    # The product window's client area with its pictures in their places.
    info = Canvas(395, 177, LINK_BG)
    info.paste(arts['MakerLogo'], 304, 100)
    info.paste(arts['LinkMaker'], 22, 106)
    info.paste(arts['LinkProduct'], 22, 154)
    return [('RegisterFace', reg), ('SettingsFace', st), ('product info', info)]


# ---------------------------------------------------------------------------

SIZES = {
    'YokoHome': (366, 74), 'TateHome': (67, 366), 'Aki': (32, 32),
    'StyleT': (16, 16), 'StyleY': (16, 16), 'SeiY': (53, 16), 'SeiT': (29, 31),
    'FomDragOk': (16, 16), 'FomDragNo': (16, 16), 'ToolExit': (16, 16), 'ToolTray': (16, 16),
    'ToolSettings': (16, 16), 'ToolTopmost': (16, 16),
    'RegisterFace': (354, 146), 'SettingsFace': (325, 278), 'SettingsClose': (14, 14),
    'LinkMaker': (208, 16), 'LinkProduct': (284, 16), 'MakerLogo': (75, 50),
}
SIZES.update({'Bt%s%d' % (s, g): (24, 14) for s in 'BF' for g in range(10)})


def luminance(c):
    lin = [(v / 255) / 12.92 if v <= 10 else ((v / 255 + 0.055) / 1.055) ** 2.4 for v in c]
    return 0.2126 * lin[0] + 0.7152 * lin[1] + 0.0722 * lin[2]


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)))
    return (lb + 0.05) / (la + 0.05)


def check(arts, icons):
    """Catch mistakes that would only show up on screen."""
    assert sorted(arts) == sorted(SIZES), set(arts) ^ set(SIZES)
    for name, cv in arts.items():
        assert (cv.w, cv.h) == SIZES[name], (name, cv.w, cv.h)
        data = bmp(name, cv)
        size, offset = struct.unpack_from('<I4xI', data, 2)
        w, h, bits = struct.unpack_from('<ii2xH', data, 18)
        colours = struct.unpack_from('<I', data, 46)[0]
        assert size == len(data) and (w, h) == SIZES[name] and bits == (4 if name == 'Aki' else 8), name
        # Read it back the way Windows will: bottom-up rows through the palette.
        per_byte = 8 // bits
        stride = ((w + per_byte - 1) // per_byte + 3) & ~3
        pal = [tuple(data[54 + 4 * i:57 + 4 * i][::-1]) for i in range(colours)]

        def pixel(x, y, data=data, offset=offset, stride=stride, pal=pal, bits=bits, per_byte=per_byte, h=h):
            byte = data[offset + (h - 1 - y) * stride + x // per_byte]
            return pal[byte >> (8 - bits * (x % per_byte + 1)) & ((1 << bits) - 1)]
        assert all(pixel(x, y) == cv.rgb8(x, y) for y in range(h) for x in range(w)), name
    # The program paints the panel over the background; any seam would show.
    for bg, (px, py, pw, ph) in ((arts['YokoHome'], (23, 23, 340, 32)), (arts['TateHome'], (32, 24, 32, 340))):
        assert all(bg.rgb8(x, y) == PANEL for y in range(py, py + ph) for x in range(px, px + pw))
    # The info line is drawn transparently, so every pixel under it must carry the text.
    yoko = arts['YokoHome']
    assert min(contrast(INFO_TEXT, yoko.rgb8(x, y)) for y in range(58, 70) for x in range(46, 361)) >= 7
    # The shown tab must stand out from the others at a glance.
    for g in range(10):
        b, f = arts['BtB%d' % g], arts['BtF%d' % g]
        mean = lambda c: sum(luminance(c.rgb8(x, y)) for y in range(14) for x in range(24)) / (24 * 14)
        assert mean(f) > 4 * mean(b), g
    # An empty slot sits among filled ones: its edge must be the button face.
    aki = arts['Aki']
    assert all(aki.rgb8(x, y) == BUTTON_FACE for x in range(32) for y in (0, 31))
    # Icon: rounded corners see through, and the AND mask agrees with alpha
    # (old shells use the mask alone).
    data = ico(icons)
    assert struct.unpack_from('<HHH', data) == (0, 1, 3)
    for i, c in enumerate(icons):
        w, h, _, _, _, bpp, _, off = struct.unpack_from('<BBBBHHII', data, 6 + 16 * i)
        assert (w, h, bpp) == (c.w, c.h, 32) and struct.unpack_from('<i', data, off + 8)[0] == 2 * h
        assert c.alpha8(0, 0) == 0 and c.alpha8(w // 2, h // 2) == 255
        mask, mstride = off + 40 + w * h * 4, (w + 31) // 32 * 4
        for y in range(h):
            for x in range(w):
                hole = data[mask + (h - 1 - y) * mstride + x // 8] >> (7 - x % 8) & 1
                alpha = data[off + 40 + ((h - 1 - y) * w + x) * 4 + 3]
                assert hole == (alpha == 0) and alpha == c.alpha8(x, y), (w, x, y)


def main():
    arts = small_pictures()
    arts['YokoHome'] = draw_yoko()
    arts['TateHome'] = draw_tate()
    arts['RegisterFace'] = draw_register_face()
    arts['SettingsFace'] = draw_settings_face()
    arts['SettingsClose'] = draw_settings_close()
    arts['LinkMaker'] = draw_link(208, 'User guide:', 'guide/index.html')
    arts['LinkProduct'] = draw_link(284, 'License (MIT):', 'LICENSE.txt')
    arts['MakerLogo'] = draw_maker_logo()
    icons = [draw_icon(n) for n in (16, 32, 48)]
    check(arts, icons)

    names = sorted(arts)
    for name in names:
        write(os.path.join(ASSETS, name + '.bmp'), bmp(name, arts[name]))
    write(os.path.join(ASSETS, 'noctaris.ico'), ico(icons))
    rc = ['// Generated by tools/make_art.py; edit that script, not this file.', '1 ICON "noctaris.ico"']
    rc += ['%s BITMAP "%s.bmp"' % (n, n) for n in names]
    write(os.path.join(ASSETS, 'art.rc'), ('\n'.join(rc) + '\n').encode('ascii'))

    write(os.path.join(PREVIEW, 'bar-horizontal.png'), png(both_zooms(compose_horizontal(arts, arts['YokoHome']))))
    write(os.path.join(PREVIEW, 'bar-vertical.png'), png(both_zooms(compose_vertical(arts, arts['TateHome']))))
    small = [(n, arts[n]) for n in names if n not in ('YokoHome', 'TateHome', 'RegisterFace', 'SettingsFace')]
    small += [('icon%d' % c.w, c) for c in icons]
    write(os.path.join(PREVIEW, 'contact-sheet.png'),
          png(sheet_of([(n, arts[n]) for n in ('YokoHome', 'TateHome', 'RegisterFace', 'SettingsFace')] + small, 4, 1500)))
    write(os.path.join(PREVIEW, 'small-4x.png'), png(sheet_of(small, 4, 1000)))
    write(os.path.join(PREVIEW, 'icons.png'), png(icon_preview(icons)))
    write(os.path.join(PREVIEW, 'dialogs-2x.png'), png(sheet_of(compose_dialogs(arts), 2, 1400)))
    print('wrote %d bitmaps, noctaris.ico and art.rc to %s' % (len(names), os.path.relpath(ASSETS, ROOT)))


if __name__ == '__main__':
    main()
