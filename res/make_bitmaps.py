#!/usr/bin/env python3
"""Draws the main frame's bitmaps as 16-colour BMP files, with nothing but the standard library.

toolbar.bmp: 9 images of 16 x 15 pixels side by side; the first 8 are the toolbar buttons in button
order (New, Open, Save, Cut, Copy, Paste, Print, About), the 9th is context help, which no button
uses. The light grey (192,192,192) around each picture is the transparent colour.
corvantine.bmp and document.bmp: the 32 x 32 application and document icons, transparent where
they are light grey too.

Run it from this folder after changing a picture: python3 make_bitmaps.py
"""

import struct
from pathlib import Path

# The standard 16-colour palette, in index order.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
# One letter per palette index in the drawings below.
INK = {'k': 0, 'm': 1, 'G': 2, 'o': 3, 'b': 4, 'p': 5, 't': 6, '.': 7,
       'g': 8, 'r': 9, 'l': 10, 'y': 11, 'B': 12, 'f': 13, 'c': 14, 'w': 15}

BUTTONS = {
    'new': """
................
...kkkkkkk......
...kwwwwwkk.....
...kwwwwwkwk....
...kwwwwwkkkk...
...kwwwwwwwwk...
...kwwwwwwwwk...
...kwwwwwwwwk...
...kwwwwwwwwk...
...kwwwwwwwwk...
...kwwwwwwwwk...
...kwwwwwwwwk...
...kwwwwwwwwk...
...kkkkkkkkkk...
................
""",
    'open': """
................
................
..........kkk...
.........k...k.k
..............kk
..kkkkk......kkk
.kyyyyyk........
.kyyyyyykkkkkkk.
.kyyyyyyyyyyyyk.
.kyykkkkkkkkkkkk
.kyyk.oooooooooo
.kyk.ooooooooook
.kykoooooooooook
.kkooooooooooook
.kkkkkkkkkkkkkk.
""",
    'save': """
................
.kkkkkkkkkkkkkk.
.kbkwwwwwwwwkbk.
.kbkwwwwwwwwkbk.
.kbkwwwwwwwwkbk.
.kbkwwwwwwwwkbk.
.kbbkkkkkkkkbbk.
.kbbbbbbbbbbbbk.
.kbbkkkkkkkbbbk.
.kbbkwwkkkkbbbk.
.kbbkwwkkkkbbbk.
.kbbkwwkkkkbbbk.
.kbbkkkkkkkbbbk.
.kkkkkkkkkkkkkk.
................
""",
    'cut': """
................
....k.....k.....
....k.....k.....
....kk...kk.....
.....k...k......
.....kk.kk......
......kkk.......
.......k........
......bbbb......
....bbbb.bbb....
...bb..b.b..bb..
...b...b.b...b..
...b...b.b...b..
...bb.bb..bb.b..
....bbb....bbb..
""",
    'copy': """
................
kkkkkkk.........
kwwwwwkk........
kwkkkwkwk.......
kwwwwwkkkkkkk...
kwkkkkkwwwwwkk..
kwwwwwkwkkkwkwk.
kwkkkkkwwwwwkkkk
kwwwwwkwkkkkkwwk
kkkkkkkwwwwwwwwk
.......wkkkkkkwk
.......kwwwwwwwk
.......kwkkkkkwk
.......kwwwwwwwk
.......kkkkkkkkk
""",
    'paste': """
.....kkkkk......
.kkkkkyyykkkk...
kooookykykooook.
kookkkkkkkkkook.
kookwwwwwwwkook.
kookwkkkkkwkook.
kookwwwwwwwkook.
kookwkkkkkwkook.
kookwwwwwwwkook.
kookwkkkkwwkook.
kookwwwwwwwkook.
kookwkkkkkwkook.
kookwwwwwwwkook.
kooookkkkkooook.
.kkkkkkkkkkkkk..
""",
    'print': """
................
....kkkkkkkk....
....kwwwwwwk....
....kwkkkkwk....
....kwwwwwwk....
..kkkkkkkkkkkk..
.kwwwwwwwwwwwwk.
.kwwwwwwwwwllwk.
.kggggggggggggk.
.kggggggggggggk.
.kkkkkkkkkkkkkk.
..kwkkkkkkkkwk..
..kwwwwwwwwwwk..
..kkkkkkkkkkkk..
................
""",
    'about': """
................
.....bbbbbb.....
....bbBBBBbb....
...bbBB..BBbb...
...bBB....BBb...
...bBB....BBb...
.........BBb....
........BBb.....
.......BBb......
.......BBb......
.......BBb......
................
.......BBb......
.......BBb......
................
""",
    'help': """
k...............
kk.......bbbbb..
kwk.....bbBBBbb.
kwwk....bB..bBb.
kwwwk.......BBb.
kwwwwk.....BBb..
kwwwwwk...BBb...
kwwkkkkk..BBb...
kwkwwk....BBb...
kk.kwwk.........
k...kwwk..BBb...
.....kwwk.BBb...
.....kwwk.......
......kk........
................
""",
}
ORDER = ['new', 'open', 'save', 'cut', 'copy', 'paste', 'print', 'about', 'help']
WIDTH, HEIGHT = 16, 15


