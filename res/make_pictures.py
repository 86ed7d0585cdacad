#!/usr/bin/env python3
"""Draws Veskara's icons and tray pictures and writes them into res/.

    python3 res/make_pictures.py                 # rewrite res/icons/*.ico and res/tray/*.bmp
    python3 res/make_pictures.py --preview F.ppm # also write a contact sheet (x4) to look at

Standard library only, and deterministic: the same bytes on every run. Every picture is
a handful of vector shapes (signed distance functions) on a 32-unit design grid, drawn at
16, 32 or 48 pixels with one-pixel anti-aliasing. Icons are 24 bits per pixel with a 1-bit
AND mask, so coverage below one half is transparent and above it is opaque.

Outputs:
    icons/main.ico     the program icon (MAINICON): 16, 32 and 48 pixels
    icons/NN.ico       icon groups 1 to 39: a 16 and a 32 pixel image, and in the groups of
                       SECOND_PAIR a highlighted 16 and 32 pixel pair after them
    tray/idle.bmp      the tray icon at rest, 16 x 16
    tray/frames.bmp    ten 16 x 16 frames side by side (160 x 16) shown while the menu builds
The tray bitmaps are 24-bit with magenta (255, 0, 255) as the transparent colour.
"""

import math
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
DESIGN = 32.0  # every drawing is laid out on a 32 x 32 unit grid

# Groups that carry a second (highlighted) 16/32 pair.
SECOND_PAIR = {1, 2, 3, 4, 7, 8, 9, 10, 13, 14, 17, 18, 20, 21, 24, 25, 28, 29, 32, 33, 36, 37}

MAGENTA = (255, 0, 255)


# ---------------------------------------------------------------------------------------
# Signed distance functions, in design units; negative inside.

def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def box(x0, y0, x1, y1, r=0.0):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hw, hh = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r

    def f(x, y):
        qx, qy = abs(x - cx) - hw, abs(y - cy) - hh
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - r
    return f


def polygon(pts):
    edges = list(zip(pts, pts[1:] + pts[:1]))

    def f(x, y):
        best = float("inf")
        inside = False
        for (ax, ay), (bx, by) in edges:
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            t = (wx * ex + wy * ey) / (ex * ex + ey * ey)
            t = 0.0 if t < 0 else 1.0 if t > 1 else t
            dx, dy = wx - ex * t, wy - ey * t
            dd = dx * dx + dy * dy
            if dd < best:
                best = dd
            if (ay > y) != (by > y) and x < ax + (y - ay) * ex / ey:
                inside = not inside
        d = math.sqrt(best)
        return -d if inside else d
    return f


def segment(ax, ay, bx, by, w):
    """A stroke of width w with round caps."""
    ex, ey = bx - ax, by - ay
    ll = ex * ex + ey * ey

    def f(x, y):
        t = ((x - ax) * ex + (y - ay) * ey) / ll
        t = 0.0 if t < 0 else 1.0 if t > 1 else t
        return math.hypot(x - ax - ex * t, y - ay - ey * t) - w / 2
    return f


def ring(cx, cy, r, w):
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - r) - w / 2


def rotated(f, cx, cy, deg):
    a = math.radians(-deg)
    ca, sa = math.cos(a), math.sin(a)

    def g(x, y):
        dx, dy = x - cx, y - cy
        return f(cx + dx * ca - dy * sa, cy + dx * sa + dy * ca)
    return g


def union(*fs):
    return lambda x, y: min(f(x, y) for f in fs)


def inter(*fs):
    return lambda x, y: max(f(x, y) for f in fs)


def minus(a, *bs):
    return lambda x, y: max([a(x, y)] + [-b(x, y) for b in bs])


def grown(f, k):
    return lambda x, y: f(x, y) - k


def star_points(cx, cy, r_out, r_in, n=5, start=-90.0):
    pts = []
    for i in range(2 * n):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(start + i * 180.0 / n)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


