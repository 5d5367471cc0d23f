#!/usr/bin/env python3
"""Draws Tessar's tray icons (a tablet with macro keys; grey and crossed out
when disabled) as 16x16 and 32x32 32-bit icons. Run from this folder."""
import struct


def pixels(size, enabled):
    body = (0x2E, 0x7D, 0x32, 0xFF) if enabled else (0x80, 0x80, 0x80, 0xFF)   # RGBA
    pad = (0xE8, 0xF5, 0xE9, 0xFF) if enabled else (0xD0, 0xD0, 0xD0, 0xFF)
    key = (0xFF, 0xC1, 0x07, 0xFF) if enabled else (0xA0, 0xA0, 0xA0, 0xFF)
    cross = (0xD3, 0x2F, 0x2F, 0xFF)
    s = size / 16.0
    out = [[(0, 0, 0, 0)] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            fx, fy = x / s, y / s
            if 1 <= fx < 15 and 3 <= fy < 13:
                out[y][x] = body
                if 4 <= fx < 14 and 4 <= fy < 12:
                    out[y][x] = pad
                if 1.5 <= fx < 3.5 and any(k <= fy < k + 1.2 for k in (4, 6.5, 9)):
                    out[y][x] = key
            if not enabled and (abs(fx - fy) < 1.0 or abs(fx - (15 - fy)) < 1.0) and 1 <= fy < 15:
                out[y][x] = cross
    return out


def image(size, enabled):
    rows = pixels(size, enabled)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b''.join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    mask_row = ((size + 31) // 32) * 4
    andmask = b''
    for row in reversed(rows):
        bits = bytearray(mask_row)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        andmask += bytes(bits)
    return header + xor + andmask


def write(name, enabled):
    images = [image(n, enabled) for n in (16, 32)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, data in zip((16, 32), images):
        out += struct.pack('<BBBBHHII', n, n, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(name, 'wb') as f:
        f.write(out + b''.join(images))


write('Enabled.ico', True)
write('Disabled.ico', False)
