"""The canvas the art is drawn on, and the shapes it fills.

Drawing calls take design pixels, those of the 100 % picture; a canvas made
inside drawn_at(scale) is scale times as many device pixels wide and high.
Rectangles and single pixels cover whole device pixels, so flat elements
keep hard edges at every scale, and so does pixel art: at 125 % and 150 %
some of its pixels come out one device pixel wider than others, which looks
sharper than the soft edges of covering each pixel by area (or of scaling
the 200 % picture down).  Everything is measured from the left (top) edge,
as the program places its controls, except the last two pixels of each row
(column): they are measured from the right (bottom) edge, so that a border
and its bevel come out equally wide on both sides.  Curves are sampled at
the device resolution.
"""

import math
from contextlib import contextmanager


class Canvas:
    """Straight-alpha float pixels."""

    scale = 1  # what new canvases are drawn at

    def __init__(self, w, h, color=(0, 0, 0), alpha=1.0):
        self.w, self.h, self.s = w, h, Canvas.scale
        # Python rounds halves to the even neighbour, as the program does.
        self.W, self.H = round(w * self.s), round(h * self.s)
        self.px = [[float(color[0]), float(color[1]), float(color[2]), alpha] for _ in range(self.W * self.H)]

    # Design coordinates to device edges.

    def ex(self, x):
        return round(x * self.s) if x <= self.w - 2 else self.W - round((self.w - x) * self.s)

    def ey(self, y):
        return round(y * self.s) if y <= self.h - 2 else self.H - round((self.h - y) * self.s)

    # Device pixels.

    def get(self, x, y):
        return self.px[y * self.W + x]

    def _put(self, x, y, color, alpha):
        if 0 <= x < self.W and 0 <= y < self.H:
            self.px[y * self.W + x] = [float(color[0]), float(color[1]), float(color[2]), alpha]

    def _blend(self, x, y, color, a):
        if a <= 0 or not (0 <= x < self.W and 0 <= y < self.H):
            return
        p = self.px[y * self.W + x]
        da = p[3] * (1 - a)
        oa = a + da
        for i in range(3):
            p[i] = (color[i] * a + p[i] * da) / oa
        p[3] = oa

    def rgb8(self, x, y):
        p = self.px[y * self.W + x]
        return tuple(max(0, min(255, int(round(v)))) for v in p[:3])

    def alpha8(self, x, y):
        return max(0, min(255, int(round(self.px[y * self.W + x][3] * 255))))

    # Drawing in design pixels.

    def _cover(self, x, y, w, h, color, alpha, replace):
        x0, x1 = max(0, self.ex(x)), min(self.W, self.ex(x + w))
        for yy in range(max(0, self.ey(y)), min(self.H, self.ey(y + h))):
            # A gradient takes the design row at the device row's middle.
            c = color(min(max((yy + 0.5) / self.s - 0.5, y), y + h - 1)) if callable(color) else color
            for xx in range(x0, x1):
                if replace:
                    self._put(xx, yy, c, alpha)
                else:
                    self._blend(xx, yy, c, alpha)

    def put(self, x, y, color, alpha=1.0):
        self._cover(x, y, 1, 1, color, alpha, True)

    def blend(self, x, y, color, a):
        self._cover(x, y, 1, 1, color, a, False)

    def rect(self, x, y, w, h, color, alpha=1.0):
        """color may be a function of the design row, for a vertical gradient."""
        self._cover(x, y, w, h, color, alpha, alpha >= 1)

    def frame(self, x, y, w, h, tl, br):
        """1-px bevel: tl on top/left, br on bottom/right."""
        self.rect(x, y, w, 1, tl)
        self.rect(x, y, 1, h, tl)
        self.rect(x, y + h - 1, w, 1, br)
        self.rect(x + w - 1, y, 1, h, br)

    def shape(self, inside, color, box=None, alpha=1.0, ss=4):
        """Fill where inside(x, y) holds, antialiased by ss*ss samples of each
        device pixel; color may be a function of the design position."""
        x0, y0, x1, y1 = box or (0, 0, self.w, self.h)
        s = self.s
        x0, y0 = max(0, math.floor(x0 * s)), max(0, math.floor(y0 * s))
        x1, y1 = min(self.W, math.ceil(x1 * s)), min(self.H, math.ceil(y1 * s))
        n = ss * ss
        offs = [(i + 0.5) / ss for i in range(ss)]
        for y in range(y0, y1):
            for x in range(x0, x1):
                k = 0
                for oy in offs:
                    for ox in offs:
                        if inside((x + ox) / s, (y + oy) / s):
                            k += 1
                if k:
                    c = color((x + 0.5) / s - 0.5, (y + 0.5) / s - 0.5) if callable(color) else color
                    self._blend(x, y, c, alpha * k / n)

    def stamp(self, x, y, rows, inks):
        """Pixel art: each character of rows picks (colour, alpha) from inks."""
        for j, row in enumerate(rows):
            for i, ch in enumerate(row):
                if ch in inks:
                    self.blend(x + i, y + j, *inks[ch])

    def paste(self, src, x, y):
        """src, a canvas of the same scale, with its top-left corner where
        the program places a control at (x, y)."""
        x0, y0 = round(x * self.s), round(y * self.s)
        for sy in range(src.H):
            for sx in range(src.W):
                p = src.get(sx, sy)
                if p[3] >= 1:
                    self._put(x0 + sx, y0 + sy, p, 1.0)
                else:
                    self._blend(x0 + sx, y0 + sy, p[:3], p[3])

    def crop(self, x, y, w, h):
        with drawn_at(self.s):
            out = Canvas(w, h)
        x0, y0 = round(x * self.s), round(y * self.s)
        for yy in range(out.H):
            start = (y0 + yy) * self.W + x0
            out.px[yy * out.W:(yy + 1) * out.W] = [p[:] for p in self.px[start:start + out.W]]
        return out


@contextmanager
def drawn_at(scale):
    """Canvases made inside draw at this display scale (1.5 = 150 %)."""
    old, Canvas.scale = Canvas.scale, scale
    try:
        yield
    finally:
        Canvas.scale = old


# Coverage predicates in continuous design coordinates (pixel x covers [x, x+1)).

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