# ---------------------------------------------------------------------------------------
# Colours

def rgb(h):
    return ((h >> 16) & 255, (h >> 8) & 255, h & 255)


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def vgrad(y0, c0, y1, c1):
    c0, c1 = rgb(c0) if isinstance(c0, int) else c0, rgb(c1) if isinstance(c1, int) else c1

    def f(x, y):
        t = (y - y0) / (y1 - y0)
        return mix(c0, c1, 0.0 if t < 0 else 1.0 if t > 1 else t)
    return f


def dgrad(c0, c1):
    """Diagonal light from the top left."""
    return lambda x, y: mix(rgb(c0), rgb(c1), max(0.0, min(1.0, (x + y - 4) / 52)))


def highlight(c):
    """The colours of the second, highlighted image pair: brighter, but outlines stay dark."""
    lum = 0.3 * c[0] + 0.59 * c[1] + 0.11 * c[2]
    if lum < 90:
        return c
    return mix(c, (255, 255, 255), 0.28)


OUTLINE = rgb(0x3A3A42)
INK = rgb(0x26262E)


# ---------------------------------------------------------------------------------------
# The canvas: premultiplied RGBA floats.

class Canvas:
    def __init__(self, size, tint=None):
        self.n = size
        self.s = size / DESIGN          # pixels per unit
        self.px = 1.0 / self.s          # one pixel in units
        self.small = size <= 16
        self.tint = tint
        self.buf = [[0.0, 0.0, 0.0, 0.0] for _ in range(size * size)]

    def snap(self, v):
        """A unit coordinate moved to the nearest pixel edge."""
        return round(v * self.s) / self.s

    def fill(self, sdf, color, alpha=1.0):
        n, s = self.n, self.s
        const = None
        if not callable(color):
            const = rgb(color) if isinstance(color, int) else color
            if self.tint:
                const = self.tint(const)
        for y in range(n):
            uy = (y + 0.5) / s
            row = y * n
            for x in range(n):
                ux = (x + 0.5) / s
                cov = 0.5 - sdf(ux, uy) * s
                if cov <= 0.0:
                    continue
                if cov > 1.0:
                    cov = 1.0
                a = cov * alpha
                if const is None:
                    c = color(ux, uy)
                    if self.tint:
                        c = self.tint(c)
                else:
                    c = const
                p = self.buf[row + x]
                k = 1.0 - a
                p[0] = c[0] / 255.0 * a + p[0] * k
                p[1] = c[1] / 255.0 * a + p[1] * k
                p[2] = c[2] / 255.0 * a + p[2] * k
                p[3] = a + p[3] * k

    def shape(self, sdf, color, outline=OUTLINE, width=1.0):
        """A filled shape with an outline of `width` pixels."""
        self.fill(sdf, outline)
        self.fill(grown(sdf, -width * self.px), color)

    def hline(self, x0, x1, y, color, thick=1):
        yy = math.floor(y * self.s) / self.s
        self.fill(box(x0, yy, x1, yy + thick * self.px), color)

    def pixels(self):
        """(r, g, b, opaque) per pixel, top row first."""
        out = []
        for p in self.buf:
            a = p[3]
            if a < 0.5:
                out.append((0, 0, 0, False))
            else:
                out.append(tuple(min(255, int(v / a * 255.0 + 0.5)) for v in p[:3]) + (True,))
        return out


# ---------------------------------------------------------------------------------------
# Building blocks

PAPER = vgrad(2, 0xFFFFFF, 30, 0xE4E8EE)


def document(c, paper=PAPER, lines=0x8C9AB0, fold=0xC8CED8, x0=6, y0=2, x1=26, y1=30, rows=4):
    f = 7
    page = polygon([(x0, y0), (x1 - f, y0), (x1, y0 + f), (x1, y1), (x0, y1)])
    c.shape(page, paper)
    c.shape(polygon([(x1 - f, y0), (x1, y0 + f), (x1 - f, y0 + f)]), fold)
    if rows:
        for i in range(rows):
            y = y0 + 11 + i * 4  # every other pixel row at 16 pixels
            if y > y1 - 4:
                break
            c.hline(x0 + 4, x1 - 4 if i else x1 - 8, y, lines)


