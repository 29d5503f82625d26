#!/usr/bin/env python3
"""Draws the pictures of Ondrix's about windows (the files beside this script):

- about_logo.bmp and about_glow.bmp, 32 bits per pixel, the two textures of the animated window: the
  window adds them to its scene, so black is where they leave the scene as it is;
- about_clip.avi, the uncompressed 8-bit clip that the plain about window plays.

Like draw_bitmaps.py, whose canvas it uses, it needs nothing but Python and gives the same files on
every machine. Run it from anywhere after changing a picture; the build only reads the files.
"""
import math
import os
import struct

from draw_bitmaps import HERE, Canvas

BLACK = (0, 0, 0)
GOLD = (255, 208, 64)
GREEN = (120, 220, 140)
CORAL = (250, 130, 110)
AXIS = (150, 180, 220)


def save_bmp32(canvas, name):
    """Writes a 32-bit bottom-up BMP file (blue, green, red and an unused byte per pixel)."""
    data = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        for (r, g, b) in canvas.pixels[y]:
            data += bytes((b, g, r, 0))
    header = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(data), 0, 0, 14 + 40)
    info = struct.pack('<IiiHHIIiiII', 40, canvas.width, canvas.height, 1, 32, 0, len(data), 2835, 2835, 0, 0)
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(header + info + bytes(data))


def value_functions(canvas, x0, y0, width, height, thick):
    """Three increasing piecewise-linear value functions over two axes, the program's subject."""
    def at(fx, fy):
        return x0 + round(fx * width), y0 + height - round(fy * height)
    canvas.line(*at(0, 0), *at(1, 0), AXIS, thick)
    canvas.line(*at(0, 0), *at(0, 1), AXIS, thick)
    curves = [(GOLD, [(0, 0), (0.25, 0.4), (0.55, 0.7), (0.8, 0.85), (1, 1)]),
              (GREEN, [(0, 0), (0.25, 0.2), (0.55, 0.55), (0.8, 0.8), (1, 0.9)]),
              (CORAL, [(0, 0), (0.25, 0.3), (0.55, 0.35), (0.8, 0.6), (1, 0.7)])]
    for colour, points in curves:
        for (ax, ay), (bx, by) in zip(points, points[1:]):
            canvas.line(*at(ax, ay), *at(bx, by), colour, thick)
        for fx, fy in points[1:]:
            cx, cy = at(fx, fy)
            canvas.disc(cx, cy, thick + 1, colour)


def logo():
    """The value functions on black, shown in a corner of the animated window."""
    canvas = Canvas(128, 128, BLACK)
    value_functions(canvas, 14, 14, 100, 100, 3)
    save_bmp32(canvas, 'about_logo.bmp')


def glow():
    """Soft rings of light, turned slowly over the whole animated window."""
    size = 64
    canvas = Canvas(size, size, BLACK)
    c = (size - 1) / 2
    for y in range(size):
        for x in range(size):
            d = math.hypot(x - c, y - c) / c
            if d >= 1:
                continue
            ring = 0.5 + 0.5 * math.cos(d * math.pi * 6)
            fade = 1 - d
            level = ring * fade
            canvas.put(x, y, (round(255 * level), round(220 * level), round(160 * level)))
    save_bmp32(canvas, 'about_glow.bmp')


def clip():
    """Twelve frames of 64 by 48 pixels: the value functions drawn from left to right, then held."""
    width, height, frames = 64, 48, 12
    palette = [BLACK, AXIS, GOLD, GREEN, CORAL]
    index = {colour: i for i, colour in enumerate(palette)}
    pictures = []
    for n in range(frames):
        canvas = Canvas(width, height, BLACK)
        value_functions(canvas, 6, 4, 52, 38, 1)
        # the part not drawn yet is hidden again; the last frames show the whole picture
        shown = 6 + round(52 * min(1, (n + 1) / (frames - 3)))
        canvas.rect(shown + 1, 0, width - 1, height - 6, BLACK)
        canvas.line(6, 42, 58, 42, AXIS)
        data = bytearray()
        for y in range(height - 1, -1, -1):
            data += bytes(index[colour] for colour in canvas.pixels[y])
        pictures.append(bytes(data))

    frame_size = width * height
    colours = b''.join(bytes((b, g, r, 0)) for (r, g, b) in palette)
    avih = struct.pack('<IIIIIIIIII4I', 100000, frame_size * 10, 0, 0, frames, 0, 1, frame_size, width, height,
                       0, 0, 0, 0)
    strh = struct.pack('<4s4sIHHIIIIIIIIhhhh', b'vids', b'DIB ', 0, 0, 0, 0, 1, 10, 0, frames, frame_size,
                       0xFFFFFFFF, 0, 0, 0, width, height)
    strf = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 8, 0, frame_size, 0, 0, len(palette),
                       len(palette)) + colours

    def chunk(tag, body):
        return tag + struct.pack('<I', len(body)) + body + (b'\0' if len(body) % 2 else b'')

    def lst(kind, body):
        return chunk(b'LIST', kind + body)

    hdrl = lst(b'hdrl', chunk(b'avih', avih) + lst(b'strl', chunk(b'strh', strh) + chunk(b'strf', strf)))
    movi = lst(b'movi', b''.join(chunk(b'00db', p) for p in pictures))
    with open(os.path.join(HERE, 'about_clip.avi'), 'wb') as f:
        f.write(chunk(b'RIFF', b'AVI ' + hdrl + movi))


if __name__ == '__main__':
    logo()
    glow()
    clip()
