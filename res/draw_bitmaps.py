#!/usr/bin/env python3
"""Draws Ondrix's bitmaps and icon (the files beside this script) from the pictures described here.

The pictures are drawn pixel by pixel so that they are the same on every machine and need nothing
but Python. Run it from anywhere after changing a picture; the build only reads the files it writes.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

FACE = (192, 192, 192)  # the button face the tool bar and the masked image lists make transparent


class Canvas:
    def __init__(self, width, height, fill=FACE):
        self.width, self.height = width, height
        self.pixels = [[fill] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        """Fills the rectangle from (x0, y0) to (x1, y1), both corners included."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        for x in range(x0, x1 + 1):
            self.put(x, y0, colour)
            self.put(x, y1, colour)
        for y in range(y0, y1 + 1):
            self.put(x0, y, colour)
            self.put(x1, y, colour)

    def line(self, x0, y0, x1, y1, colour, thick=1):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            x = round(x0 + (x1 - x0) * i / steps)
            y = round(y0 + (y1 - y0) * i / steps)
            for dy in range(thick):
                for dx in range(thick):
                    self.put(x + dx, y + dy, colour)

    def disc(self, cx, cy, r, colour):
        for y in range(cy - r, cy + r + 1):
            for x in range(cx - r, cx + r + 1):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r + r // 2:
                    self.put(x, y, colour)

    def art(self, x0, y0, rows, palette):
        """Draws a picture given as text rows; each character names a colour of palette ('.' is none)."""
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch != '.':
                    self.put(x0 + dx, y0 + dy, palette[ch])

    def text(self, x0, y0, text, colour, scale=1):
        x = x0
        for ch in text:
            glyph = FONT.get(ch, FONT[' '])
            for gy, row in enumerate(glyph):
                for gx, bit in enumerate(row):
                    if bit == '#':
                        self.rect(x + gx * scale, y0 + gy * scale, x + gx * scale + scale - 1,
                                  y0 + gy * scale + scale - 1, colour)
            x += (len(glyph[0]) + 1) * scale
        return x

    def save_bmp(self, name):
        """Writes a 24-bit bottom-up BMP file."""
        stride = (self.width * 3 + 3) & ~3
        rows = []
        for y in range(self.height - 1, -1, -1):
            row = bytearray()
            for (r, g, b) in self.pixels[y]:
                row += bytes((b, g, r))
            row += bytes(stride - len(row))
            rows.append(bytes(row))
        data = b''.join(rows)
        header = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(data), 0, 0, 14 + 40)
        info = struct.pack('<IiiHHIIiiII', 40, self.width, self.height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
        with open(os.path.join(HERE, name), 'wb') as f:
            f.write(header + info + data)

    def save_bmp8(self, name):
        """Writes an 8-bit bottom-up BMP file with a colour table, which the program can map to the
        system's button colours when it loads the picture (the face, shadow, highlight and text
        entries)."""
        colours = sorted({c for row in self.pixels for c in row})
        assert len(colours) <= 256, name
        index = {c: i for i, c in enumerate(colours)}
        table = b''.join(bytes((b, g, r, 0)) for (r, g, b) in colours)
        stride = (self.width + 3) & ~3
        rows = []
        for y in range(self.height - 1, -1, -1):
            row = bytes(index[c] for c in self.pixels[y])
            rows.append(row + bytes(stride - len(row)))
        data = b''.join(rows)
        offset = 14 + 40 + len(table)
        header = struct.pack('<2sIHHI', b'BM', offset + len(data), 0, 0, offset)
        info = struct.pack('<IiiHHIIiiII', 40, self.width, self.height, 1, 8, 0, len(data), 2835, 2835,
                           len(colours), 0)
        with open(os.path.join(HERE, name), 'wb') as f:
            f.write(header + info + table + data)


def text_width(text, scale=1):
    return sum((len(FONT.get(ch, FONT[' '])[0]) + 1) * scale for ch in text) - scale


# A 5 by 7 capital font, enough for the splash picture's texts.
FONT = {
    ' ': ["....."] * 7,
    '-': [".....", ".....", ".....", "#####", ".....", ".....", "....."],
    'A': [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    'B': ["####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."],
    'C': [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    'D': ["####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."],
    'E': ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    'G': [".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".###."],
    'I': ["###", ".#.", ".#.", ".#.", ".#.", ".#.", "###"],
    'L': ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    'M': ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    'N': ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    'O': [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    'P': ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    'R': ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    'S': [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    'T': ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    'U': ["#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    'V': ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    'X': ["#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"],
    'Y': ["#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."],
}

K = (0, 0, 0)
W = (255, 255, 255)
PAL = {
    'k': K, 'w': W,
    'g': (128, 128, 128), 'l': (224, 224, 224),
    'y': (255, 208, 64), 'o': (192, 128, 0),
    'b': (0, 64, 192), 'c': (64, 160, 255), 'n': (0, 0, 128),
    'r': (208, 0, 0), 'G': (0, 160, 0), 'd': (0, 96, 0),
    'p': (160, 0, 160),
}

# Tool-bar buttons, 16 by 15 pixels each, in the order of the tool bar resource.
BUTTONS = [
    # New project: a blank page with a folded corner
    ["...kkkkkkk......", "...kwwwwwkk.....", "...kwwwwwkwk....", "...kwwwwwkkkk...",
     "...kwwwwwwwwk...", "...kwwwwwwwwk...", "...kwwwwwwwwk...", "...kwwwwwwwwk...",
     "...kwwwwwwwwk...", "...kwwwwwwwwk...", "...kwwwwwwwwk...", "...kwwwwwwwwk...",
     "...kwwwwwwwwk...", "...kkkkkkkkkk...", "................"],
    # Open: a folder opening
    ["................", "..........kkk...", ".........k...k.k", "..............kk",
     ".kkk.........kkk", "kyyykkkkkkk.....", "kywyyyyyyyk.....", "kwykkkkkkkkkk...",
     "kywkooooooooook.", "kwkooooooooook..", "kykooooooooook..", "kkooooooooook...",
     "kkkkkkkkkkkk....", "................", "................"],
    # Save: a disk
    ["................", ".kkkkkkkkkkkkk..", ".kbkwwwwwwwkbk..", ".kbkwwwwwwwkbk..",
     ".kbkwwwwwwwkbk..", ".kbkwwwwwwwkbk..", ".kbbkkkkkkkbbk..", ".kbbbbbbbbbbbk..",
     ".kbbkkkkkkkbbk..", ".kbbkllkgglbbk..", ".kbbkllkgglbbk..", ".kbbkllkgglbbk..",
     "..kkkkkkkkkkkk..", "................", "................"],
    # Cut: scissors
    ["....k.....k.....", "....k.....k.....", "....k.....k.....", "....kk...kk.....",
     ".....k...k......", ".....kk.kk......", "......k.k.......", ".......k........",
     "......r.r.......", "....rrr.rrr.....", "...r..r.r..r....", "...r..r.r..r....",
     "...r..r.r..r....", "....rr...rr.....", "................"],
    # Copy: two pages
    ["kkkkkk..........", "kwwwwkk.........", "kwkkwkwk........", "kwwwwkkkkkkk....",
     "kwkkkwwkwwwkk...", "kwwwwwwkwkwkwk..", "kwkkkkwkwwwkkkk.", "kwwwwwwkwkkkwwk.",
     "kkkkkkkkwwwwwwk.", ".......kwkkkkwk.", ".......kwwwwwwk.", ".......kwkkkkwk.",
     ".......kwwwwwwk.", ".......kkkkkkkk.", "................"],
    # Paste: a clipboard with a page on it
    ["....kkkk........", ".kkkyyyykkk.....", "kooklllkook.....", "kokkkkkkkok.....",
     "kooooooooook....", "kooookkkkkkkk...", "kooookwwwwwkwk..", "kooookwkkkwkwwk.",
     "kooookwwwwwkkkk.", "kooookwkkkkwwwk.", "kooookwwwwwwwwk.", "kooookwkkkkkkwk.",
     ".kkkkkwwwwwwwwk.", "......kkkkkkkkk.", "................"],
    # Print: a printer with a page
    ["................", "....kkkkkkkk....", "....kwwwwwwk....", "....kwkkkkwk....",
     "....kwwwwwwk....", "..kkkkkkkkkkkk..", ".kllllllllllllk.", ".klllllllllGGlk.",
     ".kggggggggggggk.", ".kllllllllllllk.", "..kkkwwwwwwkkk..", "....kwkkkkwk....",
     "....kwwwwwwk....", "....kkkkkkkk....", "................"],
    # Solve: the "run" arrow over an equals sign
    ["................", "...kk...........", "...kGk..........", "...kGGk.........",
     "...kGGGk........", "...kGGGGk.......", "...kGGGGGk......", "...kGGGGGGk.....",
     "...kGGGGGk......", "...kGGGGk.......", "...kGGGk........", "...kGGk.........",
     "...kGk..........", "...kk...........", "................"],
    # Preserve Kendall's coefficient: the letter tau in a padlock
    ["......kkkk......", ".....k....k.....", "....k......k....", "....k......k....",
     "..kkkkkkkkkkkk..", "..kyyyyyyyyyyk..", "..kykkkkkkkkyk..", "..kyyyykkyyyyk..",
     "..kyyyykkyyyyk..", "..kyyyykkyyyyk..", "..kyyyykkykyyk..", "..kyyyyykkyyyk..",
     "..kyyyyyyyyyyk..", "..kkkkkkkkkkkk..", "................"],
    # Evaluations of alternatives: a grid with a head row and column
    ["................", "kkkkkkkkkkkkkkkk", "kgggkccckccckcck", "kkkkkkkkkkkkkkkk",
     "kgggkwwwkwwwkwwk", "kgggkwwwkwwwkwwk", "kkkkkkkkkkkkkkkk", "kgggkwwwkwwwkwwk",
     "kgggkwwwkwwwkwwk", "kkkkkkkkkkkkkkkk", "kgggkwwwkwwwkwwk", "kgggkwwwkwwwkwwk",
     "kkkkkkkkkkkkkkkk", "................", "................"],
    # Comparison matrix: a square table with its diagonal marked
    ["................", ".kkkkkkkkkkkkkk.", ".kgggkgggkgggk..", ".kkkkkkkkkkkkkk.",
     ".kgggkbbbkwwwkw.", ".kgggkbbbkwwwkw.", ".kkkkkkkkkkkkkk.", ".kgggkwwwkbbbkw.",
     ".kgggkwwwkbbbkw.", ".kkkkkkkkkkkkkk.", ".kgggkwwwkwwwkb.", ".kgggkwwwkwwwkb.",
     ".kkkkkkkkkkkkkk.", "................", "................"],
    # Final ranking list: ranked lines, longest first
    ["................", ".kk.............", "kGk..bbbbbbbbbbb", ".Gk.............",
     ".Gk.............", "kkk.............", "..kk............", ".kGGk.bbbbbbbb..",
     "...Gk...........", "..Gk............", ".kGGGk..........", "..kkk...........",
     ".kGGk.bbbbb.....", "...kGk..........", ".kGGk..........."],
    # Preference graphs: three nodes joined by arrows
    ["................", "......kkkk......", ".....kGGGGk.....", ".....kGGGGk.....",
     "......kkkk......", "......k..k......", ".....k....k.....", "....k......k....",
     "...k........k...", ".kkkk......kkkk.", "kccccknnnnkcccck", "kccccknnnnkcccck",
     ".kkkk......kkkk.", "................", "................"],
    # Alternatives pane: a list of alternatives with their item marks
    ["kkkkkkkkkkkkkkkk", "kbbbbbbbbbbbbbbk", "kkkkkkkkkkkkkkkk", "kwwwwwwwwwwwwwwk",
     "kwgwkkkkkkkkkwwk", "kwwwwwwwwwwwwwwk", "kwGwkkkkkkkwwwwk", "kwwwwwwwwwwwwwwk",
     "kwgwkkkkkkkkkkwk", "kwwwwwwwwwwwwwwk", "kwGwkkkkkkwwwwwk", "kwwwwwwwwwwwwwwk",
     "kkkkkkkkkkkkkkkk", "................", "................"],
    # Reference set pane: a tree of ranks
    ["kkkkkkkkkkkkkkkk", "kbbbbbbbbbbbbbbk", "kkkkkkkkkkkkkkkk", "kwyywkkkkkkwwwwk",
     "kwwgwwwwwwwwwwwk", "kwwgwGwkkkkkwwwk", "kwwgwwwwwwwwwwwk", "kwwgwGwkkkkwwwwk",
     "kwwwwwwwwwwwwwwk", "kwyywkkkkkkwwwwk", "kwwgwwwwwwwwwwwk", "kwwgwGwkkkkkkwwk",
     "kkkkkkkkkkkkkkkk", "................", "................"],
    # Criteria pane: criteria with their scales
    ["kkkkkkkkkkkkkkkk", "kbbbbbbbbbbbbbbk", "kkkkkkkkkkkkkkkk", "kwwwwwwwwwwwwwwk",
     "kwkkkkkkwgggggwk", "kwwwwwwwwwwwrwwk", "kwkkkkkwwgggggwk", "kwwwwwwwwwrwwwwk",
     "kwkkkkkkkwgggggk", "kwwwwwwwwwwwwrwk", "kwwwwwwwwwwwwwwk", "kwwwwwwwwwwwwwwk",
     "kkkkkkkkkkkkkkkk", "................", "................"],
    # Help: a question mark
    ["................", ".....kkkkk......", "....kbbbbbk.....", "...kbbkkkbbk....",
     "...kbbk.kbbk....", "....kk.kbbk.....", "......kbbk......", ".....kbbk.......",
     ".....kbbk.......", "......kk........", ".....kbbk.......", ".....kbbk.......",
     "......kk........", "................", "................"],
    # About: an "i" in a circle
    ["................", ".....kkkkkk.....", "...kkbbbbbbkk...", "..kbbbbwwbbbbk..",
     "..kbbbbwwbbbbk..", ".kbbbbbbbbbbbbk.", ".kbbbbwwwbbbbbk.", ".kbbbbbwwbbbbbk.",
     ".kbbbbbwwbbbbbk.", ".kbbbbbwwbbbbbk.", "..kbbbwwwwbbbk..", "..kbbbbbbbbbbk..",
     "...kkbbbbbbkk...", ".....kkkkkk.....", "................"],
]


def toolbar():
    canvas = Canvas(16 * len(BUTTONS), 15)
    for i, rows in enumerate(BUTTONS):
        assert len(rows) == 15 and all(len(r) == 16 for r in rows), i
        canvas.art(16 * i, 0, rows, PAL)
    canvas.save_bmp8('toolbar.bmp')


def small(name, rows):
    canvas = Canvas(16, 16)
    canvas.art(0, 0, rows, PAL)
    # the buttons show these on any colour scheme: a colour table maps their face
    canvas.save_bmp8(name)


def buttons():
    small('add.bmp', [
        "................", "................", "......kkkk......", "......kGGk......",
        "......kGGk......", "......kGGk......", "..kkkkkGGkkkkk..", "..kGGGGGGGGGGk..",
        "..kGGGGGGGGGGk..", "..kkkkkGGkkkkk..", "......kGGk......", "......kGGk......",
        "......kGGk......", "......kkkk......", "................", "................"])
    small('remove.bmp', [
        "................", "................", "..kk........kk..", "..krk......krk..",
        "...krk....krk...", "....krk..krk....", ".....krkkrk.....", "......krrk......",
        "......krrk......", ".....krkkrk.....", "....krk..krk....", "...krk....krk...",
        "..krk......krk..", "..kk........kk..", "................", "................"])
    small('up.bmp', [
        "................", "................", ".......kk.......", "......kbbk......",
        ".....kbbbbk.....", "....kbbbbbbk....", "...kbbbbbbbbk...", "..kkkkbbbbkkkk..",
        ".....kbbbbk.....", ".....kbbbbk.....", ".....kbbbbk.....", ".....kbbbbk.....",
        ".....kkkkkk.....", "................", "................", "................"])
    small('down.bmp', [
        "................", "................", "................", ".....kkkkkk.....",
        ".....kbbbbk.....", ".....kbbbbk.....", ".....kbbbbk.....", ".....kbbbbk.....",
        "..kkkkbbbbkkkk..", "...kbbbbbbbbk...", "....kbbbbbbk....", ".....kbbbbk.....",
        "......kbbk......", ".......kk.......", "................", "................"])


def item_images():
    """Four 16 by 16 images on the mask colour: an alternative outside the reference ranking, a
    criterion, a rank and an alternative inside the ranking."""
    canvas = Canvas(64, 16)
    outside = ["................", "................", "................", ".....kkkkkk.....",
               "....kllllllk....", "...kllwwlllgk...", "...klwwllllgk...", "...kllllllggk...",
               "...klllllgggk...", "...kllllggggk...", "....kgggggggk...", ".....kkkkkk.....",
               "................", "................", "................", "................"]
    criterion = ["................", "................", "..kkkkkkkkkkkk..", "..kyyyyyyyyyyk..",
                 "..kykykykykyyk..", "..kykykykykyyk..", "..kykyyykyyyyk..", "..kyyyyyyyyyyk..",
                 "..kkkkkkkkkkkk..", "................", "...b...b...b....", "...bb.bbb.bb....",
                 "...bbbbbbbbb....", "................", "................", "................"]
    rank = ["................", "......kkkk......", "......kyyk......", "......kyyk......",
            "..kkkkkyykkkkk..", "..kwwwkyykwwwk..", "..kwwwkyykwwwk..", "..kwwwkyykwwwk..",
            "..kkkkkkkkkkkk..", "..kooooooooook..", "..kooooooooook..", "..kkkkkkkkkkkk..",
            "................", "................", "................", "................"]
    inside = ["................", "................", "................", ".....kkkkkk.....",
              "....kGGGGGGk....", "...kGGwwGGGdk...", "...kGwwGGGGdk...", "...kGGGGGGddk...",
              "...kGGGGGdddk...", "...kGGGGddddk...", "....kdddddddk...", ".....kkkkkk.....",
              "................", "................", "................", "................"]
    for i, rows in enumerate((outside, criterion, rank, inside)):
        canvas.art(16 * i, 0, rows, PAL)
    canvas.save_bmp('items.bmp')


def splash():
    width, height = 420, 240
    canvas = Canvas(width, height)
    for y in range(height):
        t = y / (height - 1)
        canvas.rect(0, y, width - 1, y, (int(16 + 24 * t), int(40 + 70 * t), int(112 + 60 * t)))
    # a family of marginal value functions, the program's subject, behind the name
    axis = (150, 180, 220)
    canvas.line(40, 210, 380, 210, axis)
    canvas.line(40, 210, 40, 120, axis)
    curves = [((255, 208, 64), [(40, 210), (120, 178), (220, 150), (300, 138), (380, 128)]),
              ((120, 220, 140), [(40, 210), (120, 196), (220, 168), (300, 146), (380, 140)]),
              ((250, 130, 110), [(40, 210), (120, 190), (220, 182), (300, 160), (380, 150)])]
    for colour, points in curves:
        for (x0, y0), (x1, y1) in zip(points, points[1:]):
            canvas.line(x0, y0, x1, y1, colour, 2)
        for x, y in points[1:]:
            canvas.disc(x, y, 3, colour)
    name = "ONDRIX"
    scale = 9
    x = (width - text_width(name, scale)) // 2
    canvas.text(x + 4, 34, name, (8, 24, 64), scale)
    canvas.text(x, 30, name, W, scale)
    line = "MULTIPLE-CRITERIA DECISION AIDING"
    canvas.text((width - text_width(line, 2)) // 2, 112, line, (220, 232, 255), 2)
    canvas.frame(0, 0, width - 1, height - 1, (8, 24, 64))
    canvas.save_bmp('splash.bmp')


def icon():
    """A 32 by 32 and a 16 by 16 picture in one icon file: a blue tile with a value function."""
    images = []
    for size in (32, 16):
        canvas = Canvas(size, size, (0, 0, 0))
        s = size / 32
        canvas.rect(1, 1, size - 2, size - 2, (24, 72, 168))
        canvas.frame(1, 1, size - 2, size - 2, (8, 24, 64))
        pts = [(5, 27), (12, 19), (19, 14), (27, 5)]
        pts = [(round(x * s), round(y * s)) for x, y in pts]
        for (x0, y0), (x1, y1) in zip(pts, pts[1:]):
            canvas.line(x0, y0, x1, y1, (255, 208, 64), 2 if size == 32 else 1)
        canvas.line(round(5 * s), round(27 * s), round(27 * s), round(27 * s), W)
        canvas.line(round(5 * s), round(27 * s), round(5 * s), round(5 * s), W)
        xor = bytearray()
        for y in range(size - 1, -1, -1):
            for (r, g, b) in canvas.pixels[y]:
                xor += bytes((b, g, r))
        and_stride = ((size + 31) // 32) * 4
        mask = bytearray()
        for y in range(size - 1, -1, -1):
            bits = 0
            row = bytearray(and_stride)
            for x in range(size):
                if x == 0 or y == 0 or x == size - 1 or y == size - 1:
                    row[x // 8] |= 0x80 >> (x % 8)  # the corners and edge stay transparent
            mask += row
        info = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 24, 0, len(xor) + len(mask), 0, 0, 0, 0)
        images.append((size, info + bytes(xor) + bytes(mask)))
    header = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b''
    blobs = b''
    for size, blob in images:
        entries += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 24, len(blob), offset + len(blobs))
        blobs += blob
    with open(os.path.join(HERE, 'ondrix.ico'), 'wb') as f:
        f.write(header + entries + blobs)


if __name__ == '__main__':
    toolbar()
    buttons()
    item_images()
    splash()
    icon()
