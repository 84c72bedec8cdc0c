#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws Kestrova's icon and writes it as kestrova.ico and as PNGs for icon themes.

The picture is a small program window: a frame, a navy title bar with three buttons and a white client
area in which a source shines through two holes onto a detector, whose bars show the fringes. It is
pixel art in two sizes, 32 and 16; the larger PNGs are whole-number enlargements of them, so every edge
stays sharp.

    python3 make_icons.py          write kestrova.ico and icons/<N>x<N>/kestrova.png next to this script
    python3 make_icons.py --check  only compare those files with what would be written (exit 1 if stale)

Standard library only; the output is byte-for-byte the same on every run.
"""

import pathlib
import struct
import sys
import zlib

HERE = pathlib.Path(__file__).resolve().parent

# The 16 colours of the classic VGA palette; the 4-bit images index into it.
PALETTE16 = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
PALETTE2 = [(0x00, 0x00, 0x00), (0xFF, 0xFF, 0xFF)]

# Each letter of the drawings: (index in PALETTE16, index in PALETTE2). '.' is transparent.
# In black and white the title bar turns black and its buttons white, as on a monochrome screen.
INK = {
    'k': (0, 0),   # frame, aperture screen
    'g': (8, 0),   # drop shadow
    'd': (8, 0),   # detector
    'n': (4, 0),   # title bar
    'w': (15, 1),  # client area, title text
    's': (7, 1),   # title-bar buttons
    'x': (9, 1),   # close button
    'r': (9, 0),   # source
    'G': (2, 0),   # probability bars
}

WINDOW_32 = """
................................
................................
................................
.kkkkkkkkkkkkkkkkkkkkkkkkkkkkk..
.knnnnnnnnnnnnnnnnnnnnnnnnnnnkg.
.knnnnnnnnnnnnnnnsssnsssnxxxnkg.
.knnwwwwwwwwnnnnnsssnsssnxxxnkg.
.knnnnnnnnnnnnnnnsssnsssnxxxnkg.
.knnnnnnnnnnnnnnnnnnnnnnnnnnnkg.
.kkkkkkkkkkkkkkkkkkkkkkkkkkkkkg.
.kwwwwwwwwwwwwwwwwwwwwwwwwwwwkg.
.kwwwwwwwwkwwwwwwwwdwwwwwwwwwkg.
.kwwwwwwwwkwwwwwwwwdGGGwwwwwwkg.
.kwwwwwwwwkwwwwwwwwdwwwwwwwwwkg.
.kwwwwwwwwkwwwwwwwwdGGGGGGwwwkg.
.kwwwwwwwwwwwwwwwwwdwwwwwwwwwkg.
.kwwwwwwwwkwwwwwwwwdGGwwwwwwwkg.
.kwwwrwwwwkwwwwwwwwdwwwwwwwwwkg.
.kwwrrrwwwkwwwwwwwwdGGGGGGGGwkg.
.kwwwrwwwwkwwwwwwwwdwwwwwwwwwkg.
.kwwwwwwwwkwwwwwwwwdGGwwwwwwwkg.
.kwwwwwwwwwwwwwwwwwdwwwwwwwwwkg.
.kwwwwwwwwkwwwwwwwwdGGGGGGwwwkg.
.kwwwwwwwwkwwwwwwwwdwwwwwwwwwkg.
.kwwwwwwwwkwwwwwwwwdGGGwwwwwwkg.
.kwwwwwwwwkwwwwwwwwdwwwwwwwwwkg.
.kwwwwwwwwwwwwwwwwwwwwwwwwwwwkg.
.kkkkkkkkkkkkkkkkkkkkkkkkkkkkkg.
..ggggggggggggggggggggggggggggg.
................................
................................
................................
"""

WINDOW_16 = """
................
kkkkkkkkkkkkkkk.
knnnnnnnnnnnnnkg
knwwwwnnssnxxnkg
knnnnnnnnnnnnnkg
kkkkkkkkkkkkkkkg
kwwwwwkwwdwwwwkg
kwwwwwkwwdGGwwkg
kwwrwwwwwdwwwwkg
kwrrrwkwwdGGGwkg
kwwrwwwwwdwwwwkg
kwwwwwkwwdGGwwkg
kwwwwwkwwdwwwwkg
kkkkkkkkkkkkkkkg
.ggggggggggggggg
................
"""


def rows(drawing):
    grid = drawing.strip().splitlines()
    size = len(grid)
    for line in grid:
        if len(line) != size or any(ch != '.' and ch not in INK for ch in line):
            raise ValueError(f'bad drawing row: {line!r}')
    return grid


# --- ICO --------------------------------------------------------------------------------------

def bmp_rows(bits_per_pixel, values):
    """Packs one row of palette indices (or mask bits) MSB first, padded to a 32-bit boundary."""
    out = bytearray()
    acc = nbits = 0
    for v in values:
        acc = (acc << bits_per_pixel) | v
        nbits += bits_per_pixel
        if nbits == 8:
            out.append(acc)
            acc = nbits = 0
    if nbits:
        out.append(acc << (8 - nbits))
    while len(out) % 4:
        out.append(0)
    return bytes(out)


def ico_image(grid, bits_per_pixel):
    size = len(grid)
    palette = PALETTE2 if bits_per_pixel == 1 else PALETTE16
    column = 1 if bits_per_pixel == 1 else 0
    xor = bytearray()
    mask = bytearray()
    for line in reversed(grid):  # bitmaps are stored bottom-up
        # Transparent pixels are black in the colour bitmap, so the mask leaves the screen under them unchanged.
        xor += bmp_rows(bits_per_pixel, [0 if ch == '.' else INK[ch][column] for ch in line])
        mask += bmp_rows(1, [1 if ch == '.' else 0 for ch in line])
    header = struct.pack('<IiiHHIIiiII', 40, size, 2 * size, 1, bits_per_pixel, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    colours = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in palette)
    return size, len(palette), bits_per_pixel, header + colours + bytes(xor) + bytes(mask)


def ico_file(images):
    directory = struct.pack('<HHH', 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b''
    data = b''
    for size, colours, bits_per_pixel, image in images:
        entries += struct.pack('<BBBBHHII', size % 256, size % 256, colours % 256, 0, 1, bits_per_pixel,
                               len(image), offset + len(data))
        data += image
    return directory + entries + data


# --- PNG --------------------------------------------------------------------------------------

def rgba_rows(grid, scale):
    out = []
    for line in grid:
        row = bytearray()
        for ch in line:
            pixel = bytes(4) if ch == '.' else bytes(PALETTE16[INK[ch][0]]) + b'\xff'
            row += pixel * scale
        out.extend([bytes(row)] * scale)
    return out


def png_file(pixel_rows):
    height = len(pixel_rows)
    width = len(pixel_rows[0]) // 4

    def chunk(kind, body):
        return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))

    raw = b''.join(b'\x00' + row for row in pixel_rows)
    return (b'\x89PNG\r\n\x1a\n'
            + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 6, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(raw, 9))
            + chunk(b'IEND', b''))


# Theme sizes and the drawing each is enlarged from.
PNG_SIZES = {16: WINDOW_16, 32: WINDOW_32, 48: WINDOW_16, 64: WINDOW_32, 128: WINDOW_32, 256: WINDOW_32}


def outputs():
    big, small = rows(WINDOW_32), rows(WINDOW_16)
    files = {HERE / 'kestrova.ico': ico_file([ico_image(big, 1), ico_image(big, 4), ico_image(small, 4)])}
    for size, drawing in PNG_SIZES.items():
        grid = rows(drawing)
        files[HERE / 'icons' / f'{size}x{size}' / 'kestrova.png'] = png_file(rgba_rows(grid, size // len(grid)))
    return files


def main(argv):
    check = argv[1:] == ['--check']
    if argv[1:] and not check:
        sys.exit(__doc__)
    stale = []
    for path, content in outputs().items():
        if check:
            if not path.is_file() or path.read_bytes() != content:
                stale.append(path.relative_to(HERE))
        else:
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_bytes(content)
    if stale:
        print('out of date (run make_icons.py):', *stale, file=sys.stderr)
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
