#!/usr/bin/env python3
"""Writes toolbar.bmp beside itself: the showcase toolbar's four 16 x 15 button images on light
grey (the button face once loaded): new drawing, grid, axes, dark colour scheme.

Run it from anywhere:  python3 showcase/src/toolbar.py
"""
import os

from bmpstrip import write_strip

W, H = 16, 15
GREY, BLACK, WHITE, BLUE, RED = (192, 192, 192), (0, 0, 0), (255, 255, 255), (0, 64, 160), (200, 0, 0)


def new_drawing(x, y):
    if 3 <= x <= 12 and 1 <= y <= 13:
        if x in (3, 12) or y in (1, 13) or (x >= 9 and y <= 4 and x - 9 >= y - 1):
            return BLACK
        return WHITE
    return None


def grid(x, y):
    if 1 <= x <= 14 and 1 <= y <= 13 and (x % 4 == 1 or y % 4 == 1):
        return BLUE
    return None


def axes(x, y):
    if x == 3 and 1 <= y <= 12 or y == 12 and 3 <= x <= 14:
        return RED
    if (y == 2 and 2 <= x <= 4) or (x == 13 and 11 <= y <= 13):
        return RED
    return None


def dark(x, y):
    inside = (x - 7.5) ** 2 + (y - 7) ** 2 <= 36
    bite = (x - 10.5) ** 2 + (y - 5) ** 2 <= 25
    return BLACK if inside and not bite else None


images = [new_drawing, grid, axes, dark]
write_strip(os.path.join(os.path.dirname(os.path.abspath(__file__)), "toolbar.bmp"), images, W, H, GREY)
