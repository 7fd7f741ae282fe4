#!/usr/bin/python3
"""Reads screenshots (binary PPM, as grim writes them) for the session tests, which find on the screen what no
compositor tree holds: layer surfaces and pop-ups.

  screen_probe.py span X Y < shot.ppm    the light surface column X crosses at Y, as "top bottom"; exit 1 where
                                         (X, Y) shows no light surface
  screen_probe.py panel X BAR < shot.ppm the light panel below a bar BAR pixels high at column X, as
                                         "x y width height"; exit 1 where none opens there
  screen_probe.py colour X Y < shot.ppm  the pixel's colour, as six hex digits
  screen_probe.py standout X Y R RRGGBB < shot.ppm
                                         how many pixels within R of (X, Y) differ in lightness from the colour
                                         RRGGBB by more than 60: how much of an icon on a bar of that colour shows
  screen_probe.py changed BEFORE AFTER X Y
                                         what changed between two shots away from (X, Y), as "left top right bottom";
                                         exit 1 for a change of fewer than a thousand sampled pixels
"""
import sys


def read(stream):
    data = stream.read()
    fields, start = [], 0
    while len(fields) < 4:
        while data[start:start + 1].isspace():
            start += 1
        end = start
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[start:end])
        start = end
    return Shot(int(fields[1]), int(fields[2]), data[start + 1:])


class Shot:
    def __init__(self, width, height, pixels):
        self.width, self.height, self.pixels = width, height, pixels

    def pixel(self, x, y):
        offset = 3 * (y * self.width + x)
        return self.pixels[offset:offset + 3]

    def light(self, x, y):
        return sum(self.pixel(x, y)) / 3 > 160


def span(shot, x, y):
    if not shot.light(x, y):
        return None
    top, bottom = y, y
    while top > 0 and shot.light(x, top - 1):
        top -= 1
    while bottom < shot.height - 1 and shot.light(x, bottom + 1):
        bottom += 1
    return top, bottom


def panel(shot, column, bar):
    top = next((y for y in range(bar, bar + 40) if shot.light(column, y)), None)
    if top is None:
        return None
    # Along its top margin and its left margin no control lies; the row six pixels down misses about two pixels of
    # each rounded corner.
    row = top + 6
    left, right = column, column
    while left > 0 and shot.light(left - 1, row):
        left -= 1
    while right < shot.width - 1 and shot.light(right + 1, row):
        right += 1
    bottom = top
    while bottom < shot.height - 1 and shot.light(left + 8, bottom + 1):
        bottom += 1
    return left - 2, top, right - left + 5, bottom - top + 1


def lightness(rgb):
    return (max(rgb) + min(rgb)) / 2


def standout(shot, x, y, radius, colour):
    ground = lightness(bytes.fromhex(colour))
    return sum(1 for py in range(y - radius, y + radius + 1) for px in range(x - radius, x + radius + 1)
               if abs(lightness(shot.pixel(px, py)) - ground) > 60)


def changed(before, after, bx, by):
    xs, ys = [], []
    for y in range(0, before.height, 2):
        for x in range(0, before.width, 2):
            if abs(x - bx) < 24 and abs(y - by) < 24:
                continue
            if before.pixel(x, y) != after.pixel(x, y):
                xs.append(x)
                ys.append(y)
    if len(xs) < 1000:
        return None
    return min(xs), min(ys), max(xs), max(ys)


def main(args):
    command = args[0]
    if command == "changed":
        with open(args[1], "rb") as first, open(args[2], "rb") as second:
            found = changed(read(first), read(second), int(args[3]), int(args[4]))
    elif command == "standout":
        found = (standout(read(sys.stdin.buffer), int(args[1]), int(args[2]), int(args[3]), args[4]),)
    elif command == "colour":
        pixel = read(sys.stdin.buffer).pixel(int(args[1]), int(args[2]))
        found = (pixel.hex(),)
    else:
        measure = span if command == "span" else panel
        found = measure(read(sys.stdin.buffer), int(args[1]), int(args[2]))
    if found is None:
        return 1
    print(*found)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
