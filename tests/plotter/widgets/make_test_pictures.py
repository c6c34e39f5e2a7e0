#!/usr/bin/env python3
# Writes the pictures the widget tests load as resources: target.ico, a 16 x 16 icon that is
# transparent except for an opaque red 8 x 8 square at (4, 4), so that tests can find where a
# button drew it, and pointer.cur, a 32 x 32 cursor with its hot spot at (3, 5).
# Usage: make_test_pictures.py [folder]   (default: the folder of this script)

import os
import struct
import sys

RED = (255, 0, 0, 255)
BLACK = (0, 0, 0, 255)
WHITE = (255, 255, 255, 255)
CLEAR = (0, 0, 0, 0)


def image_bytes(pixels):
    """A classic 32-bit BMP image of an icon or cursor: header, BGRA rows, AND mask rows."""
    height = len(pixels)
    width = len(pixels[0])
    header = struct.pack('<IiiHHIIiiII', 40, width, height * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b''.join(bytes((b, g, r, a)) for row in reversed(pixels) for (r, g, b, a) in row)
    stride = ((width + 31) // 32) * 4
    mask = b''
    for row in reversed(pixels):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + colour + mask


def picture_file(pixels, kind, hot_spot=(0, 0)):
    """An .ico (kind 1) or .cur (kind 2) file holding one image."""
    data = image_bytes(pixels)
    width, height = len(pixels[0]), len(pixels)
    if kind == 1:
        planes_or_x, bits_or_y = 1, 32
    else:
        planes_or_x, bits_or_y = hot_spot
    entry = struct.pack('<BBBBHHII', width % 256, height % 256, 0, 0, planes_or_x, bits_or_y,
                        len(data), 6 + 16)
    return struct.pack('<HHH', 0, kind, 1) + entry + data


def target_icon():
    return [[RED if 4 <= x < 12 and 4 <= y < 12 else CLEAR for x in range(16)] for y in range(16)]


def pointer_cursor():
    pixels = [[CLEAR] * 32 for _ in range(32)]
    for y in range(5, 20):
        for x in range(3, 3 + (y - 5) // 2 + 1):
            pixels[y][x] = BLACK if x in (3, 3 + (y - 5) // 2) or y == 19 else WHITE
    return pixels


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(folder, 'target.ico'), 'wb') as f:
        f.write(picture_file(target_icon(), 1))
    with open(os.path.join(folder, 'pointer.cur'), 'wb') as f:
        f.write(picture_file(pointer_cursor(), 2, hot_spot=(3, 5)))


if __name__ == '__main__':
    main()