def parse(drawing):
    rows = drawing.strip('\n').split('\n')
    assert len(rows) == HEIGHT, len(rows)
    for row in rows:
        assert len(row) == WIDTH, row
    return [[INK[c] for c in row] for row in rows]


def write_bmp(path, pixels):
    """pixels: rows top to bottom of palette indices. Writes a 4-bit uncompressed BMP."""
    height, width = len(pixels), len(pixels[0])
    row_bytes = ((width + 1) // 2 + 3) // 4 * 4
    data = bytearray()
    for row in reversed(pixels):  # BMP rows run bottom-up
        packed = bytearray()
        for x in range(0, width, 2):
            high = row[x]
            low = row[x + 1] if x + 1 < width else 0
            packed.append(high << 4 | low)
        packed.extend(b'\0' * (row_bytes - len(packed)))
        data.extend(packed)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    header = struct.pack('<2sIHHI', b'BM', offset + len(data), 0, 0, offset)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 4, 0, len(data), 3780, 3780, 16, 16)
    Path(path).write_bytes(header + info + palette + data)


def toolbar():
    images = [parse(BUTTONS[name]) for name in ORDER]
    return [sum((image[y] for image in images), []) for y in range(HEIGHT)]


def canvas(size=32):
    return [[INK['.']] * size for _ in range(size)]


def fill(pixels, left, top, right, bottom, ink):
    for y in range(top, bottom):
        for x in range(left, right):
            pixels[y][x] = INK[ink]


def frame(pixels, left, top, right, bottom, ink):
    fill(pixels, left, top, right, top + 1, ink)
    fill(pixels, left, bottom - 1, right, bottom, ink)
    fill(pixels, left, top, left + 1, bottom, ink)
    fill(pixels, right - 1, top, right, bottom, ink)


def application_icon():
    """A paging station: a navy tile with a white loudspeaker and its sound, a red key row."""
    pixels = canvas()
    fill(pixels, 1, 1, 31, 31, 'b')
    frame(pixels, 1, 1, 31, 31, 'k')
    # The loudspeaker: a box and a cone widening to the right.
    fill(pixels, 6, 10, 11, 17, 'w')
    for step in range(6):
        fill(pixels, 11 + step, 10 - step, 12 + step, 17 + step, 'w')
    # Two arcs of sound.
    for y in range(9, 19):
        pixels[y][20 if 11 <= y <= 16 else 19] = INK['y']
    for y in range(6, 22):
        pixels[y][24 if 9 <= y <= 18 else 23] = INK['y']
    # The station's key row.
    fill(pixels, 5, 24, 27, 28, 'w')
    for left in (6, 11, 16, 21):
        fill(pixels, left, 25, left + 4, 27, 'r')
    return pixels


def document_icon():
    """A configuration: a page with a dog-ear and a small grid of switched-on zones."""
    pixels = canvas()
    fill(pixels, 6, 2, 26, 30, 'w')
    frame(pixels, 6, 2, 26, 30, 'k')
    fill(pixels, 20, 2, 26, 8, '.')
    for step in range(6):
        pixels[2 + step][20 + step] = INK['k']
    fill(pixels, 20, 2, 21, 8, 'k')
    fill(pixels, 20, 7, 26, 8, 'k')
    for row in range(4):
        for column in range(4):
            left, top = 9 + 4 * column, 11 + 4 * row
            frame(pixels, left, top, left + 4, top + 4, 'g')
            if (row + column) % 3 != 1:
                fill(pixels, left + 1, top + 1, left + 3, top + 3, 'r')
    return pixels


if __name__ == '__main__':
    here = Path(__file__).resolve().parent
    write_bmp(here / 'toolbar.bmp', toolbar())
    write_bmp(here / 'corvantine.bmp', application_icon())
    write_bmp(here / 'document.bmp', document_icon())
