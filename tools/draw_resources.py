#!/usr/bin/env python3
"""Draws the toolbar strip and the fallback list icons.

Regenerate with

    python3 tools/draw_resources.py

from the repository root.  It rewrites quillon/res/toolbar.bmp and the four
.ico files next to it; the output depends on nothing but this file.

Every picture below is a grid of characters, one per pixel, using the legend
in PALETTE.  In the toolbar, '.' is the light grey that the toolbar turns
into the button face; in the icons, '.' is transparent.
"""

import os
import struct
import sys

# The classic 16-colour palette, in its usual order.
PALETTE = [
    ('k', (0, 0, 0)),        # black (outlines)
    ('r', (128, 0, 0)),      # maroon
    ('g', (0, 128, 0)),      # dark green
    ('o', (128, 128, 0)),    # olive (shadow on yellow)
    ('n', (0, 0, 128)),      # navy
    ('p', (128, 0, 128)),    # purple
    ('t', (0, 128, 128)),    # teal
    ('.', (192, 192, 192)),  # light grey: toolbar background
    ('d', (128, 128, 128)),  # dark grey
    ('R', (255, 0, 0)),      # red
    ('G', (0, 255, 0)),      # green
    ('Y', (255, 255, 0)),    # yellow
    ('B', (0, 0, 255)),      # blue
    ('M', (255, 0, 255)),    # magenta
    ('C', (0, 255, 255)),    # cyan
    ('W', (255, 255, 255)),  # white
]
INDEX = {ch: i for i, (ch, _) in enumerate(PALETTE)}
BACKGROUND = '.'

TOOL_W, TOOL_H = 16, 15

# Toolbar images, left to right.  The order is the order of the buttons'
# image indices, so only ever append.
TOOLBAR = [
    # 0: add category
    [
        "................",
        "................",
        ".kkkkk..........",
        "kWYYYWk.........",
        "kWYYYYYkkkkkk...",
        "kWWWWWWWWWWok...",
        "kWYYYYYYYYYok...",
        "kWYYYYYYYYYok...",
        "kWYYYYYYYYYkkk..",
        "kWYYYYYYYYYkGk..",
        "kWYYYYYYYkkkGkkk",
        "kWYYYYYYYkGGGGGk",
        "kooooooookkkGkkk",
        "kkkkkkkkkkkkGk..",
        "...........kkk..",
    ],
    # 1: add string setting
    [
        "kkkkkkkk........",
        "kWWWWWWkk.......",
        "kWWWWWWkWk......",
        "kWWWWWRkkkk.....",
        "kWWWWWRWWWk.....",
        "kWRRWWRRWWk.....",
        "kWWWRWRWRWk.....",
        "kWWRRWRWRWk.....",
        "kWRWRWRWRWkkkk..",
        "kWWRRWRRWWkkGk..",
        "kWWWWWWWWkkkGkkk",
        "kWWWWWWWWkGGGGGk",
        "kWWWWWWWWkkkGkkk",
        "kWWWWWWWWWkkGk..",
        "kkkkkkkkkkkkkk..",
    ],
    # 2: add DWORD setting
    [
        "kkkkkkkk........",
        "kWWWWWWkk.......",
        "kWWWWWWkWk......",
        "kWWWWWWkkkk.....",
        "kWWBWWWBWWk.....",
        "kWBWBWBBWWk.....",
        "kWBWBWWBWWk.....",
        "kWBWBWWBWWk.....",
        "kWWBWWBBBWkkkk..",
        "kWWWWWWWWWkkGk..",
        "kWWWWWWWWkkkGkkk",
        "kWWWWWWWWkGGGGGk",
        "kWWWWWWWWkkkGkkk",
        "kWWWWWWWWWkkGk..",
        "kkkkkkkkkkkkkk..",
    ],
    # 3: import database
    [
            "................",
            "..kkkkkk........",
            ".kCCCCCCk.......",
            "kCCCCCCCCk......",
            "kkCCCCCCkk......",
            "kWkkkkkktk..k...",
            "kWtttttttk.kk...",
            "kkttttttkkkBkkkk",
            "kWkkkkkktkBBBBBk",
            "kWttttttkBBBBBBk",
            "kWtttttttkBBBBBk",
            "kWtttttttkkBkkkk",
            ".kttttttk..kk...",
            "..kkkkkk....k...",
            "................",
    ],
    # 4: export current category
    [
            "kkkkkkk.........",
            "kWWWWWkk........",
            "kWWWWWkWk.......",
            "kWWWWWkkkk......",
            "kWWWWWWWWk......",
            "kWddddddWk.k....",
            "kWWWWWWWWk.kk...",
            "kWddddddkkkkBk..",
            "kWWWWWWWkBBBBBk.",
            "kWddddddkBBBBBBk",
            "kWWWWWWWkBBBBBk.",
            "kWddddWWkkkkBk..",
            "kWWWWWWWWk.kk...",
            "kkkkkkkkkk.k....",
            "................",
    ],
    # 5: export all shown categories
    [
            "....kkkkkkkk....",
            "....kWWWWWWk....",
            "..kkkkkkkkWk....",
            "..kWWWWWWkWk....",
            "kkkkkkkkWkWk....",
            "kWWWWWWkWkWk....",
            "kWddddWkWkWkk...",
            "kWWWWWWkkkkkBk..",
            "kWddddWkkBBBBBk.",
            "kWWWWWWkkBBBBBBk",
            "kWddddWkkBBBBBk.",
            "kWWWWWWkkkkkBk..",
            "kWddWWWkkk.kk...",
            "kWWWWWWk...k....",
            "kkkkkkkk........",
    ],
    # 6: export all categories
    [
            "................",
            "..kkkkkk........",
            ".kCCCCCCk.......",
            "kCCCCCCCCk......",
            "kkCCCCCCkk......",
            "kWkkkkkktk.k....",
            "kWtttttttk.kk...",
            "kkttttttkkkkBk..",
            "kWkkkkkkkBBBBBk.",
            "kWttttttkBBBBBBk",
            "kWttttttkBBBBBk.",
            "kWttttttkkkkBk..",
            ".kttttttk..kk...",
            "..kkkkkk...k....",
            "................",
    ],
]

