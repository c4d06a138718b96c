#!/usr/bin/env python3
"""Draws every picture of the program at 100, 125, 150 and 200 %, the program
icon at 16, 24, 32, 48 and 256 pixels, and the resource script, in assets/.

Run from the repository root:  python3 tools/make_art.py

Each scale is drawn natively from the same drawing code (see art/canvas.py):
the 100 % pictures are the hand-tuned originals, pixel for pixel, and the
larger ones keep flat edges on whole pixels.  The pictures are palette PNGs,
which the program decodes with the system's imaging component.

Standard library only, so it runs anywhere the build does.  Output is
deterministic; the results in assets/ are committed so the build itself
needs no image tools.  Previews for eyeballing go to build/art-preview/.
"""

import math
import os
import struct

from art.canvas import Canvas, crescent, disc, drawn_at, polygon, rounded, segment, sparkle
from art.font import SPACE, draw_text, text_width
from art.image_files import ico, pack_indices, png, read_png

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
ASSETS = os.path.join(ROOT, 'assets')
PREVIEW = os.path.join(ROOT, 'build', 'art-preview')

# ---------------------------------------------------------------------------
# Palette.  The bar is a night sky: indigo body, darker recessed wells, soft
# moon-white text and one warm gold for "active" and the star motifs.
# ---------------------------------------------------------------------------

BORDER = (8, 10, 24)            # outermost 1-px edge of the window; the program paints it too
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
    c = dialog_base(325, 340, 22)
    spine_stars(c, 22, 26, 312)
    c.shape(crescent(11.0, 324.0, 5.0, 2.6, -1.8, 4.2), GOLD, (3, 316, 19, 332))
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
    r = {16: 3.0, 24: 4.5, 32: 6.0, 48: 8.5, 256: 46.0}[n]
    # The outline and the rim light are a pixel wide up to 48; the big icon
    # keeps their proportions so they do not dwindle into hairlines.
    edge, shine = (3, 4) if n == 256 else (1, 1)
    c.shape(rounded(0, 0, n, n, r), (10, 12, 30))
    inner = rounded(edge, edge, n - edge, n - edge, r - edge)
    c.shape(inner, lambda x, y: lerp((60, 72, 138), (20, 24, 58), y / n))
    if n >= 24:
        lit = rounded(edge, edge + shine, n - edge, n - edge, r - edge)
        c.shape(lambda x, y: inner(x, y) and not lit(x, y), (130, 146, 214), (0, 0, n, edge + shine + r), alpha=0.7)
    if n == 16:
        c.shape(crescent(6.6, 8.6, 5.2, 2.9, -2.2, 4.0), lambda x, y: lerp(GOLD_HI, GOLD, (y - 3) / 11), (1, 2, 13, 15))
        c.stamp(10, 2, ["-#-", "#O#", "-#-"], {'#': (GOLD_HI, 0.8), 'O': ((255, 250, 230), 1.0), '-': (GOLD_HI, 0.25)})
        c.blend(13, 8, MOON, 0.6)
        return c
    mx, my, mr = 13.0 * s, 17.5 * s, 9.5 * s
    moon = crescent(mx, my, mr, 4.8 * s, -3.4 * s, 8.0 * s)
    box = (mx - mr - s, my - mr - s, mx + mr + s, my + mr + s)
    c.shape(lambda x, y: moon(x - 0.6 * s, y - 0.8 * s), (0, 0, 10), box, alpha=0.35)
    c.shape(moon, lambda x, y: lerp(GOLD_HI, GOLD_LO, (y - my + mr) / (2 * mr)), box)
    # Pixel centres keep the star's arms one pixel sharp at the small sizes.
    sx, sy = {24: (17.5, 7.5), 32: (23.5, 9.5), 48: (34.5, 13.5), 256: (188, 76)}[n]
    sr = 5.2 * s
    if n == 256:
        # A soft glow: faint discs, each smaller one adding to the last.
        for k in range(8):
            c.shape(disc(sx, sy, sr * (0.95 - 0.09 * k)), (255, 240, 196), (sx - sr, sy - sr, sx + sr, sy + sr), 0.035)
    c.shape(sparkle(sx, sy, sr, 1.1 * s), (255, 240, 196), (sx - sr, sy - sr, sx + sr, sy + sr))
    for x, y, a in ((25, 22, 0.8), (20, 26, 0.5), (7, 5, 0.5), (17, 5, 0.35)):
        if n == 256:
            c.shape(disc((x + 0.5) * s, (y + 0.5) * s, 3.2), MOON, ((x - 1) * s, (y - 1) * s, (x + 2) * s, (y + 2) * s), a)
        else:
            c.blend(int(x * s), int(y * s), MOON, a)
    return c


