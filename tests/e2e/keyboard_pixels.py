#!/usr/bin/env python3
"""Reads a screenshot of the Video Poker table (raw RGB of the whole screen) for the
keyboard test.

usage: keyboard_pixels.py SHOT.rgb SCREEN_W X Y WIDTH HEIGHT
prints "FACES HELD C0 C1 C2 C3 C4": how many of the five places show a face (0 or 5), the
held cards as a string of 0 and 1 (the green hold outline along a card's left edge), and a
fingerprint of each card ("none" when the pay column is not found).
"""
import hashlib
import sys

from table_pixels import Shot, rnd

GREEN = (0, 255, 0)


def main():
    path, screen_w = sys.argv[1], int(sys.argv[2])
    x, y, w, h = (int(v) for v in sys.argv[3:7])
    s = Shot(path, screen_w)
    # The light menu bar ends where the dark wood of the table begins.
    menu = next((m for m in range(0, 61) if sum(s.pixel(x + w // 2, y + m)) < 3 * 200), None)
    if menu is None:
        print("none")
        return
    y += menu
    lefts = [x + rnd(29 + i * 71 * 1.15) for i in range(5)]
    top = y + 223
    crops = [s.crop(left + 8, top + 8, 55, 80) for left in lefts]
    light = [sum(c) / len(c) > 150 for c in crops]
    faces = 5 if len(set(crops)) == 5 and all(light) else 0
    held = "".join(
        "1" if sum(s.pixel(left, top + d) == GREEN for d in range(10, 86)) > 60 else "0"
        for left in lefts)
    prints = [hashlib.md5(c).hexdigest()[:8] for c in crops]
    print(faces, held, *prints)


main()
