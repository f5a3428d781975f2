#!/usr/bin/env python3
"""Writes drawtools.bmp beside itself: the drawing tools of the showcase's flyout, three 16 x 15
images on light grey (the mask colour): line, arc, circle.

Run it from anywhere:  python3 showcase/src/drawtools.py
"""
import os

from bmpstrip import write_strip

W, H = 16, 15
GREY, BLACK, BLUE = (192, 192, 192), (0, 0, 0), (0, 64, 160)


def line(x, y):
    # from the bottom left to the top right, two pixels thick, with end points
    if abs((13 - y) - (x - 2) * 11 / 11) <= 0.8 and 2 <= x <= 13:
        return BLACK
    if (x, y) in ((2, 13), (13, 2)):
        return BLUE
    return None


def arc(x, y):
    r2 = (x - 7.5) ** 2 + (y - 11) ** 2
    if 30 <= r2 <= 46 and y <= 11:
        return BLACK
    return None


def circle(x, y):
    r2 = (x - 7.5) ** 2 + (y - 7) ** 2
    if 26 <= r2 <= 40:
        return BLACK
    if r2 <= 1:
        return BLUE
    return None


images = [line, arc, circle]
write_strip(os.path.join(os.path.dirname(os.path.abspath(__file__)), "drawtools.bmp"), images, W, H, GREY)