# ---------------------------------------------------------------------------
# File formats.
# ---------------------------------------------------------------------------

def art_png(c):
    """A picture as the program stores it: a palette PNG.  Every picture here
    has few colours, and a palette keeps them exact in a fraction of the size."""
    rows = [[c.rgb8(x, y) for x in range(c.W)] for y in range(c.H)]
    palette = sorted({p for row in rows for p in row})
    assert len(palette) <= 256, 'too many colours for a palette: %d' % len(palette)
    depth = next(d for d in (1, 2, 4, 8) if len(palette) <= 1 << d)
    index = {p: i for i, p in enumerate(palette)}
    return png(c.W, c.H, [pack_indices([index[p] for p in row], depth) for row in rows], 3, depth, palette)


def icon_image(c):
    return c.W, c.H, [[c.rgb8(x, y) + (c.alpha8(x, y),) for x in range(c.W)] for y in range(c.H)]


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
        out = cls(c.W, c.H)
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

    def png(self):
        return png(self.w, self.h, [bytes(self.data[y * self.w * 3:(y + 1) * self.w * 3]) for y in range(self.h)], 2,
                   best=False)


def label(s, color=(255, 255, 255)):
    with drawn_at(1):
        c = Canvas(text_width(s), 9, DESK)
    draw_text(c, 0, 0, s, color)
    return Flat.of(c)


def sheet_of(items, zoom, width):
    """Lay out (label, canvas) pairs in rows, each zoomed, with labels."""
    pad, x, y, row_h = 12, 12, 12, 0
    placed = []
    for name, cv in items:
        w, h = cv.W * zoom, cv.H * zoom + 10
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


def both_zooms(c, zoom):
    """As shown and zoomed, next to each other along the bar's short side."""
    one = Flat.of(c)
    if c.W > c.H:
        out = Flat(c.W * zoom + 24, c.H * (zoom + 1) + 36)
        out.blit(one, 12, 12)
        out.blit(one, 12, c.H + 24, zoom)
    else:
        out = Flat(c.W * (zoom + 1) + 36, c.H * zoom + 24)
        out.blit(one, 12, 12)
        out.blit(one, c.W + 24, 12, zoom)
    return out


def icon_preview(icons):
    """Each size as shown on a dark and a light taskbar, and zoomed below."""
    zoom = lambda c: max(1, 384 // c.W)
    tile = lambda c: max(56, c.W + 8)
    width = lambda c: max(c.W * zoom(c), 2 * tile(c) + 4)
    out = Flat(12 + sum(width(c) + 12 for c in icons), max(tile(c) for c in icons) + 28 + 384)
    x = 12
    for c in icons:
        for i, bg in enumerate(((32, 32, 36), (240, 240, 240))):
            back = Flat(tile(c), tile(c), bg)
            back.blit(Flat.of(c, bg), (tile(c) - c.W) // 2, (tile(c) - c.H) // 2)
            out.blit(back, x + i * (tile(c) + 4), 8)
        out.blit(Flat.of(c), x, tile(c) + 20, zoom(c))
        x += width(c) + 12
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
    st = arts['SettingsFace'].crop(0, 0, 325, 340)
    st.paste(arts['SettingsClose'], 4, 5)
    # The settings dialog's own places: frames at the top, two check boxes,
    # the Startup-shortcut row, the hotkey frame at the bottom.
    for (x, y, w, h), label in (((32, 8, 169, 49), 'Startup'), ((32, 64, 185, 49), 'Launch'),
                                ((32, 120, 273, 49), 'After launch'), ((32, 176, 277, 33), 'Style')):
        mock_group(st, x, y, w, h, label)
        mock_check(st, x + 8, y + 13, 'option')
    mock_check(st, 28, 216, 'Keep in front')
    mock_check(st, 28, 236, 'Names on buttons')
    draw_text(st, 28, 263, 'Startup shortcut', DIALOG_TEXT)
    mock_button(st, 172, 256, 65, 17, 'Register')
    mock_button(st, 248, 256, 65, 17, 'Delete')
    mock_group(st, 32, 280, 277, 52, 'Hotkey')
    draw_text(st, 40, 298, 'Call the bar', DIALOG_TEXT)
    mock_edit(st, 124, 293, 145, 20, 'Ctrl Alt Space')
    draw_text(st, 208, 16, 'Saved', DIALOG_TEXT)
    draw_text(st, 208, 27, 'automatically.', DIALOG_TEXT)
    # The product window's client area with its pictures in their places.
    info = Canvas(395, 177, LINK_BG)
    info.paste(arts['MakerLogo'], 304, 100)
    info.paste(arts['LinkMaker'], 22, 106)
    info.paste(arts['LinkProduct'], 22, 154)
    return [('RegisterFace', reg), ('SettingsFace', st), ('product info', info)]


# ---------------------------------------------------------------------------

# The display scales every picture is drawn at, as the program picks from them.
SCALES = (1, 1.25, 1.5, 2)
ICON_SIZES = (16, 24, 32, 48, 256)

SIZES = {
    'YokoHome': (366, 74), 'TateHome': (67, 366), 'Aki': (32, 32),
    'StyleT': (16, 16), 'StyleY': (16, 16), 'SeiY': (53, 16), 'SeiT': (29, 31),
    'FomDragOk': (16, 16), 'FomDragNo': (16, 16), 'ToolExit': (16, 16), 'ToolTray': (16, 16),
    'ToolSettings': (16, 16), 'ToolTopmost': (16, 16),
    'RegisterFace': (354, 146), 'SettingsFace': (325, 340), 'SettingsClose': (14, 14),
    'LinkMaker': (208, 16), 'LinkProduct': (284, 16), 'MakerLogo': (75, 50),
}
SIZES.update({'Bt%s%d' % (s, g): (24, 14) for s in 'BF' for g in range(10)})


def percent(scale):
    return str(round(scale * 100))


def luminance(c):
    lin = [(v / 255) / 12.92 if v <= 10 else ((v / 255 + 0.055) / 1.055) ** 2.4 for v in c]
    return 0.2126 * lin[0] + 0.7152 * lin[1] + 0.0722 * lin[2]


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)))
    return (lb + 0.05) / (la + 0.05)


