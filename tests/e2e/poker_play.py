#!/usr/bin/env python3
"""Reads a screenshot of the Video Poker table (raw RGB of the whole screen).

usage: poker_play.py state SHOT.rgb SCREEN_W X Y WIDTH HEIGHT
    prints "FACES CARDS METER DECK_X DECK_Y": how many of the five places show a face, a
    fingerprint of the five cards, the credit meter's text as glyph bitmaps, and a screen
    point on the deck ("0 none none" when the pay column is not found).
usage: poker_play.py minus10 ZERO MINUS5 METER
    prints "yes" when METER reads -10, given the meter as it read 0 and as it read -5: three
    glyphs, the minus of "-5", a narrow one, and the zero of "0".
"""
import hashlib
import sys

COLUMN_WIDTH = 170
METER_LEFT, METER_WIDTH = 48, 120  # the meter label inside the column


class Shot:
    def __init__(self, path, width):
        self.data = open(path, "rb").read()
        self.width = width

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.data[i:i + 3])

    def crop(self, x, y, w, h):
        rows = []
        for yy in range(y, y + h):
            start = (yy * self.width + x) * 3
            rows.append(self.data[start:start + w * 3])
        return b"".join(rows)


def column_found(s, x0, y0, w, h):
    """How many of the 21 pay labels rest exactly in their places (two may be lit)."""
    column_h = h - 24
    row = column_h // 23
    right = x0 + w - 12 - 4
    resting = 0
    for i in range(21):
        top = y0 + 12 + column_h - (21 - i) * row
        want = (0x80, 0x80, 0x80) if i % 2 == 0 else (0xE0, 0xE0, 0xE0)
        if s.pixel(right, top) == want and s.pixel(right, top + row - 1) == want:
            if s.pixel(right, top - 1) != want:
                resting += 1
    return resting


def cards(s, x0, y0):
    """Number of faces on the five places and a fingerprint of what they show."""
    crops = []
    for i in range(5):
        left = int(round(29 + i * 71 * 1.15))
        crops.append(s.crop(x0 + left + 8, y0 + 223 + 8, 55, 80))
    light = [sum(c) / len(c) > 150 for c in crops]
    # Backs are all alike; faces all differ from each other and are mostly white.
    faces = 5 if len(set(crops)) == 5 and all(light) else 0
    print_hash = hashlib.md5(b"".join(crops)).hexdigest()[:12]
    return faces, print_hash


def meter_glyphs(s, x0, y0, w, h):
    row = (h - 24) // 23
    left = x0 + w - 12 - COLUMN_WIDTH + METER_LEFT
    top = y0 + 12
    ink = [[sum(s.pixel(left + x, top + y)) > 3 * 140 for x in range(METER_WIDTH)]
           for y in range(row)]
    glyphs, current = [], []
    for x in range(METER_WIDTH):
        column = "".join("1" if ink[y][x] else "0" for y in range(row))
        if "1" in column:
            current.append(column)
        elif current:
            glyphs.append(".".join(current))
            current = []
    if current:
        glyphs.append(".".join(current))
    return "/".join(glyphs) if glyphs else "empty"


def same_glyph(a, b):
    """Glyph bitmaps alike up to a pixel of horizontal shift (text may sit at a fraction
    of a pixel, which widens a glyph by a column of light ink)."""
    ca, cb = a.split("."), b.split(".")
    if abs(len(ca) - len(cb)) > 1:
        return False
    blank = "0" * len(ca[0])
    width = max(len(ca), len(cb)) + 2
    pa = ca + [blank] * (width - len(ca))
    ink = max(1, min("".join(ca).count("1"), "".join(cb).count("1")))
    for shift in (-1, 0, 1):
        pb = ([blank] * shift + cb if shift >= 0 else cb[-shift:]) + [blank] * width
        differ = sum(p != q for x, y in zip(pa, pb[:width]) for p, q in zip(x, y))
        if differ <= ink // 4:
            return True
    return False


def state(args):
    path, screen_w = args[0], int(args[1])
    x, y, w, h = (int(v) for v in args[2:6])
    s = Shot(path, screen_w)
    # The light menu bar ends where the dark wood of the table begins.
    found = next((m for m in range(0, 61) if sum(s.pixel(x + w // 2, y + m)) < 3 * 200), 0)
    if column_found(s, x, y + found, w, h - found) < 19:
        print("0 none none")
        return
    y, h = y + found, h - found
    faces, fingerprint = cards(s, x, y)
    deck_x = x + int(round(0.15 * w + 81 * 0.75)) + 35
    print(faces, fingerprint, meter_glyphs(s, x, y, w, h), deck_x, y + 50 + 48)


def minus10(args):
    zero, minus5, meter = (a.split("/") for a in args)
    ok = (len(zero) == 1 and len(minus5) == 2 and len(meter) == 3
          and same_glyph(meter[0], minus5[0]) and same_glyph(meter[2], zero[0])
          and len(meter[1].split(".")) < len(zero[0].split(".")))
    print("yes" if ok else "no")


if sys.argv[1] == "state":
    state(sys.argv[2:])
else:
    minus10(sys.argv[2:])