def person(c, cx, top, shirt, scale=1.0):
    k = scale
    body = inter(box(cx - 6 * k, top + 7 * k, cx + 6 * k, top + 17 * k, 5 * k),
                 box(cx - 7 * k, top, cx + 7 * k, top + 14 * k))
    c.shape(body, shirt)
    c.shape(circle(cx, top + 4 * k, 3.6 * k), rgb(0xF2C9A0))


def one_person(c):
    if c.small:  # a bigger badge, or it is a blur at 16 pixels
        person(c, 23.5, 11, vgrad(18, 0x4FA3F7, 31, 0x1F5FBF), 1.3)
    else:
        person(c, 24, 16, vgrad(22, 0x4FA3F7, 31, 0x1F5FBF))


def two_people(c):
    if c.small:
        person(c, 19, 10, vgrad(16, 0xF7B24F, 30, 0xC86A10), 1.15)
        person(c, 25.5, 14, vgrad(20, 0x5FCF6F, 31, 0x1F8F3F), 1.15)
    else:
        person(c, 20.5, 15.5, vgrad(21, 0xF7B24F, 30, 0xC86A10), 0.9)
        person(c, 25.5, 17, vgrad(22, 0x5FCF6F, 31, 0x1F8F3F))


FOLDER_BACK = vgrad(4, 0xE8B83A, 28, 0xC08A18)
FOLDER_FRONT = vgrad(10, 0xFFE27A, 28, 0xF0B83A)


def folder(c, back=FOLDER_BACK, front=FOLDER_FRONT, open_=False):
    c.shape(union(box(2, 6, 14, 12, 1.5), box(2, 8, 30, 28, 1.5)), back)
    if open_:
        c.shape(box(5, 10, 27, 22), PAPER)
        c.shape(polygon([(7, 14), (31, 14), (27, 28), (2, 28)]), front)
    else:
        c.shape(box(2, 12, 30, 28, 1.5), front)


def tinted_folder(c, light, dark):
    back = vgrad(4, mix(rgb(light), rgb(dark), 0.5), 28, rgb(dark))
    front = vgrad(10, rgb(light), 28, mix(rgb(light), rgb(dark), 0.45))
    folder(c, back, front)


def gear(c, cx, cy, r, teeth, colour, hole=0.42):
    if c.small:  # fewer, wider teeth and a smaller hole read better at 16 pixels
        teeth, hole = 6, 0.30
    tw = r * (0.42 if teeth > 6 else 0.55)
    parts = [circle(cx, cy, r * 0.80)]
    for i in range(teeth):
        parts.append(rotated(box(cx - tw / 2, cy - r - 0.01, cx + tw / 2, cy, 0.6),
                             cx, cy, i * 360.0 / teeth))
    c.shape(minus(union(*parts), circle(cx, cy, r * hole)), colour)


def heart_points(cx, cy, size, n=48):
    pts = []
    for i in range(n):
        t = 2 * math.pi * i / n
        x = 16 * math.sin(t) ** 3
        y = -(13 * math.cos(t) - 5 * math.cos(2 * t) - 2 * math.cos(3 * t) - math.cos(4 * t))
        pts.append((cx + x * size / 32, cy + y * size / 32))
    return pts


def disc(c, colour, r=14.0):
    c.shape(circle(16, 16, r), colour)
    # a soft gloss on the upper half
    c.fill(inter(circle(16, 16, r - 2.2), circle(16, 4, r - 1)), (255, 255, 255), 0.22)


