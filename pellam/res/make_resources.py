#!/usr/bin/env python3
"""Draws Pellam's resources: the splash logo (logo.bmp), the icon (pellam.ico,
32 x 32 and 16 x 16) and the closing sound (closing.wav). Run it from this
folder; the files it writes are committed beside it."""
import math
import struct
import wave

BACKGROUND = (255, 0, 255)  # cut out of the splash window


def logo_pixel(x, y, w, h):
    """A round badge with a stylised quill-pen nib; None is background."""
    cx, cy, r = (w - 1) / 2, (h - 1) / 2, min(w, h) / 2 - 1
    d = math.hypot(x - cx, y - cy)
    if d > r:
        return None
    if d > r - 3:
        return (40, 40, 90)  # rim
    # The nib: a slanted lens from the upper right to the lower left.
    u = ((x - cx) + (y - cy)) / r          # across the nib
    v = ((x - cx) - (y - cy)) / r          # along it
    if abs(u) < 0.28 * (1 - abs(v)) and abs(v) < 0.85:
        if abs(u) < 0.03 and v < 0.4:
            return (30, 30, 60)  # the slit
        return (250, 220, 120)
    shade = int(120 + 100 * (1 - d / r))
    return (40, shade // 2, shade)


def rows_of(w, h, pixel, background):
    rows = []
    for y in range(h - 1, -1, -1):  # bottom-up
        row = bytearray()
        for x in range(w):
            c = pixel(x, y, w, h) or background
            row += bytes((c[2], c[1], c[0]))
        row += b"\0" * ((4 - len(row) % 4) % 4)
        rows.append(bytes(row))
    return rows


def write_bmp(path, w, h):
    data = b"".join(rows_of(w, h, logo_pixel, BACKGROUND))
    header = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", 14 + 40 + len(data), 0, 0, 54) + header + data)


def icon_image(size):
    pixels = bytearray()
    mask_rows = []
    for y in range(size - 1, -1, -1):
        bits = bytearray()
        for x in range(size):
            c = logo_pixel(x, y, size, size)
            if c is None:
                pixels += b"\0\0\0\0"
            else:
                pixels += bytes((c[2], c[1], c[0], 255))
        for x in range(0, size, 8):
            byte = 0
            for i in range(8):
                if logo_pixel(x + i, y, size, size) is None:
                    byte |= 0x80 >> i
            bits.append(byte)
        bits += b"\0" * ((4 - len(bits) % 4) % 4)
        mask_rows.append(bytes(bits))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    return header + bytes(pixels) + b"".join(mask_rows)


def write_ico(path, sizes):
    images = [icon_image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, img in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


def write_wav(path):
    """Two falling notes, 0.35 s, 8-bit mono at 11025 Hz."""
    rate = 11025
    frames = bytearray()
    for freq, length in ((880, 0.15), (587, 0.2)):
        n = int(rate * length)
        for i in range(n):
            envelope = min(1.0, i / 200) * (1 - i / n)
            sample = math.sin(2 * math.pi * freq * i / rate) * envelope * 0.6
            frames.append(int(128 + 127 * sample))
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(1)
        w.setframerate(rate)
        w.writeframes(bytes(frames))


if __name__ == "__main__":
    write_bmp("logo.bmp", 81, 84)
    write_ico("pellam.ico", (32, 16))
    write_wav("closing.wav")
