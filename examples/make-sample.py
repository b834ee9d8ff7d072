#!/usr/bin/env python3
"""Draws the sample's parts image and writes the sample project that uses it.

    examples/make-sample.py [FOLDER]    writes FOLDER/parts.bmp and FOLDER/sample.bwp
                                        (FOLDER defaults to this script's folder)

Standard library only, and only exact arithmetic (+ - * / and square roots) where a pixel is
decided, so that every run on every machine writes the same bytes. Run it again after changing
a picture or the map, and commit both files.
"""
import contextlib
import math
import os
import struct
import sys

T = 32               # part size in pixels
COLS, ROWS = 16, 7   # parts per row (as 8-bit maps have them) and rows of parts
KEY = (0, 255, 0)    # the colour key: pixels of this colour let the layers below show


# --- noise: integer hashing, and smooth value noise that repeats every part ----------------------

def rand(x, y, seed):
    h = (x * 374761393 + y * 668265263 + seed * 1442695041) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    return ((h ^ (h >> 16)) & 0xFFFF) / 65536


def noise(x, y, seed, cell=8):
    n = T // cell
    gx, gy = (x + 0.5) / cell, (y + 0.5) / cell
    ix, iy = int(gx), int(gy)
    fx, fy = gx - ix, gy - iy
    fx, fy = fx * fx * (3 - 2 * fx), fy * fy * (3 - 2 * fy)
    c = [[rand((ix + i) % n, (iy + j) % n, seed) for i in (0, 1)] for j in (0, 1)]
    top = c[0][0] + (c[0][1] - c[0][0]) * fx
    bottom = c[1][0] + (c[1][1] - c[1][0]) * fx
    return top + (bottom - top) * fy


def mix(a, b, t):
    return tuple(round(p + (q - p) * t) for p, q in zip(a, b))


# --- drawing on the sheet of parts ----------------------------------------------------------------

class Part:
    """A block of cols x rows parts of the sheet, drawn as one picture; drawing outside is lost."""

    def __init__(self, sheet, index, cols=1, rows=1):
        self.sheet, self.ox, self.oy = sheet, index % COLS * T, index // COLS * T
        self.w, self.h = cols * T, rows * T

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.sheet[self.oy + y][self.ox + x] = c

    def get(self, x, y):
        inside = 0 <= x < self.w and 0 <= y < self.h
        return self.sheet[self.oy + y][self.ox + x] if inside else KEY

    def paint(self, fn):
        for y in range(self.h):
            for x in range(self.w):
                c = fn(x, y)
                if c:
                    self.set(x, y, c)

    def rect(self, x0, y0, x1, y1, c):
        self.paint(lambda x, y: c if x0 <= x <= x1 and y0 <= y <= y1 else None)

    def ball(self, cx, cy, rx, ry, tones, seed=0, speckle=0.0):
        """A lit ellipse: tones run from shadow to highlight, the light comes from the upper left."""
        def shade(x, y):
            dx, dy = (x - cx) / rx, (y - cy) / ry
            if dx * dx + dy * dy >= 1:
                return None
            lx, ly = dx + 0.45, dy + 0.5
            lit = 1 - (lx * lx + ly * ly) / 2.2 + (rand(x, y, seed) - 0.5) * speckle
            return tones[min(len(tones) - 1, max(0, int(lit * len(tones))))]
        self.paint(shade)

    def outline(self, c):
        edge = [(x, y) for y in range(self.h) for x in range(self.w) if self.get(x, y) == KEY
                and any(self.get(x + dx, y + dy) not in (KEY, c)
                        for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))]
        for x, y in edge:
            self.set(x, y, c)


@contextlib.contextmanager
def sprite(sheet, index, cols=1, rows=1):
    """A part drawn on the colour key, ringed with a dark line when done."""
    p = Part(sheet, index, cols, rows)
    yield p
    p.outline(INK)


# --- colours --------------------------------------------------------------------------------------