def info_glyph(c, colour=(255, 255, 255)):
    c.fill(circle(16, 9.2, 2.4), colour)
    c.fill(union(box(14, 13, 18.2, 23.5), box(12.2, 13, 18.2, 15.2), box(12.2, 21.8, 19.8, 24.2)),
           colour)


def question_glyph(c, colour=(255, 255, 255)):
    arc = inter(ring(16, 11.5, 4.6, 3.4),
                minus(box(0, 0, 32, 32), polygon([(16, 11.5), (5, 11.5), (5, 25), (16, 25)])))
    c.fill(union(arc, box(14.3, 15.4, 17.7, 20.5, 0.5), polygon([(16, 14.2), (20.5, 14.2), (17.7, 18.5), (14.3, 18.5)])),
           colour)
    c.fill(circle(16, 24.2, 2.1), colour)


def power_glyph(c, colour=(255, 255, 255), w=3.2):
    arc = minus(ring(16, 17, 7.4, w), polygon([(16, 17), (8.5, 2), (23.5, 2)]))
    c.fill(union(arc, segment(16, 6.5, 16, 15.5, w)), colour)


def app_window(c, x0, y0, x1, y1, title=0x2F6FD0):
    c.shape(box(x0, y0, x1, y1, 1), vgrad(y0, 0xFFFFFF, y1, 0xDCE2EA))
    c.fill(box(x0 + c.px, y0 + c.px, x1 - c.px, c.snap(y0 + 5), 0.5), vgrad(y0, 0x5A9BF0, y0 + 5, title))


def arrow(sx, sy, tx, ty, shaft=6.0, head=15.0, headlen=10.0):
    """An arrow from (sx, sy) to its tip (tx, ty) as a polygon."""
    ll = math.hypot(tx - sx, ty - sy)
    dx, dy = (tx - sx) / ll, (ty - sy) / ll
    px, py = -dy, dx
    bx, by = tx - dx * headlen, ty - dy * headlen
    h, w = head / 2, shaft / 2
    return polygon([(sx + px * w, sy + py * w), (bx + px * w, by + py * w), (bx + px * h, by + py * h), (tx, ty),
                    (bx - px * h, by - py * h), (bx - px * w, by - py * w), (sx - px * w, sy - py * w)])


# ---------------------------------------------------------------------------------------
# The 39 icon groups. The defaults of the menu's additional icons are 4 (common file),
# 9 (common folder), 1 (personal file), 7 (personal folder), 20 (settings), 24 (donate),
# 28 (about), 32 (run) and 36 (exit); the rest are alternatives in the same families.

def g01(c):  # personal file
    document(c, x0=2 if c.small else 6, x1=22 if c.small else 24, rows=3)
    one_person(c)


def g02(c):  # plain document
    document(c, rows=5)


def g03(c):  # note
    document(c, paper=vgrad(2, 0xFFF7B0, 30, 0xF2DC6A), lines=0xB09A40, fold=0xE0C650)


def g04(c):  # common file
    document(c, x0=2 if c.small else 4, x1=20 if c.small else 22, rows=3)
    two_people(c)


def g05(c):  # picture
    document(c, rows=0)
    c.fill(box(9, 12, 23, 26), vgrad(12, 0x8CC8FF, 26, 0xD8EEFF))
    c.fill(circle(19, 16, 2.2), rgb(0xFFC830))
    c.fill(polygon([(9, 26), (14, 18), (18, 23), (20, 21), (23, 26)]), rgb(0x3C9A46))
    c.fill(minus(box(9, 12, 23, 26), box(9 + c.px, 12 + c.px, 23 - c.px, 26 - c.px)), rgb(0x7A8494))


def g06(c):  # stack of documents
    document(c, x0=10, y0=1, x1=29, y1=24, rows=0)
    document(c, x0=3, y0=7, x1=22, y1=31, rows=4)


def g07(c):  # personal folder
    folder(c)
    one_person(c)


def g08(c):  # plain folder
    folder(c)


def g09(c):  # common folder
    folder(c)
    two_people(c)


