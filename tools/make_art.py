#!/usr/bin/env python3
# Draws all of The Blenker's pictures and its sound: the button bitmaps and the title banner
# (res/art/bitmap_*.bmp), the icons and the drag cursor (res/art/*.ico, *.cur), the two state
# lamps (res/art/lamp_*.gif) and the "blenked" sound (res/Blenked.wav).
# Every bitmap and lamp is drawn for three display scales, each at its own size: 100 % (96 DPI,
# e.g. bitmap_142.bmp), 150 % (bitmap_142_150.bmp) and 200 % (bitmap_142_200.bmp). At 100 % the
# symbols and letters are hand-set pixel patterns; at 150 and 200 % they are shapes (boxes,
# ellipses, slanted strokes) rendered at that size with anti-aliasing. Blenker.rc gives a 150 %
# picture the id of its 100 % one + 1000, a 200 % picture + 2000. The icons hold 16, 20, 24, 32,
# 40, 48 and 64 pixel images, the cursor 32, 48 and 64.
# Run from anywhere:  python3 tools/make_art.py
# It needs only Python's standard library (no Pillow): every file format is written by hand
# below, so the output is the same, byte for byte, on every run and every machine.
# The outputs are committed; the build does not run this script.

import math
import os
import struct
import wave

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ART = os.path.join(ROOT, "res", "art")


# ---------------------------------------------------------------------------------------------
# A plain RGB pixel canvas for the pixel-art pictures.

class Canvas:
    def __init__(self, w, h, color=(0, 0, 0)):
        self.w, self.h = w, h
        self.px = [[color] * w for _ in range(h)]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        """Fills the pixels x0 <= x < x1, y0 <= y < y1."""
        for y in range(max(0, y0), min(self.h, y1)):
            for x in range(max(0, x0), min(self.w, x1)):
                self.px[y][x] = c

    def pattern(self, rows, x, y, c, mark="#"):
        """Stamps an ASCII picture: every `mark` character becomes one pixel of colour c."""
        for j, row in enumerate(rows):
            for i, ch in enumerate(row):
                if ch == mark:
                    self.set(x + i, y + j, c)

    def paste(self, img, x, y):
        """Lays an RGBA picture (rows of (r, g, b, a)) over the canvas with x, y its top left."""
        for j, row in enumerate(img):
            for i, (r, g, b, a) in enumerate(row):
                if a and 0 <= x + i < self.w and 0 <= y + j < self.h:
                    f = a / 255
                    under = self.px[y + j][x + i]
                    self.px[y + j][x + i] = tuple(int(v * f + u * (1 - f) + 0.5)
                                                  for v, u in zip((r, g, b), under))


# ---------------------------------------------------------------------------------------------
# File writers.

def write_bmp(path, canvas):
    """Windows BMP, bottom-up, uncompressed: 8 bits per pixel with a 256-entry palette when the
    picture has no more colours than that, else 24 bits per pixel (the larger banners, whose
    anti-aliased letters blend with every step of the gradient)."""
    colors = sorted({c for row in canvas.px for c in row})
    if len(colors) > 256:
        bits, palette = 24, b""
        stride = (canvas.w * 3 + 3) & ~3
        rows = [b"".join(bytes((b, g, r)) for r, g, b in row) for row in canvas.px]
    else:
        bits, palette = 8, bytearray()
        stride = (canvas.w + 3) & ~3
        index = {c: i for i, c in enumerate(colors)}
        rows = [bytes(index[c] for c in row) for row in canvas.px]
        for i in range(256):
            r, g, b = colors[i] if i < len(colors) else (0, 0, 0)
            palette += bytes((b, g, r, 0))
    pixels = bytearray()
    for row in reversed(rows):
        pixels += row + b"\0" * (stride - len(row))
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.w, canvas.h, 1, bits, 0, len(pixels),
                       2835, 2835, 256 if bits == 8 else 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + palette + pixels)


def dib32(img):
    """The image part of an icon or cursor: a 32-bit BGRA picture and its AND mask, both
    bottom-up, behind a BITMAPINFOHEADER whose height counts both. `img` is rows of RGBA."""
    h = len(img)
    w = len(img[0])
    xor = bytearray()
    mask = bytearray()
    mask_stride = ((w + 31) // 32) * 4
    for y in range(h - 1, -1, -1):
        bits = bytearray(mask_stride)
        for x, (r, g, b, a) in enumerate(img[y]):
            if a == 0:
                xor += b"\0\0\0\0"
                bits[x // 8] |= 0x80 >> (x % 8)   # fully transparent: the screen shows through
            else:
                xor += bytes((b, g, r, a))
        mask += bits
    info = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0, len(xor) + len(mask),
                       0, 0, 0, 0)
    return info + xor + mask


def write_icon_file(path, images, hotspots=None):
    """An .ico file holding the given RGBA images, or a .cur file when every image has its
    hotspot. A cursor's directory entry carries the hotspot where an icon's carries planes and
    bit count; a width or height of 256 is written as 0."""
    kind = 1 if hotspots is None else 2
    blobs = [dib32(img) for img in images]
    out = bytearray(struct.pack("<HHH", 0, kind, len(images)))
    offset = 6 + 16 * len(images)
    for i, (img, blob) in enumerate(zip(images, blobs)):
        w, h = len(img[0]), len(img)
        a, b = (1, 32) if hotspots is None else hotspots[i]
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, a, b, len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    with open(path, "wb") as f:
        f.write(out)


def lzw_gif(indices, min_code_size):
    """GIF's variable-width LZW, with a clear code first and whenever the table fills."""
    clear = 1 << min_code_size
    end = clear + 1
    out = bytearray()
    acc = 0
    nbits = 0

    def emit(code, width):
        nonlocal acc, nbits
        acc |= code << nbits
        nbits += width
        while nbits >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            nbits -= 8

    def fresh():
        return {(i,): i for i in range(clear)}, end + 1, min_code_size + 1

    table, next_code, width = fresh()
    emit(clear, width)
    prefix = ()
    for k in indices:
        grown = prefix + (k,)
        if grown in table:
            prefix = grown
            continue
        emit(table[prefix], width)
        if next_code < 4096:
            table[grown] = next_code
            next_code += 1
            if next_code > (1 << width) and width < 12:
                width += 1
        else:
            emit(clear, width)
            table, next_code, width = fresh()
        prefix = (k,)
    if prefix:
        emit(table[prefix], width)
    emit(end, width)
    if nbits:
        out.append(acc & 0xFF)
    return bytes(out)


def write_gif(path, w, h, indices, palette, transparent):
    """A one-frame GIF89a with a global palette and one transparent colour index."""
    bits = max(1, (len(palette) - 1).bit_length())
    size = 1 << bits
    table = bytearray()
    for i in range(size):
        table += bytes(palette[i] if i < len(palette) else (0, 0, 0))
    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", w, h, 0x80 | ((bits - 1) << 4) | (bits - 1), 0, 0)
    out += table
    out += struct.pack("<BBBBHBB", 0x21, 0xF9, 4, 0x01, 0, transparent, 0)
    out += struct.pack("<BHHHHB", 0x2C, 0, 0, w, h, 0)
    min_code = max(2, bits)
    data = lzw_gif(indices, min_code)
    out.append(min_code)
    for i in range(0, len(data), 255):
        chunk = data[i:i + 255]
        out.append(len(chunk))
        out += chunk
    out += b"\0;"
    with open(path, "wb") as f:
        f.write(out)


# ---------------------------------------------------------------------------------------------
# Anti-aliased drawing: a picture is a list of layers (shape, RGBA colour), painted in order;
# every pixel is sampled 8 x 8 times. A shape is a function of a point (x, y) in pixels, with
# (0, 0) the top left corner of the top left pixel, true inside the shape.

def snap(v):
    """The whole number nearest v, halves rounding up."""
    return int(v + 0.5)


def px(v, scale):
    """A length of the 100 % picture at `scale` per cent, in whole pixels."""
    return snap(v * scale / 100)


def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r0, r1):
    return lambda x, y: r0 * r0 <= (x - cx) ** 2 + (y - cy) ** 2 <= r1 * r1