ICON_W, ICON_H = 16, 16

ICONS = {
    'key_closed.ico': [
        "................",
        "................",
        ".kkkkk..........",
        "kWWWWWk.........",
        "kWYYYYWkkkkkkkk.",
        "kWYYYYYWWWWWWWok",
        "kWYYYYYYYYYYYYok",
        "kWYYYYYYYYYYYYok",
        "kWYYYYYYYYYYYYok",
        "kWYYYYYYYYYYYYok",
        "kWYYYYYYYYYYYYok",
        "kWYYYYYYYYYYYYok",
        "kWYYYYYYYYYYYYok",
        "kooooooooooooook",
        "kkkkkkkkkkkkkkkk",
        "................",
    ],
    'key_open.ico': [
        "................",
        "................",
        ".kkkkk..........",
        "kWWWWWk.........",
        "kWYYYYWkkkkkkk..",
        "kWYYYYYWWWWWWk..",
        "kWYYkkkkkkkkkkkk",
        "kWYYkWWWWWWWWWWk",
        "kWYkWYYYYYYYYok.",
        "kWYkWYYYYYYYYok.",
        "kWkWYYYYYYYYok..",
        "kWkWYYYYYYYYok..",
        "kkWYYYYYYYYok...",
        "kkWYYYYYYYYok...",
        "kkkkkkkkkkkkk...",
        "................",
    ],
    'value_string.ico': [
        "................",
        "................",
        ".kkkkkkkkkkkkkk.",
        "kWWWWWWWWWWWWWWk",
        "kWWWWWWWRWWWWWWk",
        "kWWWWWWWRWWWWWWk",
        "kWWWRRWWRRRWWWWk",
        "kWWWWWRWRWWRWWWk",
        "kWWWRRRWRWWRWWWk",
        "kWWRWWRWRWWRWWWk",
        "kWWWRRRWRRRWWWWk",
        "kWWWWWWWWWWWWWWk",
        "kWWWWWWWWWWWWWWk",
        ".kkkkkkkkkkkkkk.",
        "................",
        "................",
    ],
    'value_binary.ico': [
        "................",
        "................",
        ".kkkkkkkkkkkkkk.",
        "kWWWWWWWWWWWWWWk",
        "kWWBWWWWBWWWBWWk",
        "kWBWBWWBBWWBBWWk",
        "kWBWBWWWBWWWBWWk",
        "kWBWBWWWBWWWBWWk",
        "kWBWBWWWBWWWBWWk",
        "kWBWBWWWBWWWBWWk",
        "kWWBWWWBBBWBBBWk",
        "kWWWWWWWWWWWWWWk",
        "kWWWWWWWWWWWWWWk",
        ".kkkkkkkkkkkkkk.",
        "................",
        "................",
    ],
}