INK = (36, 48, 34)
GRASS = [(62, 120, 52), (88, 158, 68), (98, 170, 74), (122, 190, 88)]
SAND = [(196, 168, 110), (214, 190, 128), (230, 210, 150), (244, 230, 180)]
WATER = [(72, 137, 210), (84, 150, 220), (150, 200, 240), (222, 240, 252)]
DIRT = [(164, 122, 80), (186, 144, 98), (196, 156, 108), (206, 168, 118)]
LEAVES = [(34, 92, 46), (46, 120, 56), (66, 148, 64), (104, 182, 84)]
PINE = [(24, 74, 52), (34, 96, 62), (52, 124, 76), (86, 156, 96)]
BARK = [(92, 60, 38), (120, 82, 50), (148, 104, 64)]
STONE = [(96, 96, 104), (124, 124, 132), (154, 154, 160), (190, 190, 194)]
WOOD = [(104, 68, 40), (138, 94, 54), (168, 120, 70), (196, 150, 96)]
RED_ROOF = [(110, 36, 34), (156, 54, 44), (194, 76, 58), (224, 112, 84)]
BLUE_ROOF = [(36, 52, 96), (50, 78, 140), (68, 106, 176), (104, 146, 210)]
IRON = (60, 60, 66)
WHITE = (248, 248, 250)


# --- grounds --------------------------------------------------------------------------------------

def grass(x, y, seed=1):
    n, r = noise(x, y, seed), rand(x, y, seed + 1)
    if r < 0.03 and rand(x, y - 1, seed + 1) >= 0.03:
        return GRASS[3]
    if rand(x, y + 1, seed + 1) < 0.03:
        return GRASS[0] if n < 0.5 else GRASS[1]
    return GRASS[1] if n < 0.35 else GRASS[2]


def sand(x, y):
    n, r = noise(x, y, 3), rand(x, y, 4)
    return SAND[1] if r < 0.04 else SAND[3] if r > 0.96 or n >= 0.7 else SAND[2]