def box(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def both(a, b):
    return lambda x, y: a(x, y) and b(x, y)


def either(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def without(a, b):
    return lambda x, y: a(x, y) and not b(x, y)


def moved(shape, dx, dy):
    return lambda x, y: shape(x - dx, y - dy)


def ellipse(cx, cy, rx, ry):
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


def oval_ring(x0, y0, x1, y1, across, down):
    """The band inside the ellipse that fills the box x0..x1, y0..y1: `across` thick at its
    left and right, `down` thick at its top and bottom."""
    cx, cy, rx, ry = (x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2, (y1 - y0) / 2
    return without(ellipse(cx, cy, rx, ry), ellipse(cx, cy, rx - across, ry - down))


def rounded_box(x0, y0, x1, y1, rx, ry):
    """A box whose corners are quarter ellipses rx wide and ry tall."""
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        dx = max(x0 + rx - x, x - (x1 - rx), 0)
        dy = max(y0 + ry - y, y - (y1 - ry), 0)
        return dx == 0 or dy == 0 or (dx / rx) ** 2 + (dy / ry) ** 2 <= 1.0
    return inside


def rounded_frame(x0, y0, x1, y1, rx, ry, across, down):
    """The outline of a rounded box: `across` thick at its sides, `down` at its top and bottom."""
    return without(rounded_box(x0, y0, x1, y1, rx, ry),
                   rounded_box(x0 + across, y0 + down, x1 - across, y1 - down,
                               max(rx - across, 0), max(ry - down, 0)))


def polygon(*points):
    """A convex polygon, its corners in either turning order."""
    edges = list(zip(points, points[1:] + points[:1]))

    def inside(x, y):
        turns = [(bx - ax) * (y - ay) - (by - ay) * (x - ax) for (ax, ay), (bx, by) in edges]
        return all(t >= 0 for t in turns) or all(t <= 0 for t in turns)
    return inside


def slab(x0, y0, x1, y1, width):
    """A straight stroke `width` thick from (x0, y0) to (x1, y1) whose ends are cut level."""
    half = width / 2 * math.hypot(x1 - x0, y1 - y0) / abs(y1 - y0)
    return polygon((x0 - half, y0), (x0 + half, y0), (x1 + half, y1), (x1 - half, y1))


def render_rect(w, h, layers, samples=8, x0=0, y0=0):
    """The layers as rows of RGBA pixels, w x h of them with x0, y0 the top left one."""
    img = []
    n = samples * samples
    for py in range(y0, y0 + h):
        row = []
        for px_ in range(x0, x0 + w):
            r = g = b = a = 0.0
            for j in range(samples):
                y = py + (j + 0.5) / samples
                for i in range(samples):
                    x = px_ + (i + 0.5) / samples
                    for shape, (cr, cg, cb, ca) in reversed(layers):
                        if shape(x, y):
                            r += cr * ca
                            g += cg * ca
                            b += cb * ca
                            a += ca
                            break
            if a == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((int(r / a + 0.5), int(g / a + 0.5), int(b / a + 0.5),
                            int(a / n + 0.5)))
        img.append(row)
    return img


def render(size, layers, samples=8):
    return render_rect(size, size, layers, samples)


def bevel_rects(x0, y0, x1, y1, lines, colors):
    """A two-line 3D frame as filled rectangles (x0, y0, x1, y1, colour) in painting order, and
    its whole width. lines: the widths of the outer and the inner line; colors: (outer top left,
    outer bottom right, inner top left, inner bottom right). Each pixel ring of a line is light
    on two sides and dark on the two others."""
    rects = []
    k = 0
    for width, (tl, br) in zip(lines, (colors[:2], colors[2:])):
        for _ in range(width):
            rects.append((x0 + k, y0 + k, x1 - k, y1 - k, br))
            rects.append((x0 + k, y0 + k, x1 - k - 1, y1 - k - 1, tl))
            k += 1
    return rects, k


def bevel_layers(x0, y0, x1, y1, sunken, face, lines=(1, 1)):
    """A two-line 3D frame around a face, as layers: raised has its light edges top-left."""
    light, lighter, dark, darker = (214, 211, 206, 255), (255, 255, 255, 255), \
        (128, 128, 128, 255), (64, 64, 64, 255)
    if sunken:
        colors = (dark, lighter, darker, light)
    else:
        colors = (lighter, darker, light, dark)
    rects, k = bevel_rects(x0, y0, x1, y1, lines, colors)
    return [(box(*r[:4]), r[4]) for r in rects] + [(box(x0 + k, y0 + k, x1 - k, y1 - k), face)]


# ---------------------------------------------------------------------------------------------
# The push buttons: a raised frame around a white face with a dark symbol; pressed, the frame
# turns sunken and the symbol moves down and to the right (one pixel at 100 %, two at 150 and
# 200 %). The frame's outer and inner lines are one pixel wide each at 100 %, two and one at
# 150 %, two each at 200 %.

HIGHLIGHT = (255, 255, 255)
LIGHT = (212, 208, 200)
SHADOW = (128, 128, 128)
DARK_SHADOW = (32, 32, 32)
FACE = (255, 255, 255)
INK = (16, 16, 16)

SYMBOLS = {
    "plus": [
        "....##....",
        "....##....",
        "....##....",
        "....##....",
        "##########",
        "##########",
        "....##....",
        "....##....",
        "....##....",
        "....##....",
    ],
    "minus": [
        "..........",
        "..........",
        "..........",
        "..........",
        "##########",
        "##########",
        "..........",
        "..........",
        "..........",
        "..........",
    ],
    "cross": [
        "##......##",
        "###....###",
        ".###..###.",
        "..######..",
        "...####...",
        "...####...",
        "..######..",
        ".###..###.",
        "###....###",
        "##......##",
    ],
    "down": [
        "............",
        "............",
        "############",
        ".##########.",
        "..########..",
        "...######...",
        "....####....",
        ".....##.....",
        "............",
        "............",
    ],
    "question": [
        "..####..",
        ".##..##.",
        ".##..##.",
        ".....##.",
        "....##..",
        "...##...",
        "...##...",
        "........",
        "...##...",
        "...##...",
    ],
    "exclamation": [
        "##",
        "##",
        "##",
        "##",
        "##",
        "##",
        "##",
        "..",
        "##",
        "##",
    ],
    "zero": [
        "..####..",
        ".##..##.",
        "##....##",
        "##....##",
        "##....##",
        "##....##",
        "##....##",
        "##....##",
        ".##..##.",
        "..####..",
    ],
    "switch": [
        "..............",
        ".############.",
        "#............#",
        "#.#####......#",
        "#.#####......#",
        "#.#####......#",
        "#.#####......#",
        "#............#",
        ".############.",
        "..............",
    ],
    "dots": [
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "##..##..##",
        "##..##..##",
    ],
    "tee": [
        "##########",
        "##########",
        "....##....",
        "....##....",
        "....##....",
        "....##....",
        "....##....",
        "....##....",
        "....##....",
        "....##....",
    ],
    "linked": [
        "######..........",
        "#....#..........",
        "#....#..........",
        "######..........",
        "..#.............",
        "..#.............",
        "..#.......######",
        "..########.....#",
        "..........#....#",
        "..........######",
    ],
    "shortcut": [
        ".......#...",
        ".......##..",
        ".......###.",
        "...########",
        "..#########",
        ".##....###.",
        ".##....##..",
        ".##....#...",
        ".##........",
        ".##........",
    ],
    "small_up": [
        "...#...",
        "..###..",
        ".#####.",
        "#######",
    ],
    "small_down": [
        "#######",
        ".#####.",
        "..###..",
        "...#...",
    ],
}

# Symbols with a second colour: the screens of the two linked boxes are tinted.
SCREEN_TINT = (150, 180, 230)


# At 150 and 200 % the symbols are shapes drawn for the face they sit on. Each function below
# takes the scale s (1.5 or 2) and the face's width and height, and returns the width and height
# of the symbol's box and its layers. The box is centred on the face from top to bottom; across,
# the ink that is drawn is centred. fit() picks sizes that centre on whole pixels.

INK_RGBA = INK + (255,)
TINT_RGBA = SCREEN_TINT + (255,)
BEVEL_LINES = {100: (1, 1), 150: (2, 1), 200: (2, 2)}   # widths of the frame's outer, inner line


def fit(v, like, up=False):
    """The whole number nearest v that is odd if `like` is odd and even if it is even, so that
    that many pixels sit exactly in the middle of `like` pixels. Of two as near, the smaller (the
    larger if `up`)."""
    n = math.floor(v)
    return min((c for c in range(n - 1, n + 3) if (c - like) % 2 == 0),
               key=lambda c: (abs(c - v), -c if up else c))


def glyph_height(s, fh):
    """The height of the symbols drawn like letters (10 pixels at 100 %)."""
    return fit(10 * s, fh, up=True)


def plus_shape(s, fw, fh):
    n, t = fit(10 * s, fw), fit(2 * s, fw)
    a = (n - t) / 2
    return n, n, [(either(box(a, 0, a + t, n), box(0, a, n, a + t)), INK_RGBA)]


def minus_shape(s, fw, fh):
    n, t = fit(10 * s, fw), fit(2 * s, fw)     # the plus's bar: the two buttons sit side by side
    a = (n - t) / 2
    return n, n, [(box(0, a, n, a + t), INK_RGBA)]


def cross_shape(s, fw, fh):
    n, half = fit(10 * s, fw), 1.5 * s          # half: the bars' half width along a row
    bars = lambda x, y: abs(x - y) <= half or abs(x + y - n) <= half
    return n, n, [(both(box(0, 0, n, n), bars), INK_RGBA)]


def triangle_shape(w, h, point_up):
    """A triangle w x h at 100 %, its point up or down. In the small buttons it is as tall as
    leaves room below it for the press, like the 100 % one."""
    def shape(s, fw, fh):
        th = min(fit(h * s, fh), fh - 2 * snap(s) + 1)
        tw = fit(th * w / h, fw, up=True)
        tip, base = (0, th) if point_up else (th, 0)
        return tw, th, [(polygon((tw / 2, tip), (0, base), (tw, base)), INK_RGBA)]
    return shape


def question_shape(s, fw, fh):
    """A hook, open at its lower left, whose bottom runs into the stem; a square dot."""
    w, h, t = fit(8 * s, fw, up=True), glyph_height(s, fh), fit(2 * s, fw)
    hook, gap = snap(6 * s), snap(s)
    cx = w / 2
    return w, h, [(either(without(oval_ring(0, 0, w, hook, t, 0.75 * t),
                                  box(0, hook / 2, cx, hook)),
                          box(cx - t / 2, hook - t, cx + t / 2, h - t - gap),
                          box(cx - t / 2, h - t, cx + t / 2, h)), INK_RGBA)]


def exclamation_shape(s, fw, fh):
    t, h, gap = fit(2 * s, fw), glyph_height(s, fh), snap(s)
    return t, h, [(either(box(0, 0, t, h - t - gap), box(0, h - t, t, h)), INK_RGBA)]


def zero_shape(s, fw, fh):
    w, h, t = fit(8 * s, fw, up=True), glyph_height(s, fh), fit(2 * s, fw)
    return w, h, [(rounded_frame(0, 0, w, h, w / 2, 0.35 * h, t, 0.75 * t), INK_RGBA)]


def switch_shape(s, fw, fh):
    """A rounded outline with the knob at its left."""
    w, h, line = fit(14 * s, fw), fit(8 * s, fh), snap(s)
    inset, knob = line + int(s), snap(5 * s)
    return w, h, [(either(rounded_frame(0, 0, w, h, 1.5 * line, 1.5 * line, line, line),
                          box(inset, inset, inset + knob, h - inset)), INK_RGBA)]


def dots_shape(s, fw, fh):
    """Three square dots on the bottom line."""
    d, pitch, h = fit(2 * s, fw), snap(4 * s), glyph_height(s, fh)
    dots = [box(i * pitch, h - d, i * pitch + d, h) for i in range(3)]
    return 2 * pitch + d, h, [(either(*dots), INK_RGBA)]


def tee_shape(s, fw, fh):
    w, h, t = fit(10 * s, fw), glyph_height(s, fh), fit(2 * s, fw)
    a = (w - t) / 2
    return w, h, [(either(box(0, 0, w, t), box(a, 0, a + t, h)), INK_RGBA)]


def linked_shape(s, fw, fh):
    """Two boxes with tinted screens, a line from under the first into the side of the second."""
    w, h, line = fit(16 * s, fw), fit(10 * s, fh), snap(s)
    bw, bh = snap(6 * s), snap(4 * s)
    x = snap(2 * s)                  # the line goes down here ...
    y = h - bh + (bh - line) // 2         # ... and across here
    layers = []
    for bx, by in ((0, 0), (w - bw, h - bh)):
        layers += [(box(bx, by, bx + bw, by + bh), INK_RGBA),
                   (box(bx + line, by + line, bx + bw - line, by + bh - line), TINT_RGBA)]
    layers.append((either(box(x, bh, x + line, y + line), box(x, y, w - bw, y + line)), INK_RGBA))
    return w, h, layers


def shortcut_shape(s, fw, fh):
    """An arrow up from the bottom, round a corner and right into its head."""
    t, h = snap(2 * s), fit(10 * s, fh)
    head = fit(8 * s, t, up=True) / 2           # half the head's height and its length
    base = math.floor(fit(6 * s + head, fw) - head)     # where the head starts
    top = head - t / 2                          # the top of the shaft
    r = 2 * t                                   # the outer radius of the corner
    corner = both(oval_ring(0, top, 2 * r, top + 2 * r, t, t), box(0, top, r, top + r))
    return base + head, h, [(either(corner, box(0, top + r, t, h), box(r, top, base, top + t),
                                    polygon((base, 0), (base + head, head), (base, 2 * head))),
                             INK_RGBA)]


SYMBOL_SHAPES = {
    "plus": plus_shape,
    "minus": minus_shape,
    "cross": cross_shape,
    "down": triangle_shape(12, 6, False),
    "question": question_shape,
    "exclamation": exclamation_shape,
    "zero": zero_shape,
    "switch": switch_shape,
    "dots": dots_shape,
    "tee": tee_shape,
    "linked": linked_shape,
    "shortcut": shortcut_shape,
    "small_up": triangle_shape(8, 4, True),
    "small_down": triangle_shape(8, 4, False),
}


def ink_columns(img):
    """An RGBA picture cut to the columns that hold ink."""
    cols = [i for i in range(len(img[0])) if any(row[i][3] for row in img)]
    return [row[cols[0]:cols[-1] + 1] for row in img]


def button(w, h, symbol, pressed, scale):
    """The picture of a button w x h at 100 %, drawn for `scale` per cent."""
    w, h = px(w, scale), px(h, scale)
    c = Canvas(w, h, FACE)
    if pressed:
        colors = (SHADOW, HIGHLIGHT, DARK_SHADOW, LIGHT)
    else:
        colors = (HIGHLIGHT, DARK_SHADOW, LIGHT, SHADOW)
    rects, frame = bevel_rects(0, 0, w, h, BEVEL_LINES[scale], colors)
    for r in rects:
        c.rect(*r)
    c.rect(frame, frame, w - frame, h - frame, FACE)
    fw, fh = w - 2 * frame, h - 2 * frame
    shift = px(1, scale) if pressed else 0
    if scale == 100:
        rows = SYMBOLS[symbol]
        sw, sh = len(rows[0]), len(rows)
        x = frame + (fw - sw) // 2 + shift
        y = frame + (fh - sh) // 2 + shift
        if symbol == "linked":
            for (bx0, by0) in ((1, 1), (11, 7)):
                c.rect(x + bx0, y + by0, x + bx0 + 4, y + by0 + 2, SCREEN_TINT)
        c.pattern(rows, x, y, INK)
    else:
        sw, sh, layers = SYMBOL_SHAPES[symbol](scale / 100, fw, fh)
        img = ink_columns(render_rect(math.ceil(sw), sh, layers))
        c.paste(img, frame + (fw - len(img[0])) // 2 + shift, frame + (fh - sh) // 2 + shift)
    return c


BUTTONS = [
    # up id, pressed id, width, height, symbol
    (142, 143, 30, 20, "plus"),
    (145, 144, 30, 20, "minus"),
    (146, 147, 30, 20, "cross"),
    (150, 151, 30, 20, "down"),
    (158, 157, 30, 20, "question"),
    (174, 175, 30, 20, "exclamation"),
    (159, 162, 15, 9, "small_up"),
    (160, 161, 15, 9, "small_down"),
    (165, 166, 30, 20, "zero"),
    (167, 168, 30, 20, "switch"),
    (194, 193, 30, 20, "dots"),
    (195, 196, 30, 20, "tee"),
    (197, 198, 30, 20, "linked"),
    (199, 200, 30, 20, "shortcut"),
]


# ---------------------------------------------------------------------------------------------
# The title banner: "The Blenker" in a bold pixel face on a dark gradient, with a red
# no-entry mark at the left and a red rule along the bottom.

BANNER_FONT = {
    "T": [
        "##########",
        "##########",
        "....##....",
        "....##....",
        "....##....",
        "....##....",
        "....##....",
        "....##....",
        "....##....",
        "....##....",
        "....##....",
    ],
    "h": [
        "##......",
        "##......",
        "##......",
        "##.####.",
        "####..##",
        "###...##",
        "##....##",
        "##....##",
        "##....##",
        "##....##",
        "##....##",
    ],
    "e": [
        "........",
        "........",
        "........",
        "..####..",
        ".##..##.",
        "##....##",
        "########",
        "##......",
        "##......",
        ".##...##",
        "..#####.",
    ],
    "B": [
        "#######.",
        "##....##",
        "##....##",
        "##....##",
        "##...##.",
        "######..",
        "##...##.",
        "##....##",
        "##....##",
        "##....##",
        "#######.",
    ],
    "l": ["##"] * 11,
    "n": [
        "........",
        "........",
        "........",
        "##.####.",
        "####..##",
        "###...##",
        "##....##",
        "##....##",
        "##....##",
        "##....##",
        "##....##",
    ],
    "k": [
        "##......",
        "##......",
        "##......",
        "##...##.",
        "##..##..",
        "##.##...",
        "####....",
        "#####...",
        "##.###..",
        "##..###.",
        "##...###",
    ],
    "r": [
        "......",
        "......",
        "......",
        "##.###",
        "#####.",
        "###...",
        "##....",
        "##....",
        "##....",
        "##....",
        "##....",
    ],
}


def text_width(text, font, gap, space):
    w = 0
    for i, ch in enumerate(text):
        w += space if ch == " " else len(font[ch][0])
        if i + 1 < len(text):
            w += gap
    return w


def draw_text(c, text, font, x, y, color, gap, space, shadow=None):
    for ch in text:
        if ch == " ":
            x += space + gap
            continue
        rows = font[ch]
        if shadow:
            c.pattern(rows, x + 1, y + 1, shadow)
        c.pattern(rows, x, y, color)
        x += len(rows[0]) + gap
    return x


# At 150 and 200 % the letters are built for that size from shapes: upright stems and level bars
# on whole pixels, round parts as bands of ellipses, slanted strokes as slabs.

class StrokeFont:
    """Letters drawn as shapes. glyphs: letter -> function(width, font) giving the letter's shape
    with the top left of its box at (0, 0); widths: letter -> width. Metrics: pen (an upright
    stroke's width), bar (a level stroke's height), cap (a capital's height), xh (a small
    letter's height), gap (between letters), space (the width of a space)."""

    def __init__(self, glyphs, widths, pen, bar, cap, xh, gap, space=0):
        self.glyphs, self.widths = glyphs, widths
        self.pen, self.bar, self.cap, self.xh, self.gap, self.space = pen, bar, cap, xh, gap, space

    def advance(self, ch):
        return self.space if ch == " " else self.widths[ch]

    def width(self, text):
        return sum(self.advance(ch) for ch in text) + self.gap * (len(text) - 1)

    def shape(self, text, x, y):
        """The text with the top left of its first letter's box at x, y."""
        letters = []
        for ch in text:
            if ch != " ":
                w = self.widths[ch]
                letters.append(both(box(x, y, x + w, y + self.cap),
                                    moved(self.glyphs[ch](w, self), x, y)))
            x += self.advance(ch) + self.gap
        return either(*letters)


def stem(x, y0, y1, f):
    return box(x, y0, x + f.pen, y1)


def shoulder(x0, x1, f):
    """The arch of h and n: the top half of a band round an ellipse as tall as a small letter."""
    t = f.cap - f.xh
    return both(oval_ring(x0, t, x1, f.cap, f.pen, f.bar), box(x0, t, x1, t + f.xh / 2))


def bowl(x1, y0, y1, f):
    """A bowl of B: a half band of an ellipse, round to the right with x1 its right edge, and
    the bars that join it to the stem."""
    r = (y1 - y0) / 2
    return either(both(oval_ring(x1 - 2 * r, y0, x1, y1, f.pen, f.bar), box(x1 - r, y0, x1, y1)),
                  box(0, y0, x1 - r, y0 + f.bar), box(0, y1 - f.bar, x1 - r, y1))


def diagonal(x0, y0, x_right, y1, f):
    """A slanted stroke from (x0, y0) to the level y1, where its right edge ends at x_right."""
    half = f.pen / 2 * math.hypot(x_right - x0, y1 - y0) / abs(y1 - y0)
    return slab(x0, y0, x_right - half, y1, f.pen)


def glyph_T(w, f):
    return either(box(0, 0, w, f.bar), stem((w - f.pen) / 2, 0, f.cap, f))


def glyph_h(w, f):
    return either(stem(0, 0, f.cap, f), shoulder(0, w, f),
                  stem(w - f.pen, f.cap - f.xh / 2, f.cap, f))


def glyph_n(w, f):
    return either(stem(0, f.cap - f.xh, f.cap, f), shoulder(0, w, f),
                  stem(w - f.pen, f.cap - f.xh / 2, f.cap, f))


def glyph_l(w, f):
    return stem(0, 0, f.cap, f)


def glyph_e(w, f):
    """A band round an ellipse, its bar a little above the middle, open at the right below it."""
    t = f.cap - f.xh
    y = t + (f.xh - f.bar) // 2
    return either(without(oval_ring(0, t, w, f.cap, f.pen, f.bar),
                          box(w / 2, y + f.bar, w, t + f.xh * 3 // 4)),
                  both(box(0, y, w, y + f.bar), ellipse(w / 2, t + f.xh / 2, w / 2, f.xh / 2)))


def glyph_B(w, f):
    mid = (f.cap - f.bar) // 2                  # the top of the middle bar
    return either(stem(0, 0, f.cap, f), bowl(w - f.pen // 2, 0, mid + f.bar, f),
                  bowl(w, mid, f.cap, f))


def glyph_k(w, f):
    """A stem, an arm from it up to the top right, a leg from the arm down to the bottom right."""
    t = f.cap - f.xh
    join = t + f.xh * 0.62                      # where the arm's middle leaves the stem
    x, y = f.pen + (w - f.pen) * 0.15, join - (join - t) * 0.2     # where the leg leaves the arm
    return either(stem(0, 0, f.cap, f), diagonal(f.pen / 2, join, w, t, f),
                  diagonal(x, y, w, f.cap, f))


def glyph_r(w, f):
    """A stem and the left half of a shoulder that ends just past its top."""
    return either(stem(0, f.cap - f.xh, f.cap, f), both(shoulder(0, 2 * w - f.pen, f),
                                                         box(0, 0, w, f.cap)))


BANNER_GLYPHS = {"T": glyph_T, "h": glyph_h, "e": glyph_e, "B": glyph_B, "l": glyph_l,
                 "n": glyph_n, "k": glyph_k, "r": glyph_r}
BANNER_TEXT = (("The", (232, 48, 48)), (" Blenker", (244, 244, 244)))


def banner_font(s):
    """The banner's letters at scale s, measured from the 100 % pixel face (rounded down, so
    that they are no wider than the face scaled), with level strokes a little thinner."""
    widths = {ch: int(len(rows[0]) * s) for ch, rows in BANNER_FONT.items()}
    return StrokeFont(BANNER_GLYPHS, widths, pen=int(2 * s), bar=int(1.5 * s), cap=int(11 * s),
                      xh=int(8 * s), gap=int(2 * s), space=int(5 * s))


def banner(scale):
    w, h = px(160, scale), px(20, scale)
    rule, lit = px(2, scale), px(1, scale)      # heights of the red rule, of its bright part
    c = Canvas(w, h)
    top, bottom = (58, 58, 66), (6, 6, 8)
    for y in range(h):
        t = y / (h - rule - 1)
        col = tuple(int(a + (b - a) * min(t, 1.0) + 0.5) for a, b in zip(top, bottom))
        c.rect(0, y, w, y + 1, col)
    c.rect(0, 0, w, lit, (92, 92, 104))         # a lit top edge
    # The red rule: bright at the left, fading to the right in twenty steps.
    step = px(8, scale)
    for x in range(w):
        t = (x // step) / ((w - 1) // step)
        red = (int(220 - 150 * t + 0.5), int(24 - 16 * t + 0.5), int(24 - 16 * t + 0.5))
        c.rect(x, h - rule, x + 1, h - rule + lit, red)
        c.rect(x, h - rule + lit, x + 1, h, tuple(v // 3 for v in red))
    # The mark and the name are centred together: 18 pixels of mark, 6 of space, the name.
    text = "".join(piece for piece, _ in BANNER_TEXT)
    font = None if scale == 100 else banner_font(scale / 100)
    text_w = text_width(text, BANNER_FONT, 2, 5) if font is None else font.width(text)
    mark, space = px(18, scale), px(6, scale)
    left = (w - (mark + space + text_w)) // 2
    # The no-entry mark, anti-aliased against the background under it.
    s, m = scale / 100, mark / 2
    c.paste(render(mark, [
        (disc(m, m, 7.6 * s), (110, 0, 0, 255)),
        (disc(m, m, 6.7 * s), (214, 28, 28, 255)),
        (box(4 * s, 8 * s, 14 * s, 10 * s), (255, 255, 255, 255)),
    ], samples=4), left, 0)
    x, y = left + mark + space, px(4, scale)
    if font is None:
        for piece, color in BANNER_TEXT:
            x = draw_text(c, piece, BANNER_FONT, x, y, color, 2, 5, shadow=(0, 0, 0))
    else:
        d = px(1, scale)                        # the shadow's offset
        layers = [(font.shape(text, x + d, y + d), BLACK)]
        at = x
        for piece, color in BANNER_TEXT:
            layers.append((font.shape(piece, at, y), color + (255,)))
            at += font.width(piece) + font.gap
        c.paste(render_rect(text_w + d, font.cap + d, layers, x0=x, y0=y), x, y)
    return c


# ---------------------------------------------------------------------------------------------
# Icons.

RED = (214, 28, 28, 255)
DARK_RED = (120, 0, 0, 255)
WHITE = (255, 255, 255, 255)
BLACK = (0, 0, 0, 255)
NAVY = (24, 36, 72, 255)
TITLE_BLUE = (40, 84, 190, 255)
GREY_LINE = (170, 176, 188, 255)


ICON_SIZES = (64, 48, 40, 32, 24, 20, 16)
CURSOR_SIZES = (64, 48, 32)


def design(size):
    """The design an icon of `size` pixels is drawn from (the 16-pixel one for the small icon at
    16, 20 and 24 pixels, the 32-pixel one from 32 up) and the factor from it to that size."""
    base = 16 if size < 32 else 32
    return base, size / base


def arms(m, half, r0, r1):
    """The four arms of a cross round (m, m), each 2 * half wide, from r0 to r1 off its middle."""
    return either(box(m - half, m - r1, m + half, m - r0), box(m - half, m + r0, m + half, m + r1),
                  box(m - r1, m - half, m - r0, m + half), box(m + r0, m - half, m + r1, m + half))


def app_icon(size):
    """A small window with a red no-entry sign over its lower right corner."""
    base, k = design(size)
    if base == 32:
        win, bar, lines = (1, 3, 25, 25), 6, [(4, 10, 21), (4, 13, 17), (4, 16, 19)]
        centre, r_out, r_in = 22.0, 9.9, 8.7
        stripe = (7, 2)                         # half the sign's white bar's length and height
    else:
        win, bar, lines = (0, 1, 13, 13), 3, [(2, 6, 10), (2, 8, 7)]
        centre, r_out, r_in = 11.0, 5.0, 4.2
        stripe = (3, 1)
    line = max(1, snap(size / 32))              # the window's border and its lines of text
    x0, y0, x1, y1 = (snap(v * k) for v in win)
    bar = snap(bar * k)
    layers = [
        (box(x0, y0, x1, y1), NAVY),
        (box(x0 + line, y0 + line, x1 - line, y0 + line + bar), TITLE_BLUE),
        (box(x0 + line, y0 + 2 * line + bar, x1 - line, y1 - line), WHITE),
    ]
    for lx0, ly, lx1 in lines:
        ly = y0 + snap(ly * k)
        layers.append((box(x0 + snap(lx0 * k), ly, x0 + snap(lx1 * k), ly + line), GREY_LINE))
    if base == 32:
        # a close box in the title bar
        layers.append((box(x1 - snap(7 * k), y0 + snap(2 * k), x1 - snap(2 * k), y0 + bar),
                       (220, 220, 228, 255)))
    # The sign's middle is on a pixel's middle or corner, so that its bar ends on whole pixels.
    c = snap(2 * centre * k) / 2
    sx, sy = snap(c - stripe[0] * k), snap(c - stripe[1] * k)
    layers += [
        (disc(c, c, r_out * k + k), WHITE),     # a white rim lifts the sign off the window
        (disc(c, c, r_out * k), DARK_RED),
        (disc(c, c, r_in * k), RED),
        (box(sx, sy, 2 * c - sx, 2 * c - sy), WHITE),
    ]
    return render(size, layers)


def target_layers(m, size, line, ghost=False):
    """The crosshair target centred at (m, m), its cross `line` pixels wide."""
    base, k = design(size)
    if base == 32:
        r1, r2, w, dot, arm = 10.0, 5.0, 1.6, 1.6, 12
    else:
        r1, r2, w, dot, arm = 5.0, 0.0, 1.1, 1.5, 6
    r1, r2, w, dot, arm = r1 * k, r2 * k, w * k, dot * k, snap(arm * k)
    if ghost:
        g = (150, 150, 150, 255)
        layers = [(ring(m, m, r1 - w / 2, r1 + w / 2), g)]
        if r2:
            layers.append((ring(m, m, r2 - w / 2, r2 + w / 2), g))
        return layers
    layers = [(arms(m, line / 2, 0, line / 2 + arm), BLACK),
              (ring(m, m, r1 - w / 2, r1 + w / 2), BLACK)]
    if r2:   # the small icons have room for the outer ring and a red centre only
        layers.append((ring(m, m, r2 - w / 2, r2 + w / 2), RED))
    if dot:
        layers.append((disc(m, m, dot), RED))
    return layers


def target_icon(size, dragged):
    """The drag target in its sunken frame; once dragged, only a grey trace stays. The frame's
    lines and the cross are one pixel wide up to 40 pixels, two at 48 and 64."""
    face = (236, 236, 236, 255)
    line = max(1, snap(size / 32))
    layers = bevel_layers(line, line, size, size, True, face, (line, line))
    return render(size, layers + target_layers((line + size) / 2, size, line, ghost=dragged))


def target_cursor(size):
    """The target in the hand: black and red on a white halo so it shows on any background. Its
    hotspot is the pixel (size / 2, size / 2); the cross is one pixel wide at 32 pixels, with
    the hotspot its middle, and two at 48 and 64, with the hotspot the top left of its middle."""
    k = size / 32
    line = max(1, snap(k))
    half = line / 2
    m = size // 2 + half
    halo = either(arms(m, half + snap(k), 0, half + snap(13 * k)),
                  ring(m, m, 8.2 * k, 12.0 * k), ring(m, m, 3.2 * k, 6.8 * k), disc(m, m, 3.0 * k))
    layers = [(halo, WHITE)] + [
        (arms(m, half, half + snap(6 * k), half + snap(12 * k)), BLACK),
        (ring(m, m, 9.1 * k, 11.0 * k), BLACK),
        (ring(m, m, 4.1 * k, 5.9 * k), RED),
        (disc(m, m, 1.2 * k), BLACK),
    ]
    return render(size, layers)


# ---------------------------------------------------------------------------------------------
# The state lamps: a black ellipse in a ring, with "On" or "Off" in white letters (pixel
# letters at 100 %, letters of shapes at 150 and 200 %).

LAMP_FONT = {
    "O": [
        ".#####.",
        "##...##",
        "##...##",
        "##...##",
        "##...##",
        "##...##",
        "##...##",
        "##...##",
        ".#####.",
    ],
    "n": [
        "......",
        "......",
        "#####.",
        "##..##",
        "##..##",
        "##..##",
        "##..##",
        "##..##",
        "##..##",
    ],
    "f": [
        "..###",
        ".##..",
        "#####",
        ".##..",
        ".##..",
        ".##..",
        ".##..",
        ".##..",
        ".##..",
    ],
}


def lamp_O(w, f):
    return rounded_frame(0, 0, w, f.cap, f.pen, f.pen, f.pen, f.bar)


def lamp_n(w, f):
    """A stem and a rounded arch, square at the top left like the pixel n."""
    t = f.cap - f.xh
    return either(stem(0, t, f.cap, f), box(0, t, w / 2, t + f.bar),
                  both(rounded_frame(0, t, w, f.cap + w, f.pen, f.pen, f.pen, f.bar),
                       box(0, t, w, f.cap)))


def lamp_f(w, f):
    """A stem that bends right at the top, crossed at the small letters' height."""
    t, x = f.cap - f.xh, f.pen // 2
    return either(stem(x, t, f.cap, f), box(0, t, w, t + f.bar),
                  both(rounded_frame(x, 0, 2 * w, 2 * f.cap, f.pen, f.pen, f.pen, f.bar),
                       box(x, 0, w, t)))


LAMP_GLYPHS = {"O": lamp_O, "n": lamp_n, "f": lamp_f}


def lamp_font(s):
    """The lamp's letters at scale s, measured from the 100 % pixel face, whose level strokes
    are half as thick as its upright ones."""
    widths = {ch: snap(len(rows[0]) * s) for ch, rows in LAMP_FONT.items()}
    return StrokeFont(LAMP_GLYPHS, widths, pen=snap(2 * s), bar=snap(s), cap=snap(9 * s),
                      xh=snap(7 * s), gap=int(s))


def lamp(text, ring_colors, scale):
    """The lamp: bands of an ellipse (ring_colors: outer edge, ring, inner edge) round black, the
    text in white. Returns the width, height, palette indices and palette; index 0 is the
    transparent one, then come black, white and the ring colours, then (150 and 200 %) the
    blends of the anti-aliased edges and letters."""
    w, h = px(30, scale), px(25, scale)
    palette = [(0, 0, 0), (0, 0, 0), (255, 255, 255)] + list(ring_colors)
    cx, cy = w / 2, h / 2

    def within(d):   # the ellipse d times the picture's own
        def inside(x, y):
            dx, dy = (x - cx) / cx, (y - cy) / cy
            return math.sqrt(dx * dx + dy * dy) <= d
        return inside
    layers = [(within(d), color + (255,)) for d, color in
              zip((1.0, 0.93, 0.84, 0.78), list(ring_colors) + [(0, 0, 0)])]
    if scale == 100:
        # Sampled once, at the middle of each pixel: no blends.
        c = Canvas(w, h)
        c.px = render_rect(w, h, layers, samples=1)
        x = (w - text_width(text, LAMP_FONT, 1, 0) + 1) // 2
        draw_text(c, text, LAMP_FONT, x, (h - 9) // 2, WHITE, 1, 0)
        img = c.px
    else:
        font = lamp_font(scale / 100)
        x, y = (w - font.width(text) + 1) // 2, (h - font.cap) // 2
        img = render_rect(w, h, layers + [(font.shape(text, x, y), WHITE)])
    # A pixel at least half covered is drawn; its colour is that of the shapes it shows.
    shown = [p for row in img for p in row]
    palette += sorted({p[:3] for p in shown if p[3] >= 128} - set(palette))
    index = {color: i for i, color in enumerate(palette) if i}
    return w, h, [index[p[:3]] if p[3] >= 128 else 0 for p in shown], palette


# ---------------------------------------------------------------------------------------------
# The sound: a short rising "blip" with a soft attack and a quick decay.

def blenked_wav(path):
    rate = 22050
    length = 0.26
    n = int(rate * length)
    f0, f1 = 520.0, 1240.0
    frames = bytearray()
    phase = 0.0
    for i in range(n):
        t = i / rate
        sweep = f0 + (f1 - f0) * (1 - math.exp(-t / 0.035))
        phase += 2 * math.pi * sweep / rate
        attack = min(1.0, t / 0.004)
        decay = math.exp(-t / 0.055)
        tail = min(1.0, (n - 1 - i) / (0.01 * rate))   # fades the last 10 ms to silence
        v = attack * decay * tail * (math.sin(phase) + 0.25 * math.sin(2 * phase))
        frames += struct.pack("<h", int(round(v * 0.8 / 1.25 * 32767)))
    with wave.open(path, "wb") as wf:
        wf.setnchannels(1)
        wf.setsampwidth(2)
        wf.setframerate(rate)
        wf.writeframes(bytes(frames))


# ---------------------------------------------------------------------------------------------

SCALES = (100, 150, 200)
LAMPS = [
    # file, text, ring colours (outer edge, ring, inner edge)
    ("lamp_on", "On", [(120, 0, 0), (230, 30, 30), (150, 10, 10)]),
    ("lamp_off", "Off", [(60, 60, 60), (120, 120, 120), (80, 80, 80)]),
]


def art_path(name, scale, ext):
    """res/art/<name>.<ext> at 100 %, res/art/<name>_<scale>.<ext> at other scales."""
    return os.path.join(ART, "%s%s.%s" % (name, "" if scale == 100 else "_%d" % scale, ext))


def main():
    os.makedirs(ART, exist_ok=True)
    for scale in SCALES:
        for up, down, w, h, symbol in BUTTONS:
            for bitmap_id, pressed in ((up, False), (down, True)):
                write_bmp(art_path("bitmap_%d" % bitmap_id, scale, "bmp"),
                          button(w, h, symbol, pressed, scale))
        write_bmp(art_path("bitmap_149", scale, "bmp"), banner(scale))
        for name, text, colors in LAMPS:
            write_gif(art_path(name, scale, "gif"), *lamp(text, colors, scale), transparent=0)

    write_icon_file(os.path.join(ART, "icon_128.ico"), [app_icon(n) for n in ICON_SIZES])
    write_icon_file(os.path.join(ART, "icon_181.ico"),
                    [target_icon(n, False) for n in ICON_SIZES])
    write_icon_file(os.path.join(ART, "icon_182.ico"), [target_icon(n, True) for n in ICON_SIZES])
    write_icon_file(os.path.join(ART, "cursor_182.cur"), [target_cursor(n) for n in CURSOR_SIZES],
                    hotspots=[(n // 2, n // 2) for n in CURSOR_SIZES])

    blenked_wav(os.path.join(ROOT, "res", "Blenked.wav"))


if __name__ == "__main__":
    main()
