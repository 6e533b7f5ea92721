#!/usr/bin/env python3
"""Draws the tray and window icons: a framed landscape picture (enabled) and the same
picture greyed with a red bar (disabled). Writes enabled.ico and disabled.ico beside this
script, each with 16x16 and 32x32 images of 32 bits plus the transparency mask, which
every Windows from 2000 on reads. Run it again after changing the drawing."""
import os
import struct


def picture(size, enabled):
    s = size / 32.0
    px = [[None] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            fx, fy = (x + 0.5) / s, (y + 0.5) / s
            if fx < 2 or fx > 30 or fy < 5 or fy > 27:
                continue  # transparent outside the frame
            if fx < 4 or fx > 28 or fy < 7 or fy > 25:
                c = (90, 60, 30)  # wooden frame
            elif (fx - 21) ** 2 + (fy - 12) ** 2 < 9:
                c = (250, 210, 40)  # sun
            elif fy > 19 + 3 * ((fx - 12) / 10.0) ** 2 - 2:
                c = (60, 160, 60)  # hill
            else:
                c = (110, 170, 235)  # sky
            if not enabled:
                g = int(0.3 * c[0] + 0.59 * c[1] + 0.11 * c[2])
                g = 100 + g // 3
                c = (g, g, g)
                # A red bar from corner to corner says "off".
                if abs((fx - 2) - (fy - 5) * 28 / 22.0) < 2.2:
                    c = (210, 30, 30)
            px[y][x] = c
    return px


def icon_image(size, enabled):
    px = picture(size, enabled)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = bytearray()
    for y in reversed(range(size)):  # bottom-up rows
        for x in range(size):
            c = px[y][x]
            xor += bytes((0, 0, 0, 0)) if c is None else bytes((c[2], c[1], c[0], 255))
    stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for y in reversed(range(size)):
        row = bytearray(stride)
        for x in range(size):
            if px[y][x] is None:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return header + bytes(xor) + bytes(mask)


def write_icon(path, enabled):
    images = [(s, icon_image(s, enabled)) for s in (16, 32)]
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for s, data in images:
        out += struct.pack('<BBBBHHII', s, s, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    with open(path, 'wb') as f:
        f.write(out)


here = os.path.dirname(os.path.abspath(__file__))
write_icon(os.path.join(here, 'enabled.ico'), True)
write_icon(os.path.join(here, 'disabled.ico'), False)
