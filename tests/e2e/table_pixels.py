#!/usr/bin/env python3
"""Reads a screenshot of the table (raw RGB of the whole screen) and reports what it shows.

usage: table_pixels.py rummy|poker SHOT.rgb SCREEN_W X Y WIDTH HEIGHT
X, Y, WIDTH, HEIGHT: the main window as xdotool reports it; the table is the window less
its menu bar, whose height is found by trying each plausible one.
rummy prints "dealt" when ten backs, ten faces and the upcard are on the table.
poker prints the number of face-down cards on the five places, then "labels" when the 21
pay labels are in their places.
"""
import sys


def rnd(v):
    return int(round(v))  # Python rounds halves to even, as the program does


class Shot:
    def __init__(self, path, width):
        self.data = open(path, "rb").read()
        self.width = width

    def crop(self, x, y, w, h):
        rows = []
        for yy in range(y, y + h):
            start = (yy * self.width + x) * 3
            rows.append(self.data[start:start + w * 3])
        return b"".join(rows)

    def brightness(self, x, y, w, h):
        c = self.crop(x, y, w, h)
        return sum(c) / max(1, len(c))

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.data[i:i + 3])


COMPUTER_XS = [0, 16, 32, 56, 72, 88, 112, 128, 144, 160]
PLAYER_XS = [0, 16, 40, 56, 72, 96, 112, 128, 144, 160]


def rummy_dealt(s, x0, y0, w, h):
    cx, cy = x0 + rnd(0.1 * w), y0 + rnd(0.05 * h)
    backs = [s.crop(cx + x + 2, cy + 20, 12, 50) for x in COMPUTER_XS]
    if len(set(backs)) != 1 or s.brightness(cx + 2, cy + 20, 12, 50) > 170:
        return False
    py = y0 + rnd(0.95 * h - 145) + 19
    # A face is white along its left edge below the index, whatever its picture.
    if any(s.brightness(cx + x + 2, py + 40, 6, 40) < 170 for x in PLAYER_XS):
        return False
    rx, ry = x0 + rnd(0.15 * w), y0 + rnd(h / 2 - 61)
    return s.brightness(rx + 2, ry + 40, 6, 40) > 170


def poker_backs(s, x0, y0):
    lefts = [rnd(29 + i * 71 * 1.15) for i in range(5)]
    cards = [s.crop(x0 + x + 8, y0 + 223 + 8, 55, 80) for x in lefts]
    table = s.crop(x0 + 29 + 8, y0 + 223 + 110, 55, 80)
    first = cards[0]
    if first == table:
        return 0
    return sum(1 for c in cards if c == first)


def poker_labels(s, x0, y0, w, h):
    column_h = h - 24
    row = column_h // 23
    right = x0 + w - 12 - 4
    for i in range(21):
        top = y0 + 12 + column_h - (21 - i) * row
        want = (0x80, 0x80, 0x80) if i % 2 == 0 else (0xE0, 0xE0, 0xE0)
        inside = s.pixel(right, top) == want and s.pixel(right, top + row - 1) == want
        if not inside or s.pixel(right, top - 1) == want:
            return False
    return True


def main():
    mode, path, screen_w = sys.argv[1], sys.argv[2], int(sys.argv[3])
    x, y, w, h = (int(v) for v in sys.argv[4:8])
    s = Shot(path, screen_w)
    # The column's rows do not pin the menu bar down exactly: try every height that fits.
    backs = -1
    for menu in range(0, 61):
        if mode == "rummy" and rummy_dealt(s, x, y + menu, w, h - menu):
            print("dealt")
            return
        if mode == "poker" and poker_labels(s, x, y + menu, w, h - menu):
            backs = max(backs, poker_backs(s, x, y + menu))
    print(f"{backs} labels" if backs >= 0 else "none")


if __name__ == "__main__":
    main()
