#!/usr/bin/env python3
"""Draws the images of the chart edit dialog's tree (tree_images.bmp beside this script).

Fourteen images of 16 by 16 pixels side by side, in pairs: the image of a selected item, then the
image of an item that is not selected, for the chart, the components folder, a component, an
annotation, a data group, a data item and a value. White is the mask colour: it shows as the tree's
background. Run it after changing a picture; the build only reads the file it writes.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
WHITE = (255, 255, 255)
PALETTE = {
    'k': (0, 0, 0), 'g': (128, 128, 128), 'l': (192, 192, 192), 'w': (254, 254, 254),
    'b': (0, 0, 160), 'B': (64, 128, 255), 'r': (192, 0, 0), 'R': (255, 96, 96),
    'y': (192, 160, 0), 'Y': (255, 224, 64), 'G': (0, 160, 0), 'o': (224, 128, 0),
}

# Each picture is 16 rows of 16 characters; '.' is background.
PICTURES = [
    # chart, selected: coloured bars on axes
    ["................", "................", "............R...", "............R...",
     "........B...R...", "........B...R...", "...G....B...R...", "...G....B...R...",
     "...G....B...R...", "...G....B...R...", "...G....B...R...", ".k.G..k.B..kR...",
     ".kkkkkkkkkkkkkk.", ".k..............", "................", "................"],
    # chart: grey bars
    ["................", "................", "............g...", "............g...",
     "........g...g...", "........g...g...", "...g....g...g...", "...g....g...g...",
     "...g....g...g...", "...g....g...g...", "...g....g...g...", ".k.g..k.g..kg...",
     ".kkkkkkkkkkkkkk.", ".k..............", "................", "................"],
    # folder, selected: open
    ["................", "................", "..kkkk..........", ".kYYYYk.........",
     ".kYYYYkkkkkkkk..", ".kYYYYYYYYYYYk..", ".kYYkkkkkkkkkkkk", ".kYkYYYYYYYYYYk.",
     ".kYkYYYYYYYYYYk.", ".kkYYYYYYYYYYk..", ".kkYYYYYYYYYYk..", ".kkkkkkkkkkkk...",
     "................", "................", "................", "................"],
    # folder: closed
    ["................", "................", "..kkkk..........", ".kyyyyk.........",
     ".kyyyykkkkkkkk..", ".kyyyyyyyyyyyk..", ".kyyyyyyyyyyyk..", ".kyyyyyyyyyyyk..",
     ".kyyyyyyyyyyyk..", ".kyyyyyyyyyyyk..", ".kyyyyyyyyyyyk..", ".kkkkkkkkkkkkk..",
     "................", "................", "................", "................"],
    # component, selected
    ["................", "................", "..kkkkkkkkkkk...", "..kBBBBBBBBBk...",
     "..kBkkkkkkkBk...", "..kBkwwwwwkBk...", "..kBkwwwwwkBk...", "..kBkwwwwwkBk...",
     "..kBkwwwwwkBk...", "..kBkkkkkkkBk...", "..kBBBBBBBBBk...", "..kkkkkkkkkkk...",
     "................", "................", "................", "................"],
    # component
    ["................", "................", "..kkkkkkkkkkk...", "..kbbbbbbbbbk...",
     "..kbkkkkkkkbk...", "..kbklllllkbk...", "..kbklllllkbk...", "..kbklllllkbk...",
     "..kbklllllkbk...", "..kbkkkkkkkbk...", "..kbbbbbbbbbk...", "..kkkkkkkkkkk...",
     "................", "................", "................", "................"],
    # annotation, selected: a note with lines
    ["................", "..kkkkkkkkk.....", "..kYYYYYYYkk....", "..kYkkkkYYkYk...",
     "..kYYYYYYYkkkk..", "..kYkkkkkkkYk...", "..kYYYYYYYYYk...", "..kYkkkkkkkYk...",
     "..kYYYYYYYYYk...", "..kYkkkkkYYYk...", "..kYYYYYYYYYk...", "..kkkkkkkkkkk...",
     "................", "................", "................", "................"],
    # annotation
    ["................", "..kkkkkkkkk.....", "..kwwwwwwwkk....", "..kwggggwwkwk...",
     "..kwwwwwwwkkkk..", "..kwgggggggwk...", "..kwwwwwwwwwk...", "..kwgggggggwk...",
     "..kwwwwwwwwwk...", "..kwgggggwwwk...", "..kwwwwwwwwwk...", "..kkkkkkkkkkk...",
     "................", "................", "................", "................"],
    # group, selected: three rows of cells
    ["................", "................", ".kkkkkkkkkkkkk..", ".kRRkRRkRRkRRk..",
     ".kkkkkkkkkkkkk..", ".kRRkRRkRRkRRk..", ".kkkkkkkkkkkkk..", ".kRRkRRkRRkRRk..",
     ".kkkkkkkkkkkkk..", "................", "................", "................",
     "................", "................", "................", "................"],
    # group
    ["................", "................", ".kkkkkkkkkkkkk..", ".krrkrrkrrkrrk..",
     ".kkkkkkkkkkkkk..", ".krrkrrkrrkrrk..", ".kkkkkkkkkkkkk..", ".krrkrrkrrkrrk..",
     ".kkkkkkkkkkkkk..", "................", "................", "................",
     "................", "................", "................", "................"],
    # item, selected: one cell
    ["................", "................", "................", "....kkkkkkk.....",
     "....kRRRRRk.....", "....kRRRRRk.....", "....kRRRRRk.....", "....kRRRRRk.....",
     "....kkkkkkk.....", "................", "................", "................",
     "................", "................", "................", "................"],
    # item
    ["................", "................", "................", "....kkkkkkk.....",
     "....krrrrrk.....", "....krrrrrk.....", "....krrrrrk.....", "....krrrrrk.....",
     "....kkkkkkk.....", "................", "................", "................",
     "................", "................", "................", "................"],
    # value, selected: the digits 1.5
    ["................", "................", "...o....oooo....", "..oo....o.......",
     "...o....o.......", "...o....ooo.....", "...o.......o....", "...o.......o....",
     "..ooo.o.ooo.....", "................", "................", "................",
     "................", "................", "................", "................"],
    # value
    ["................", "................", "...G....GGGG....", "..GG....G.......",
     "...G....G.......", "...G....GGG.....", "...G.......G....", "...G.......G....",
     "..GGG.G.GGG.....", "................", "................", "................",
     "................", "................", "................", "................"],
]


def write_bmp(path, width, height, pixels):
    """A 24-bit bottom-up BMP of the rows of (r, g, b) pixels."""
    row_size = (width * 3 + 3) & ~3
    data = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for r, g, b in pixels[y]:
            row += bytes((b, g, r))
        row += bytes(row_size - len(row))
        data += row
    header = struct.pack('<2sIHHI', b'BM', 54 + len(data), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(header + info + data)


def main():
    width = 16 * len(PICTURES)
    pixels = [[WHITE] * width for _ in range(16)]
    for n, rows in enumerate(PICTURES):
        assert len(rows) == 16 and all(len(row) == 16 for row in rows), n
        for y, row in enumerate(rows):
            for x, ch in enumerate(row):
                if ch != '.':
                    pixels[y][16 * n + x] = PALETTE[ch]
    write_bmp(os.path.join(HERE, 'tree_images.bmp'), width, 16, pixels)


if __name__ == '__main__':
    main()