def g10(c):  # open folder
    folder(c, open_=True)


def g11(c):
    tinted_folder(c, 0x8CC4FF, 0x2B6CC4)


def g12(c):
    tinted_folder(c, 0x9BE58C, 0x2F8F3A)


def g13(c):
    tinted_folder(c, 0xFF9A8A, 0xC0302A)


def g14(c):  # favourite folder
    folder(c)
    c.shape(polygon(star_points(22, 21, 9, 4)), vgrad(12, 0xFFF08A, 30, 0xF0A020))


def g15(c):  # star
    c.shape(polygon(star_points(16, 17.2, 15, 6.4)), vgrad(2, 0xFFF39A, 30, 0xF09A10))


def g16(c):  # globe
    c.shape(circle(16, 16, 14), dgrad(0x8AD0FF, 0x1F64C8))
    inside = circle(16, 16, 14 - c.px)
    land = rgb(0x46B04E)
    c.fill(inter(inside, polygon([(5, 8), (13, 4.5), (16, 9), (13, 13), (14, 19), (9, 21), (4, 14)])), land)
    c.fill(inter(inside, polygon([(18, 14), (26, 11), (30, 17), (24, 27), (19, 23)])), land)
    w = c.px
    meridian = lambda x, y: abs(math.hypot((x - 16) / 0.42, y - 16) - 14) * 0.42 - w / 2
    grid = union(meridian, box(2, 16 - w / 2, 30, 16 + w / 2), box(16 - w / 2, 2, 16 + w / 2, 30))
    c.fill(inter(inside, grid), (255, 255, 255), 0.6)


def g17(c):  # home
    c.shape(box(7, 15, 25, 29), vgrad(15, 0xFFF4E0, 29, 0xE6D2B0))
    c.shape(polygon([(2, 17), (16, 4), (30, 17), (26.5, 17), (16, 8.5), (5.5, 17)]), vgrad(4, 0xF06A4A, 17, 0xB8301E))
    c.shape(box(13, 20, 19, 29), vgrad(20, 0xA0683A, 29, 0x6E4020))


def g18(c):  # computer
    c.shape(box(2, 4, 30, 23, 1.5), rgb(0xB8C0CC))
    c.fill(box(4, 6, 28, 20), vgrad(6, 0x5FB0FF, 20, 0x1F5FB8))
    c.shape(polygon([(13, 23), (19, 23), (20, 27), (12, 27)]), rgb(0x9AA2AE))
    c.shape(box(8, 27, 24, 30, 1), rgb(0xB8C0CC))


def g19(c):  # clock
    c.shape(circle(16, 16, 14), rgb(0x4C5A70))
    c.fill(circle(16, 16, 11.5), vgrad(4, 0xFFFFFF, 28, 0xE0E6EE))
    for i in range(12):
        c.fill(rotated(box(15.4, 5.6, 16.6, 8.2 if i % 3 else 9.0), 16, 16, i * 30), rgb(0x4C5A70))
    c.fill(union(segment(16, 16, 16, 8.5, 2.0), segment(16, 16, 21, 19, 2.0)), INK)
    c.fill(circle(16, 16, 1.6), rgb(0xD03020))


def g20(c):  # settings
    gear(c, 16, 16, 14, 8, dgrad(0xD4DCE8, 0x6C7A90))


def g21(c):
    gear(c, 16, 16, 14, 8, dgrad(0xFFE08A, 0xC88418))


def g22(c):  # wrench
    head = minus(circle(22, 10, 7.5), box(19.5, 0, 24.5, 10.5), circle(22, 2, 1.5))
    handle = rotated(box(13, 13, 21, 34, 3), 16, 16, 45)
    c.shape(union(head, handle), dgrad(0xE4E8EE, 0x7A8494))


