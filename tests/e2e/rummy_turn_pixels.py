#!/usr/bin/env python3
"""Reads a screenshot of a Gin Rummy table during a turn (raw RGB of the whole screen).

usage: rummy_turn_pixels.py places|state SHOT.rgb SCREEN_W X Y WIDTH HEIGHT
places prints shell assignments: the menu bar height, the screen points of the Deck and of
the first card of the player's hand, and a fingerprint of that card's index corner.
state MENU prints: whether the drawn-card place holds a card, the number of cards showing
on the reject pile (1..3) and the fingerprint of the pile's top card.
"""
import hashlib
import sys

from table_pixels import Shot, rnd, rummy_dealt


def corner(s, x, y):
    return hashlib.md5(s.crop(x + 2, y + 2, 12, 26)).hexdigest()[:12]


def geometry(x0, y0, w, h):
    rx, ry = x0 + rnd(0.15 * w), y0 + rnd(h / 2 - 61)
    hand_x, hand_y = x0 + rnd(0.1 * w), y0 + rnd(0.95 * h - 145) + 19
    return rx, ry, hand_x, hand_y


def main():
    mode, path, screen_w = sys.argv[1], sys.argv[2], int(sys.argv[3])
    x, y, w, h = (int(v) for v in sys.argv[4:8])
    s = Shot(path, screen_w)
    if mode == "places":
        for menu in range(0, 61):
            if rummy_dealt(s, x, y + menu, w, h - menu):
                rx, ry, hx, hy = geometry(x, y + menu, w, h - menu)
                print(f"MENU={menu} DECK_X={rx + 121 + 38} DECK_Y={ry + 50} "
                      f"CARD_X={hx + 6} CARD_Y={hy + 60} CARD={corner(s, hx, hy)}")
                return
        print("MENU=-1")
        return
    menu = int(sys.argv[8])
    rx, ry, hx, hy = geometry(x, y + menu, w, h - menu)
    drawn = s.brightness(hx + 231 + 16 + 2, hy + 40, 6, 40) > 170
    fan = 1
    if s.brightness(rx + 72, ry + 40, 3, 40) > 170:
        fan = 2
        if s.brightness(rx + 77, ry + 40, 3, 40) > 170:
            fan = 3
    top = corner(s, rx + 5 * (fan - 1), ry + (fan - 1))
    print(f"{'drawn' if drawn else 'empty'} {fan} {top}")


main()