def check(name, grid, width, height):
    if len(grid) != height:
        sys.exit('%s: %d rows, expected %d' % (name, len(grid), height))
    for y, row in enumerate(grid):
        if len(row) != width:
            sys.exit('%s row %d: %d pixels, expected %d' % (name, y, len(row), width))
        for ch in row:
            if ch not in INDEX:
                sys.exit('%s row %d: unknown colour %r' % (name, y, ch))


def palette_bytes():
    # RGBQUAD is blue, green, red, reserved.
    return b''.join(struct.pack('<4B', b, g, r, 0) for _, (r, g, b) in PALETTE)


def pack_4bit(indices):
    """Two pixels a byte, high nibble first, padded to a 4-byte boundary."""
    if len(indices) % 2:
        indices = indices + [0]
    data = bytes((indices[i] << 4) | indices[i + 1] for i in range(0, len(indices), 2))
    return data + b'\0' * (-len(data) % 4)


def pack_mask(bits):
    """One bit a pixel, most significant first, padded to a 4-byte boundary."""
    data = bytearray((len(bits) + 7) // 8)
    for i, bit in enumerate(bits):
        if bit:
            data[i // 8] |= 0x80 >> (i % 8)
    return bytes(data) + b'\0' * (-len(data) % 4)


def info_header(width, height, image_size):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, 4, 0,
                       image_size, 2835, 2835, len(PALETTE), 0)


def toolbar_bmp():
    for i, image in enumerate(TOOLBAR):
        check('toolbar image %d' % i, image, TOOL_W, TOOL_H)
    width = TOOL_W * len(TOOLBAR)
    rows = []
    for y in range(TOOL_H):
        line = ''.join(image[y] for image in TOOLBAR)
        rows.append(pack_4bit([INDEX[ch] for ch in line]))
    pixels = b''.join(reversed(rows))   # bottom-up
    header = info_header(width, TOOL_H, len(pixels))
    offset = 14 + len(header) + 4 * len(PALETTE)
    file_header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    return file_header + header + palette_bytes() + pixels


def icon_file(name, grid):
    check(name, grid, ICON_W, ICON_H)
    colour_rows, mask_rows = [], []
    for row in grid:
        colour_rows.append(pack_4bit([0 if ch == BACKGROUND else INDEX[ch] for ch in row]))
        mask_rows.append(pack_mask([ch == BACKGROUND for ch in row]))
    body = b''.join(reversed(colour_rows)) + b''.join(reversed(mask_rows))
    # The height in an icon's header counts the colour and the mask image.
    image = info_header(ICON_W, 2 * ICON_H, len(body)) + palette_bytes() + body
    directory = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', ICON_W, ICON_H, len(PALETTE), 0, 1, 4,
                        len(image), 6 + 16)
    return directory + entry + image


def write(path, data):
    with open(path, 'wb') as f:
        f.write(data)
    print('wrote %s (%d bytes)' % (path, len(data)))


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    res = os.path.join(root, 'quillon', 'res')
    write(os.path.join(res, 'toolbar.bmp'), toolbar_bmp())
    for name in sorted(ICONS):
        write(os.path.join(res, name), icon_file(name, ICONS[name]))


if __name__ == '__main__':
    main()