def g23(c):  # sliders
    for i, (y, k, col) in enumerate(((7, 20, 0x3C8CE8), (16, 10, 0x46B04E), (25, 17, 0xF0A020))):
        c.shape(box(3, y - 1.5, 29, y + 1.5, 1.5), rgb(0xB8C0CC))
        c.shape(box(k - 3.5, y - 4.5, k + 3.5, y + 4.5, 1.5), vgrad(y - 4, mix(rgb(col), (255, 255, 255), 0.4), y + 4, rgb(col)))


def g24(c):  # donate
    c.shape(polygon(heart_points(16, 15.5, 27.5)), dgrad(0xFF7A80, 0xC01828))


def g25(c):
    c.shape(polygon(heart_points(16, 15.5, 27.5)), dgrad(0xF6A2E8, 0xB0309A))


def g26(c):  # coin
    c.shape(circle(16, 16, 14), dgrad(0xFFE780, 0xC88A10))
    c.fill(ring(16, 16, 10.5, 1.6), rgb(0xB07A10), 0.8)
    c.shape(polygon(star_points(16, 16.6, 7, 3)), rgb(0xFFF3B0), outline=rgb(0x9A6A08))


def g27(c):  # gift
    c.shape(box(4, 14, 28, 30), vgrad(14, 0xFF6A6A, 30, 0xC02030))
    c.shape(box(2, 9, 30, 15), vgrad(9, 0xFF8A8A, 15, 0xD03040))
    gold = vgrad(8, 0xFFE680, 30, 0xE0A020)
    c.fill(box(14, 9 + c.px, 18, 30 - c.px), gold)
    c.shape(union(rotated(box(8, 4, 16, 9.5, 2.5), 16, 9, 20), rotated(box(16, 4, 24, 9.5, 2.5), 16, 9, -20)), gold,
            outline=rgb(0x9A6A08))


def g28(c):  # about
    disc(c, dgrad(0x6AB4FF, 0x1650B8))
    info_glyph(c)


def g29(c):
    disc(c, dgrad(0x7ADE84, 0x1E8A34))
    info_glyph(c)


def g30(c):  # help
    disc(c, dgrad(0xB08CFF, 0x5A2CB8))
    question_glyph(c)


def g31(c):  # idea
    c.shape(union(circle(16, 12, 10), polygon([(9, 17), (23, 17), (20.5, 24), (11.5, 24)])),
            dgrad(0xFFF6B0, 0xF0B820))
    c.shape(box(11, 23, 21, 30, 1.5), rgb(0xA8B0BC))
    c.hline(11.5, 20.5, 25.5, rgb(0x6E7684))
    c.fill(inter(circle(16, 12, 7.5), circle(12.5, 8.5, 4)), (255, 255, 255), 0.6)


def run_arrow(c):
    # bolder at 16 pixels, where the outline eats most of a thin shaft
    return arrow(9, 23, 29.5, 2.5, 8.5, 19, 12) if c.small else arrow(9, 23, 29.5, 2.5, 6.5, 16, 10.5)


def g32(c):  # run
    app_window(c, 2, 12, 22, 30)
    c.shape(run_arrow(c), vgrad(2, 0x8AE67A, 24, 0x1E9A2E))


def g33(c):
    app_window(c, 2, 12, 22, 30, title=0x7A3CC8)
    c.shape(run_arrow(c), vgrad(2, 0xFFC070, 24, 0xE0661A))


def g34(c):  # play
    disc(c, dgrad(0x7ADE84, 0x1E8A34))
    c.fill(polygon([(12, 8.5), (24, 16), (12, 23.5)]), (255, 255, 255))


def g35(c):  # lightning
    bolt = [(20, 1), (5, 18.5), (14, 18.5), (10, 31), (27, 11.5), (18, 11.5)]
    if c.small:
        bolt = [(21, 0.5), (3.5, 19), (13, 19), (9, 31.5), (28.5, 11), (19, 11)]
    c.shape(polygon(bolt), vgrad(2, 0xFFF08A, 30, 0xF09010))