def device_rect(design, s):
    """Where the program puts a control: position and size scaled each on their own."""
    x, y, w, h = design
    return round(x * s), round(y * s), round(w * s), round(h * s)


def check_art(s, arts, files):
    """Catch mistakes that would only show up on screen, at one scale."""
    assert sorted(arts) == sorted(SIZES), set(arts) ^ set(SIZES)
    for name, cv in arts.items():
        w, h = SIZES[name]
        assert (cv.w, cv.h, cv.W, cv.H) == (w, h, round(w * s), round(h * s)), (name, s, cv.W, cv.H)
        # Read it back as the program will; the program copies it opaque.
        pw, ph, rows = read_png(files[name])
        assert (pw, ph) == (cv.W, cv.H), name
        assert all(rows[y][x] == cv.rgb8(x, y) + (255,) and cv.alpha8(x, y) == 255
                   for y in range(cv.H) for x in range(cv.W)), (name, s)
    # The bars' outer border is equally wide on every side, with hard edges.
    line = round(s)
    for bg in (arts['YokoHome'], arts['TateHome']):
        edge = [(x, y) for x in range(bg.W) for y in (*range(line), *range(bg.H - line, bg.H))]
        edge += [(x, y) for y in range(bg.H) for x in (*range(line), *range(bg.W - line, bg.W))]
        assert all(bg.rgb8(x, y) == BORDER for x, y in edge), s
        assert bg.rgb8(line, bg.H // 2) != BORDER and bg.rgb8(bg.W - 1 - line, bg.H // 2) != BORDER, s
    # The program paints the panel over the background; any seam would show.
    for bg, panel in ((arts['YokoHome'], (23, 23, 340, 32)), (arts['TateHome'], (32, 24, 32, 340))):
        px, py, pw, ph = device_rect(panel, s)
        assert all(bg.rgb8(x, y) == PANEL for y in range(py, py + ph) for x in range(px, px + pw)), s
        assert bg.rgb8(px - 1, py) != PANEL and bg.rgb8(px + pw, py + ph) != PANEL, s
    # The info line is drawn transparently, so every pixel under it must carry the text.
    yoko = arts['YokoHome']
    ix, iy, iw, ih = device_rect((46, 58, 315, 12), s)
    assert min(contrast(INFO_TEXT, yoko.rgb8(x, y)) for y in range(iy, iy + ih) for x in range(ix, ix + iw)) >= 7
    # The shown tab must stand out from the others at a glance.
    face = lambda c: sorted(luminance(c.rgb8(x, y)) for y in range(c.H) for x in range(c.W))[c.W * c.H // 2]
    for g in range(10):
        assert face(arts['BtF%d' % g]) > 4 * face(arts['BtB%d' % g]), (g, s)
    # An empty slot sits among filled ones: its edge must be the button face.
    aki = arts['Aki']
    assert all(aki.rgb8(x, y) == BUTTON_FACE for x in range(aki.W) for y in (0, aki.H - 1)), s


def check_icon(data, icons):
    """Rounded corners see through; every size is there; the AND mask agrees
    with alpha (old shells use the mask alone)."""
    assert struct.unpack_from('<HHH', data) == (0, 1, len(ICON_SIZES))
    for i, c in enumerate(icons):
        w, h, _, _, _, bpp, size, off = struct.unpack_from('<BBBBHHII', data, 6 + 16 * i)
        assert (w or 256, h or 256, bpp, c.W) == (ICON_SIZES[i], ICON_SIZES[i], 32, ICON_SIZES[i])
        assert c.alpha8(0, 0) == 0 and c.alpha8(c.W // 2, c.H // 2) == 255
        if c.W == 256:
            _, _, rows = read_png(data[off:off + size])
            assert all(rows[y][x] == (c.rgb8(x, y) + (c.alpha8(x, y),) if c.alpha8(x, y) else rows[y][x][:3] + (0,))
                       for y in range(256) for x in range(256))
            continue
        assert struct.unpack_from('<i', data, off + 8)[0] == 2 * h
        mask, mstride = off + 40 + w * h * 4, (w + 31) // 32 * 4
        for y in range(h):
            for x in range(w):
                hole = data[mask + (h - 1 - y) * mstride + x // 8] >> (7 - x % 8) & 1
                alpha = data[off + 40 + ((h - 1 - y) * w + x) * 4 + 3]
                assert hole == (alpha == 0) and alpha == c.alpha8(x, y), (w, x, y)


def draw_all():
    arts = small_pictures()
    arts['YokoHome'] = draw_yoko()
    arts['TateHome'] = draw_tate()
    arts['RegisterFace'] = draw_register_face()
    arts['SettingsFace'] = draw_settings_face()
    arts['SettingsClose'] = draw_settings_close()
    arts['LinkMaker'] = draw_link(208, 'User guide:', 'guide/index.html')
    arts['LinkProduct'] = draw_link(284, 'License (MIT):', 'LICENSE.txt')
    arts['MakerLogo'] = draw_maker_logo()
    return arts


def previews(s, arts):
    """The bars and dialogs as the program will compose them, for eyeballing."""
    p, zoom = percent(s), 3 if s == 1 else 2
    with drawn_at(s):
        write(os.path.join(PREVIEW, 'bar-horizontal-%s.png' % p),
              both_zooms(compose_horizontal(arts, arts['YokoHome']), zoom).png())
        write(os.path.join(PREVIEW, 'bar-vertical-%s.png' % p),
              both_zooms(compose_vertical(arts, arts['TateHome']), zoom).png())
        small = [(n, arts[n]) for n in sorted(arts) if n not in ('YokoHome', 'TateHome', 'RegisterFace', 'SettingsFace')]
        write(os.path.join(PREVIEW, 'small-%s.png' % p), sheet_of(small, round(4 / s), 1000).png())
        write(os.path.join(PREVIEW, 'dialogs-%s.png' % p), sheet_of(compose_dialogs(arts), 1, 1600).png())


def main():
    names = sorted(SIZES)
    rc = ['// Generated by tools/make_art.py; edit that script, not this file.', '1 ICON "noctaris.ico"']
    rc += ['%s_%s RCDATA "%s/%s.png"' % (n, percent(s), percent(s), n) for n in names for s in SCALES]
    for s in SCALES:
        with drawn_at(s):
            arts = draw_all()
        files = {name: art_png(arts[name]) for name in names}
        check_art(s, arts, files)
        for name in names:
            write(os.path.join(ASSETS, percent(s), name + '.png'), files[name])
        previews(s, arts)
    icons = [draw_icon(n) for n in ICON_SIZES]
    data = ico([icon_image(c) for c in icons])
    check_icon(data, icons)
    write(os.path.join(ASSETS, 'noctaris.ico'), data)
    write(os.path.join(ASSETS, 'art.rc'), ('\n'.join(rc) + '\n').encode('ascii'))
    write(os.path.join(PREVIEW, 'icons.png'), icon_preview(icons).png())
    print('wrote %d pictures at %d scales, noctaris.ico and art.rc to %s'
          % (len(names), len(SCALES), os.path.relpath(ASSETS, ROOT)))


if __name__ == '__main__':
    main()