def water(x, y):
    if y % 8 == 3 and x % 8 < 5 and rand(x // 8, y // 8, 6) < 0.45:
        return WATER[2]
    return WATER[0] if noise(x, y, 5) < 0.4 else WATER[1]


def dirt(x, y):
    n, r = noise(x, y, 7), rand(x, y, 8)
    return DIRT[0] if r < 0.05 else DIRT[3] if r > 0.97 else DIRT[1] if n < 0.6 else DIRT[2]


# Each pair of neighbouring grounds has a row of 16 parts, one for every way of giving the four
# corners of a cell one ground or the other (bit 0 upper left, 1 upper right, 2 lower left,
# 3 lower right: 0 is all first ground, 15 all second). The map picks each cell's part from the
# grounds at its corners, so that borders run smoothly from cell to cell.
PAIRS = [  # row, first and second ground, their colours along the border
    (1, grass, sand, GRASS[0], SAND[1]),
    (2, sand, water, SAND[0], WATER[3]),
    (3, grass, dirt, GRASS[0], DIRT[0]),
]


def border(p, corners, a, b, rim_a, rim_b):
    tl, tr, bl, br = [(corners >> k) & 1 for k in range(4)]

    def pick(x, y):
        u, w = (x + 0.5) / T, (y + 0.5) / T
        v = tl * (1 - u) * (1 - w) + tr * u * (1 - w) + bl * (1 - u) * w + br * u * w
        v += (noise(x, y, 9, 16) * 0.7 + noise(x, y, 10) * 0.3 - 0.5) * 0.3
        du = (tr - tl) * (1 - w) + (br - bl) * w
        dw = (bl - tl) * (1 - u) + (br - tr) * u
        slope = math.sqrt(du * du + dw * dw) / T  # change of v per pixel
        dist = (v - 0.5) / slope if slope else (v - 0.5) * T
        return rim_b if 0 < dist <= 1.6 else rim_a if -1.2 < dist <= 0 else \
            b(x, y) if v > 0.5 else a(x, y)
    p.paint(pick)


def draw_grounds(sheet):
    for row, a, b, rim_a, rim_b in PAIRS:
        for corners in range(16):
            border(Part(sheet, row * COLS + corners), corners, a, b, rim_a, rim_b)
    p = Part(sheet, 1)  # grass with tufts
    p.paint(lambda x, y: grass(x, y, 12))
    for x, y in ((5, 8), (20, 5), (12, 20), (25, 24), (3, 26)):
        for dx, dy in ((0, 0), (0, -1), (-2, 0), (-2, -1), (-2, -2), (2, 0), (2, -1), (2, -2)):
            p.set(x + dx, y + dy, GRASS[0])
        p.set(x, y - 2, GRASS[3])
    p = Part(sheet, 2)  # grass with daisies
    p.paint(lambda x, y: grass(x, y, 14))
    for x, y, c in ((6, 7, WHITE), (22, 11, (250, 226, 90)), (13, 23, WHITE),
                    (27, 26, (246, 150, 190))):
        for dx, dy in ((0, -1), (-1, 0), (1, 0), (0, 1)):
            p.set(x + dx, y + dy, c)
        p.set(x, y, (240, 190, 60))
    p = Part(sheet, 3)  # grass with clover
    p.paint(lambda x, y: GRASS[1] if noise(x, y, 11, 4) > 0.62 else grass(x, y, 16))
    p = Part(sheet, 4)  # sand with shells and pebbles
    p.paint(sand)
    for x, y in ((7, 9), (22, 21)):
        p.rect(x, y, x + 2, y + 1, (250, 240, 226))
        p.set(x + 1, y + 2, SAND[0])
    p.rect(16, 6, 17, 7, (160, 150, 140))
    p.rect(9, 24, 10, 25, (176, 164, 150))
    p = Part(sheet, 5)  # water with glints
    p.paint(water)
    for x, y in ((9, 12), (23, 25)):
        p.rect(x - 1, y, x + 1, y, WATER[3])
        p.set(x, y - 1, WATER[3])
    p = Part(sheet, 6)  # water with ripples
    p.paint(water)
    p.paint(lambda x, y: WATER[2] if (x - 15) ** 2 + 4 * (y - 15) ** 2 in
            set(range(100, 131)) | set(range(324, 371)) else None)
    p = Part(sheet, 7)  # path with pebbles
    p.paint(dirt)
    for x, y in ((6, 6), (19, 12), (10, 22), (25, 26)):
        p.rect(x, y, x + 2, y + 1, (150, 146, 140))
        p.rect(x, y, x + 1, y, (190, 186, 178))


# --- plants and things on the colour key ----------------------------------------------------------

def trunk(p, x0, x1, y0, y1):
    p.rect(x0, y0, x1, y1, BARK[1])
    p.rect(x0, y0, x0, y1, BARK[2])
    p.rect(x1, y0, x1, y1, BARK[0])


def canopy(p, blobs, tones, seed):
    for cx, cy, r in blobs:
        p.ball(cx, cy, r, r, tones, seed, 0.35)


def pine(x, y):
    tiers = [(1, 9, 1, 0.7), (7, 17, 3, 0.7), (14, 26, 5, 0.75)]  # top, bottom, width, growth
    half = max([w + (y - top) * g for top, bottom, w, g in tiers if top <= y <= bottom] + [-1])
    if abs(x - 15.5) > half:
        return None
    if any(y == bottom for _, bottom, _, _ in tiers):
        return PINE[0]
    side = (x - 15.5) / (half + 1)
    return PINE[3] if side < -0.55 else PINE[2] if side < 0.1 else PINE[1]


def flowers(p, petal, centre, seed):
    for i, (x, y) in enumerate([(6, 9), (16, 6), (25, 10), (11, 18), (21, 17), (7, 26),
                                (17, 27), (26, 25)]):
        x += int(rand(i, 0, seed) * 3) - 1
        p.rect(x, y + 2, x, y + 4, LEAVES[1])
        p.set(x - 1, y + 3, LEAVES[2])
        for dx, dy in ((0, -1), (-1, 0), (1, 0), (0, 1)):
            p.set(x + dx, y + dy, petal)
        p.set(x, y, centre)


def draw_plants(sheet):
    with sprite(sheet, 8) as p:  # round tree
        trunk(p, 14, 17, 20, 30)
        canopy(p, [(10, 15, 7), (21, 15, 7), (16, 9, 8), (16, 17, 7)], LEAVES, 21)
    with sprite(sheet, 9) as p:  # pine
        trunk(p, 14, 17, 25, 30)
        p.paint(pine)
    with sprite(sheet, 10) as p:  # bush
        canopy(p, [(10, 20, 7), (21, 20, 7), (15, 15, 7)], LEAVES, 23)
    for index, petal, centre in ((11, (226, 58, 64), (250, 210, 80)),
                                 (12, (250, 214, 60), (200, 110, 40)),
                                 (13, WHITE, (240, 190, 60))):
        with sprite(sheet, index) as p:
            flowers(p, petal, centre, index)
    with sprite(sheet, 14) as p:  # mushrooms
        for cx, cy, r in ((11, 18, 6), (21, 23, 4)):
            p.rect(cx - r // 3, cy, cx + r // 3, cy + r, (236, 226, 204))
            p.ball(cx, cy, r, r * 0.7, [(150, 36, 36), (196, 52, 48), (226, 80, 70)])
            p.set(cx - r // 2, cy - 1, WHITE)
            p.set(cx + 1, cy - r // 3, WHITE)
    with sprite(sheet, 15) as p:  # stump
        p.ball(16, 22, 11, 6, BARK)
        p.rect(5, 14, 27, 22, BARK[1])
        p.ball(16, 14, 11, 5, [WOOD[2], WOOD[3]])
        p.paint(lambda x, y: WOOD[1] if 30 <= (x - 16) ** 2 + 4 * (y - 14) ** 2 < 42 else None)
    with sprite(sheet, 73, 2, 2) as p:  # big tree
        trunk(p, 27, 36, 40, 60)
        p.rect(24, 58, 39, 60, BARK[1])
        canopy(p, [(16, 30, 12), (47, 30, 12), (24, 18, 13), (40, 18, 13), (32, 10, 10),
                   (32, 34, 13), (20, 40, 9), (44, 40, 9)], LEAVES, 47)
    with sprite(sheet, 77) as p:  # reeds
        for i, x in enumerate((6, 11, 15, 19, 24, 27)):
            top = 6 + int(rand(i, 1, 43) * 8)
            p.rect(x, top, x, 29, LEAVES[2 if i % 2 else 1])
            if i % 2 == 0:
                p.rect(x, top - 5, x + 1, top, BARK[1])
        for x in (4, 9, 13, 22, 26):
            p.rect(x, 24, x, 29, LEAVES[3])
    with sprite(sheet, 78) as p:  # water lily
        p.ball(15, 17, 11, 8, LEAVES[1:])
        p.paint(lambda x, y: KEY if x > 15 and 17 - (x - 15) // 2 <= y <= 17 else None)
        p.ball(11, 14, 3, 3, [(226, 120, 160), (246, 170, 200), (252, 220, 232)])
    with sprite(sheet, 109) as p:  # haystack
        p.ball(16, 19, 13, 10, [(176, 132, 40), (214, 170, 60), (236, 204, 100), (248, 228, 150)],
               45, 0.5)


def fence(p, left_post, right_post):
    for y in (13, 21):
        p.rect(4 if left_post else 0, y, 27 if right_post else T - 1, y + 2, WOOD[2])
    for x, on in ((4, left_post), (15, True), (27, right_post)):
        if on:
            p.rect(x - 2, 9, x + 1, 28, WOOD[1])
            p.rect(x - 2, 9, x - 1, 28, WOOD[3])


def draw_things(sheet):
    with sprite(sheet, 75) as p:  # small rocks
        for cx, cy, r in ((9, 12, 4), (20, 19, 5), (11, 24, 3)):
            p.ball(cx, cy, r, r * 0.8, STONE)
    with sprite(sheet, 76) as p:  # big rock
        p.ball(16, 18, 13, 10, STONE, 41, 0.2)
        p.ball(22, 22, 6, 5, STONE[:3])
        for i in range(6):
            p.set(11 + i, 14 + i // 2, STONE[0])
    with sprite(sheet, 111) as p:  # stepping stones
        for cx, cy in ((8, 9), (22, 14), (11, 24)):
            p.ball(cx, cy, 6, 4, STONE[1:])
    with sprite(sheet, 79) as p:  # signpost
        p.rect(14, 10, 17, 30, WOOD[1])
        p.rect(4, 6, 27, 15, WOOD[2])
        p.rect(4, 6, 27, 6, WOOD[3])
        for x in range(7, 25, 4):
            p.rect(x, 10, x + 2, 11, WOOD[0])
    with sprite(sheet, 91) as p:  # well
        p.ball(16, 20, 12, 9, STONE)
        p.ball(16, 19, 8, 5, [(24, 40, 70), (40, 70, 120)])
        for x in (5, 26):
            p.rect(x, 3, x + 1, 20, WOOD[1])
        p.rect(4, 3, 27, 5, WOOD[2])
        p.rect(15, 6, 16, 11, IRON)
        p.rect(13, 11, 18, 15, WOOD[1])
    with sprite(sheet, 92) as p:  # barrel
        p.ball(16, 18, 11, 14, WOOD)
        p.paint(lambda x, y: KEY if y < 7 or y > 29 else
                IRON if y in (11, 25) and p.get(x, y) != KEY else None)
        p.ball(16, 7, 9, 3, [WOOD[1], WOOD[2]])
    with sprite(sheet, 93) as p:  # crate
        p.rect(5, 8, 26, 28, WOOD[2])
        p.rect(5, 8, 26, 10, WOOD[3])
        for i in range(16):
            p.rect(7 + i, 12 + i * 14 // 16, 8 + i, 13 + i * 14 // 16, WOOD[1])
        p.paint(lambda x, y: WOOD[0] if 5 <= x <= 26 and 8 <= y <= 28 and (
            x in (5, 26) or y in (11, 28)) else None)
    with sprite(sheet, 94) as p:  # lamp post
        p.rect(15, 12, 16, 30, IRON)
        p.rect(12, 29, 19, 30, IRON)
        p.ball(15.5, 8, 5, 5, [(232, 170, 60), (250, 214, 110), (255, 244, 200)])
        p.rect(11, 2, 20, 3, IRON)
    with sprite(sheet, 95) as p:  # fence post
        p.rect(13, 10, 18, 29, WOOD[1])
        p.rect(13, 10, 14, 29, WOOD[2])
        p.rect(13, 8, 18, 9, WOOD[3])
    for index, left, right in ((105, True, False), (106, False, False), (107, False, True)):
        with sprite(sheet, index) as p:
            fence(p, left, right)
    with sprite(sheet, 108) as p:  # fence running down
        for x in (12, 18):
            p.rect(x, 0, x + 1, T - 1, WOOD[2])
        p.rect(12, 8, 19, 26, WOOD[1])
        p.rect(12, 8, 19, 9, WOOD[3])
    with sprite(sheet, 110) as p:  # log pile
        for cx, cy in ((9, 22), (22, 22), (15.5, 12)):
            p.ball(cx, cy, 7, 7, BARK)
            p.ball(cx, cy, 5, 5, [WOOD[2], WOOD[3]])
            p.set(int(cx), int(cy), WOOD[1])


# --- buildings: two rows of roof over a row of wall, and a bridge ---------------------------------

def shingles(p, tones, top, bottom):
    def tile(x, y):
        if not top <= y <= bottom:
            return None
        row, ry = (y - top) // 6, (y - top) % 6
        return tones[0] if ry == 5 else tones[1] if (x + row % 2 * 4) % 8 == 0 else \
            tones[3] if ry == 0 else tones[2]
    p.paint(tile)


def roof(p, tones, side, ridge, extra):
    if ridge:
        shingles(p, tones, 6, T - 1)
        p.rect(0, 0, T - 1, 5, tones[1])
        p.rect(0, 1, T - 1, 2, tones[3])
        p.rect(0, 0, T - 1, 0, INK)
    else:  # eaves
        shingles(p, tones, 0, 25)
        p.rect(0, 26, T - 1, 28, WOOD[3])
        p.rect(0, 29, T - 1, 31, INK)
    if side:
        edge = 0 if side < 0 else T - 3
        p.rect(edge, 0, edge + 2, T - 1, WOOD[2])
        p.rect(0 if side < 0 else T - 1, 0, 0 if side < 0 else T - 1, T - 1, INK)
    if extra and ridge:  # a chimney
        p.rect(18, 0, 26, 20, (150, 74, 60))
        p.paint(lambda x, y: (112, 56, 48) if 18 <= x <= 26 and y <= 20 and (
            y % 5 == 4 or (x + y // 5 * 4) % 8 == 2) else None)
        p.rect(17, 0, 27, 2, STONE[1])
    elif extra:  # an attic vent
        p.ball(15.5, 12, 5, 5, [WOOD[0], WOOD[1]])
        p.ball(15.5, 12, 3, 3, [INK])


def wall(p, wooden, side, opening):
    if wooden:
        p.paint(lambda x, y: WOOD[1] if y % 6 == 5 else WOOD[3] if y % 6 == 0 and
                rand(x // 11, y // 6, 51) >= 0.5 else WOOD[2])
    else:
        p.paint(lambda x, y: STONE[1] if y % 8 == 7 or (x + y // 8 % 2 * 6) % 12 == 0
                else STONE[3] if y % 8 == 0 else STONE[2])
    p.rect(0, 0, T - 1, 3, mix(WOOD[0] if wooden else STONE[0], INK, 0.4))
    p.rect(0, 29, T - 1, T - 1, STONE[0])
    if side:
        edge = 0 if side < 0 else T - 5
        p.rect(edge, 0, edge + 4, 28, WOOD[0] if wooden else STONE[3])
        p.rect(edge + 1, 0, edge + 1, 28, WOOD[1] if wooden else STONE[2])
    if opening == "window":
        p.rect(7, 8, 24, 23, WOOD[0])
        p.paint(lambda x, y: None if not (9 <= x <= 22 and 10 <= y <= 21) else
                (190, 220, 244) if x + y in (24, 25, 34) else (110, 160, 210))
        p.rect(15, 10, 16, 21, WOOD[0])
        p.rect(9, 15, 22, 16, WOOD[0])
        p.rect(6, 23, 25, 25, WOOD[3] if wooden else STONE[3])
    elif opening == "door":
        p.rect(7, 5, 24, 28, WOOD[0] if wooden else STONE[0])
        p.paint(lambda x, y: (WOOD[0] if x % 5 == 0 else (122, 76, 42))
                if 9 <= x <= 22 and 7 <= y <= 28 else None)
        if not wooden:  # round the top
            p.paint(lambda x, y: STONE[2] if 7 <= x <= 24 and 4 <= y < 11 and
                    25 * (2 * x - 31) ** 2 + 196 * (y - 11) ** 2 > 6400 else None)
        p.rect(19, 17, 20, 18, (240, 200, 80))
        p.rect(5, 29, 26, T - 1, STONE[3])


def bridge(p, rail_top, rail_bottom):
    """Boards across the way between two railings; the water shows beyond them."""
    p.paint(lambda x, y: WOOD[0] if x % 8 == 7 else WOOD[3] if x % 8 == 0 else
            WOOD[2] if rand(x // 8, y // 16, 53) < 0.6 else WOOD[1])
    if rail_top:
        p.paint(lambda x, y: KEY if y < 5 else mix(p.get(x, y), INK, 0.4) if y < 19 else None)
    if rail_bottom:
        p.rect(0, 21, T - 1, 24, BARK[0])  # the deck's edge
        p.rect(0, 25, T - 1, T - 1, KEY)
    for on, y0 in ((rail_top, 4), (rail_bottom, 8)):
        if on:
            for x in (4, 20):
                p.rect(x - 1, y0, x + 4, y0 + 14, INK)
                p.rect(x, y0 + 1, x + 3, y0 + 13, WOOD[1])
                p.rect(x, y0 + 1, x, y0 + 13, WOOD[3])
            p.rect(0, y0 + 2, T - 1, y0 + 7, INK)
            p.rect(0, y0 + 3, T - 1, y0 + 6, WOOD[2])
            p.rect(0, y0 + 3, T - 1, y0 + 3, WOOD[3])


def draw_buildings(sheet):
    """Columns 0-3 red roof and wood, 4-7 blue roof and stone; rows: ridge, eaves, wall."""
    for col, tones, wooden in ((0, RED_ROOF, True), (4, BLUE_ROOF, False)):
        for i, side in enumerate((-1, 0, 0, 1)):
            roof(Part(sheet, 64 + col + i), tones, side, True, i == 2)
            roof(Part(sheet, 80 + col + i), tones, side, False, i == 2)
            wall(Part(sheet, 96 + col + i), wooden, side, [None, "window", "door", None][i])
    for index, top, bottom in ((72, True, False), (88, False, False), (104, False, True)):
        with sprite(sheet, index) as p:
            bridge(p, top, bottom)


def draw_sheet():
    sheet = [[KEY] * (COLS * T) for _ in range(ROWS * T)]
    for draw in (draw_grounds, draw_plants, draw_things, draw_buildings):
        draw(sheet)
    return sheet


# --- the map --------------------------------------------------------------------------------------

W, H = 40, 30
# The ground at the corners of the cells (41 x 31): grass ".", sand "s", water "w", path "p".
CORNERS = """
............................swwwws.pp....
............................swwwws.pp....
...........................sswwwws.pp....
...........................swwwwss.pp....
...........................swwwws..pp....
..........................sswwwws..pp....
..........................swwwwss..pp....
..........................swwwws...pp....
..........................swwwws...pp....
.........................sswwwws...pp....
.........................swwwwss...pp....
............pp...........swwwws....pp....
.....pppppppppp..........swwwws....pp....
.....pppppppppp..........swwwws....pp....
.....pppppppppp..........swwwws....pp....
pppppppppppppppppppppppp.swwwws.ppppppppp
pppppppppppppppppppppppp.swwwws.ppppppppp
.......ppppppp...........swwwws..........
.......ppppppp...........swwwws..........
............pp..........sswwwws..........
............pp..........swwwwss..........
............pp..........swwwws...........
............pppppp......swwwws...........
............pppppp..ssssswwwws...........
....................sssswwwwss...........
....................sssswwwws............
....................sssswwwws............
....................sssswwwws............
.......................swwwwss...........
.......................sswwwws...........
........................swwwws...........
""".split()
ROW_OF = {frozenset(".s"): (1, "s"), frozenset("sw"): (2, "w"), frozenset(".p"): (3, "p")}
PLAIN = {".": 16, "s": 31, "w": 47, "p": 63}
VARIANTS = {".": [(1, 0.08), (2, 0.05), (3, 0.06)], "s": [(4, 0.1)], "w": [(5, 0.08), (6, 0.03)],
            "p": [(7, 0.12)]}
FALLBACK = {"p": ".", "w": "s"}  # where three grounds meet (under the ends of the bridge)


def ground_part(x, y):
    corners = [CORNERS[y][x], CORNERS[y][x + 1], CORNERS[y + 1][x], CORNERS[y + 1][x + 1]]
    if len(set(corners)) == 1:
        r = rand(x, y, 61)
        for number, share in VARIANTS[corners[0]]:
            if r < share:
                return number
            r -= share
        return PLAIN[corners[0]]
    if frozenset(corners) not in ROW_OF:
        corners = [FALLBACK.get(c, c) for c in corners]
    row, second = ROW_OF[frozenset(corners)]
    return row * COLS + sum(1 << k for k, c in enumerate(corners) if c == second)


def house(layer, x, y, width, blue, door):
    for i in range(width):
        piece = 0 if i == 0 else 3 if i == width - 1 else 2 if i == width - 2 else 1
        layer[y][x + i] = 64 + 4 * blue + piece
        layer[y + 1][x + i] = 80 + 4 * blue + piece
        wall = 0 if i == 0 else 3 if i == width - 1 else 2 if i == door else 1
        layer[y + 2][x + i] = 96 + 4 * blue + wall


def buildings():
    layer = [[0] * W for _ in range(H)]
    house(layer, 3, 9, 4, False, 2)
    house(layer, 10, 8, 5, True, 2)
    house(layer, 14, 19, 4, False, 2)
    for x in range(23, 32):
        layer[14][x], layer[15][x], layer[16][x] = 72, 88, 104
    return layer


BIG_TREES = [(1, 1), (8, 2), (13, 1), (19, 4), (33, 21), (37, 25), (30, 26)]
THINGS = {  # part: cells
    8: [(4, 1), (17, 2), (22, 8), (1, 6), (21, 11), (38, 20), (32, 26), (0, 27)],
    9: [(11, 5), (23, 2), (39, 3), (31, 3), (33, 7), (38, 9), (31, 11), (37, 13)],
    10: [(7, 8), (2, 12), (16, 11), (19, 17), (9, 26), (14, 27), (14, 6), (23, 12)],
    11: [(2, 20), (3, 20), (5, 20), (6, 20), (2, 22), (3, 22), (5, 22), (6, 22), (9, 10),
         (17, 6), (18, 6)],
    12: [(2, 21), (3, 21), (5, 21), (6, 21), (15, 10), (2, 11), (18, 7)],
    13: [(2, 23), (3, 23), (5, 23), (6, 23), (18, 13), (20, 21), (0, 11)],
    14: [(33, 12), (39, 18)], 15: [(38, 23)], 75: [(21, 24), (30, 5), (2, 28), (16, 7)],
    76: [(32, 9), (22, 27)], 77: [(25, 3), (29, 10), (24, 19), (28, 22), (23, 28)],
    78: [(28, 2), (27, 9), (26, 20), (25, 25)], 79: [(21, 13)], 91: [(8, 13)],
    92: [(15, 11), (7, 11)], 93: [(16, 11)], 94: [(11, 14), (11, 17), (20, 17), (33, 14)],
    109: [(1, 10)], 110: [(2, 9)], 111: [(26, 6)],
}
GARDEN = (1, 19, 7, 24)  # fenced from corner to corner, with a gate in the top
WOODS = [(29, 0, 39, 12, 0.3), (32, 17, 39, 29, 0.35), (0, 0, 24, 3, 0.12), (0, 26, 19, 29, 0.2)]


def garden(layer, x0, y0, x1, y1):
    gate = (x0 + x1) // 2
    for y in (y0, y1):
        for x in range(x0, x1 + 1):
            left = x == x0 or (y == y0 and x == gate + 1)
            right = x == x1 or (y == y0 and x == gate - 1)
            layer[y][x] = 105 if left else 107 if right else 106
    layer[y0][gate] = 0
    for y in range(y0 + 1, y1):
        layer[y][x0] = layer[y][x1] = 108


def wood(layer, x0, y0, x1, y1, density):
    """Trees, pines and bushes on the free grass of a rectangle."""
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            grassy = all(CORNERS[y + j][x + i] == "." for i in (0, 1) for j in (0, 1))
            r = rand(x, y, 71)
            if grassy and layer[y][x] == 0 and r < density:
                layer[y][x] = 8 if r < density * 0.4 else 9 if r < density * 0.8 else 10


def decorations():
    layer = [[0] * W for _ in range(H)]
    for x, y in BIG_TREES:
        layer[y][x:x + 2], layer[y + 1][x:x + 2] = [73, 74], [89, 90]
    for number, cells in THINGS.items():
        for x, y in cells:
            layer[y][x] = number
    garden(layer, *GARDEN)
    for area in WOODS:
        wood(layer, *area)
    return layer


# --- the files ------------------------------------------------------------------------------------

def bmp24(sheet):
    """A bottom-up 24-bit Windows bitmap (512-pixel rows need no padding)."""
    w, h = len(sheet[0]), len(sheet)
    pixels = b"".join(bytes(v for r, g, b in row for v in (b, g, r)) for row in reversed(sheet))
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54) + info + pixels


COMMENT = ("Brimwellのサンプル: 川のほとりの小さな村 (40×30マス、32×32ドットのパーツ)。\r\n"
           "地面・建物・装飾の3レイヤーで、建物と装飾の緑 (0,255,0) は透過色、"
           "パーツ0は透明パーツです。\r\n"
           "parts.bmp と sample.bwp は examples/make-sample.py が描いて書き出したものです。")
LAYERS = [("地面", lambda: [[ground_part(x, y) for x in range(W)] for y in range(H)]),
          ("建物", buildings), ("装飾", decorations)]


def chunk(kind, payload):
    pad = b"\0" if len(payload) % 2 else b""
    return kind + struct.pack("<I", len(payload)) + payload + pad


def window(left, top, width, height, zoom):
    return struct.pack("<iiiiHBB", left, top, width, height, zoom, 1, 0)


def project():
    """The project file: RIFF form "UMF_" with the records, the comment and the layers."""
    body = b"UMF_" + b"".join([
        chunk(b"Ver_", bytes([1, 5, 2, ord("b")])),
        chunk(b"UMFh", struct.pack("<IIIIBBBB", W, H, T, T, len(LAYERS), 8, 1, 255)),
        chunk(b"mWin", window(0, 0, 1000, 780, 256)),
        chunk(b"cWin", window(1010, 0, 548, 300, 256)),
        chunk(b"lWin", window(1010, 330, 250, 140, 256)),
        chunk(b"pWin", window(1270, 330, 176, 196, 4)),
        chunk(b"Env_", bytes([0, 0, 0, 1])),                    # no grid; cursor grid
        chunk(b"Marh", bytes([0, 0])),
        chunk(b"ColK", struct.pack("<BIB", 1, 0x0000FF00, 0)),  # transparency on, key green
        chunk(b"InvC", struct.pack("<BHB", 1, 0, 0)),           # part 0 is never drawn
        chunk(b"Comt", COMMENT.encode("cp932")),
    ])
    for name, cells in LAYERS:
        data = b"".join(struct.pack("<%dH" % W, *row) for row in cells())
        body += chunk(b"LAY1", name.encode("cp932") + b"\0parts.bmp\0\1" + data)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "parts.bmp"), "wb") as f:
        f.write(bmp24(draw_sheet()))
    with open(os.path.join(folder, "sample.bwp"), "wb") as f:
        f.write(project())


if __name__ == "__main__":
    main()