def g36(c):  # exit
    disc(c, dgrad(0xFF7A6A, 0xB81818))
    power_glyph(c)


def g37(c):
    disc(c, dgrad(0x8494AC, 0x2C3444))
    power_glyph(c)


def g38(c):  # leave
    c.shape(box(3, 2, 19, 30), vgrad(2, 0xC8905A, 30, 0x8A5428))
    c.shape(polygon([(3, 2), (13, 5), (13, 31.5), (3, 30)]), vgrad(2, 0xE0A870, 30, 0xA06634))
    c.fill(circle(10.5, 17, 1.2), rgb(0xFFE680))
    c.shape(arrow(14, 16.5, 31, 16.5, 7, 17, 9), vgrad(8, 0x8AE67A, 24, 0x1E9A2E))


def g39(c):  # close
    disc(c, dgrad(0xFF7A6A, 0xB81818))
    c.fill(union(segment(10.5, 10.5, 21.5, 21.5, 3.6), segment(21.5, 10.5, 10.5, 21.5, 3.6)), (255, 255, 255))


GROUPS = [g01, g02, g03, g04, g05, g06, g07, g08, g09, g10, g11, g12, g13, g14, g15, g16, g17, g18, g19,
          g20, g21, g22, g23, g24, g25, g26, g27, g28, g29, g30, g31, g32, g33, g34, g35, g36, g37, g38, g39]


# ---------------------------------------------------------------------------------------
# The program's own picture: a blue tile holding a small popup menu with one highlighted row.
# The tray frames let that highlight run down the menu.

def logo(c, bar=0):
    """Laid out on a 16-cell grid so that the 16 pixel picture is pixel exact; `bar` moves the
    highlight down by that many cells (it wraps inside the menu)."""
    g = 2.0  # units per grid cell
    c.shape(box(0.5 * g, 0.5 * g, 15.5 * g, 15.5 * g, 2.5 * g), dgrad(0x5AAAF8, 0x1446A8),
            outline=rgb(0x0E2F70))
    c.fill(box(4 * g, 3 * g, 14 * g, 15 * g), (8, 24, 64), 0.4)  # shadow
    c.shape(box(3 * g, 2 * g, 13 * g, 14 * g), (250, 250, 252), outline=rgb(0x0E2F70))
    inner = box(4 * g, 3 * g, 12 * g, 13 * g)
    for top in (3 + bar, 3 + bar - 10):
        c.fill(inter(inner, box(3 * g, top * g, 13 * g, (top + 4) * g)),
               vgrad(top * g, 0xFFB850, (top + 4) * g, 0xF07010))
    for k, top in enumerate((4, 7, 10)):
        c.fill(box(5 * g, top * g, 7 * g, (top + 2) * g), rgb(0x2F6FD0))
        y0 = c.snap((top + 0.5) * g - 0.01)  # half a cell down, on whole pixels at every size
        c.fill(box(8 * g, y0, (11, 10, 11)[k] * g, y0 + c.snap(g)), rgb(0x7C8AA4))


# ---------------------------------------------------------------------------------------
# Output writers

def render(draw, size, tint=None, **kw):
    c = Canvas(size, tint)
    draw(c, **kw)
    return size, c.pixels()


def ico_image(size, pix):
    """One icon image: BITMAPINFOHEADER (doubled height), XOR rows bottom-up, AND mask."""
    xor_stride = (size * 3 + 3) & ~3
    and_stride = ((size + 31) // 32) * 4
    xor = bytearray()
    andm = bytearray()
    for y in range(size - 1, -1, -1):
        row = bytearray()
        bits = bytearray(and_stride)
        for x in range(size):
            r, g, b, opaque = pix[y * size + x]
            row += bytes((b, g, r)) if opaque else b"\0\0\0"
            if not opaque:
                bits[x >> 3] |= 0x80 >> (x & 7)
        row += b"\0" * (xor_stride - len(row))
        xor += row
        andm += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 24, 0, len(xor) + len(andm), 0, 0, 0, 0)
    return header + bytes(xor) + bytes(andm)


