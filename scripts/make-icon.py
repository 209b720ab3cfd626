#!/usr/bin/env python3
"""Draws the program's icon, a blue tile with two opposed white arrows, into
shell/win32/hexdec.ico at 16, 32 and 48 pixels (32-bit colour with alpha)."""
import pathlib
import struct

SIZES = (16, 32, 48)
SAMPLES = 4  # per pixel side, for smooth edges


def in_tile(x, y):
    """A rounded square filling the icon with a small margin; unit coordinates."""
    margin, radius = 0.04, 0.2
    cx = min(max(x, margin + radius), 1 - margin - radius)
    cy = min(max(y, margin + radius), 1 - margin - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def in_arrow(x, y, centre_y, pointing_right):
    """A horizontal arrow: a shaft and a triangular head."""
    if not pointing_right:
        x = 1 - x
    shaft = 0.2 <= x <= 0.62 and abs(y - centre_y) <= 0.065
    head = 0.56 <= x <= 0.82 and abs(y - centre_y) <= 0.17 * (0.82 - x) / 0.26
    return shaft or head


def pixel(size, px, py):
    """Blue-green-red-alpha of one pixel, averaged over its samples."""
    tile = arrow = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            x = (px + (sx + 0.5) / SAMPLES) / size
            y = (py + (sy + 0.5) / SAMPLES) / size
            if in_tile(x, y):
                tile += 1
                if in_arrow(x, y, 0.34, True) or in_arrow(x, y, 0.66, False):
                    arrow += 1
    if tile == 0:
        return (0, 0, 0, 0)
    shade = py / max(size - 1, 1)
    blue = (int(0xE0 - 0x40 * shade), int(0x7C - 0x30 * shade), int(0x2A - 0x10 * shade))
    white = arrow / tile
    colour = tuple(round(c + (255 - c) * white) for c in blue)
    return colour + (round(255 * tile / SAMPLES ** 2),)


def bitmap(size):
    """The image as an icon's bitmap: header, colour rows and mask rows, bottom row first."""
    rows = [[pixel(size, px, py) for px in range(size)] for py in range(size)]
    colour = b"".join(bytes(v for p in row for v in p) for row in reversed(rows))
    mask_stride = (size + 31) // 32 * 4
    mask = b""
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for px, p in enumerate(row):
            if p[3] == 0:
                bits[px // 8] |= 0x80 >> (px % 8)
        mask += bytes(bits)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                         len(colour) + len(mask), 0, 0, 0, 0)
    return header + colour + mask


def main():
    images = [bitmap(size) for size in SIZES]
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(SIZES, images):
        data += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    data += b"".join(images)
    target = pathlib.Path(__file__).resolve().parent.parent / "shell" / "win32" / "hexdec.ico"
    target.write_bytes(data)


if __name__ == "__main__":
    main()