def ico_file(images):
    count = len(images)
    out = bytearray(struct.pack("<HHH", 0, 1, count))
    blobs = [ico_image(size, pix) for size, pix in images]
    offset = 6 + 16 * count
    for (size, _), blob in zip(images, blobs):
        out += struct.pack("<BBBBHHII", size & 255, size & 255, 0, 0, 1, 24, len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    return bytes(out)


def bmp_file(width, height, pix, key=MAGENTA):
    """24-bit bottom-up BMP; transparent pixels become the key colour."""
    stride = (width * 3 + 3) & ~3
    data = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b, opaque = pix[y * width + x]
            if not opaque:
                r, g, b = key
            elif (r, g, b) == key:
                g = 1  # never the key colour by accident
            row += bytes((b, g, r))
        row += b"\0" * (stride - len(row))
        data += row
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 0, 0, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    return head + info + bytes(data)


def strip(frames, size):
    """Frames side by side, as one pixel list of width size * len(frames)."""
    w = size * len(frames)
    out = [None] * (w * size)
    for i, (_, pix) in enumerate(frames):
        for y in range(size):
            for x in range(size):
                out[y * w + i * size + x] = pix[y * size + x]
    return w, out


def write(path, data):
    path = os.path.join(HERE, path)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def tray_frames():
    # The highlight runs down the menu one pixel per frame and wraps: ten frames of 100 ms.
    frames = []
    for i in range(10):
        frames.append(render(logo, 16, bar=i))
    return frames


def main(argv):
    preview = None
    if len(argv) == 3 and argv[1] == "--preview":
        preview = argv[2]
    elif len(argv) != 1:
        sys.stderr.write(__doc__)
        return 2

    sheet = []  # rows of pictures for the preview
    main_icon = [render(logo, s) for s in (16, 32, 48)]
    write("icons/main.ico", ico_file(main_icon))
    sheet.append(main_icon)
    for n, draw in enumerate(GROUPS, 1):
        images = [render(draw, 16), render(draw, 32)]
        if n in SECOND_PAIR:
            images += [render(draw, 16, highlight), render(draw, 32, highlight)]
        write("icons/%02d.ico" % n, ico_file(images))
        sheet.append(images)
    idle = render(logo, 16)
    write("tray/idle.bmp", bmp_file(16, 16, idle[1]))
    frames = tray_frames()
    w, pix = strip(frames, 16)
    write("tray/frames.bmp", bmp_file(w, 16, pix))
    sheet.append([idle] + frames)
    if preview:
        write_preview(preview, sheet)
    return 0


def write_preview(path, rows, zoom=4, pad=4):
    """A PPM contact sheet: every row on a light and on a dark background."""
    cell_w = [sum(s for s, _ in r) + pad * (len(r) - 1) for r in rows]
    half = max(cell_w) * zoom + 2 * pad
    width = 2 * half
    height = sum((max(s for s, _ in r) * zoom + pad) for r in rows) + pad
    canvas = [[(240, 240, 240) if x < half else (40, 70, 120) for x in range(width)] for _ in range(height)]
    y0 = pad
    for r in rows:
        for base in (pad, half + pad):
            x0 = base
            for size, pix in r:
                for y in range(size * zoom):
                    for x in range(size * zoom):
                        p = pix[(y // zoom) * size + x // zoom]
                        if p[3]:
                            canvas[y0 + y][x0 + x] = p[:3]
                x0 += size * zoom + pad
        y0 += max(s for s, _ in r) * zoom + pad
    with open(path, "wb") as f:
        f.write(b"P6 %d %d 255\n" % (width, height))
        for row in canvas:
            f.write(bytes(v for p in row for v in p))


if __name__ == "__main__":
    sys.exit(main(sys.argv))
