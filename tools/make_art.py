#!/usr/bin/env python3
# Draws all of The Blenker's pictures and its sound: the button bitmaps and the title banner
# (res/art/bitmap_*.bmp), the icons and the drag cursor (res/art/*.ico, *.cur), the two state
# lamps (res/art/lamp_*.gif) and the "blenked" sound (res/Blenked.wav).
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

    def get(self, x, y):
        return self.px[y][x]

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


# ---------------------------------------------------------------------------------------------
# File writers.

def write_bmp8(path, canvas):
    """Windows BMP, 8 bits per pixel with a 256-entry palette, bottom-up, uncompressed."""
    colors = sorted({c for row in canvas.px for c in row})
    if len(colors) > 256:
        raise ValueError("%s: %d colours, more than a palette holds" % (path, len(colors)))
    index = {c: i for i, c in enumerate(colors)}
    stride = (canvas.w + 3) & ~3
    pixels = bytearray()
    for y in range(canvas.h - 1, -1, -1):
        row = bytes(index[c] for c in canvas.px[y])
        pixels += row + b"\0" * (stride - canvas.w)
    palette = bytearray()
    for i in range(256):
        r, g, b = colors[i] if i < len(colors) else (0, 0, 0)
        palette += bytes((b, g, r, 0))
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.w, canvas.h, 1, 8, 0, len(pixels),
                       2835, 2835, 256, 0)
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


def write_icon_file(path, images, kind=1, hotspot=(0, 0)):
    """An .ico (kind 1) or .cur (kind 2) file holding the given RGBA images. A cursor's
    directory entry carries the hotspot where an icon's carries planes and bit count."""
    blobs = [dib32(img) for img in images]
    out = bytearray(struct.pack("<HHH", 0, kind, len(images)))
    offset = 6 + 16 * len(images)
    for img, blob in zip(images, blobs):
        w, h = len(img[0]), len(img)
        if kind == 1:
            a, b = 1, 32
        else:
            a, b = hotspot
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
# Anti-aliased drawing for the icons and the cursor: a picture is a list of layers
# (shape, RGBA colour), painted in order; every pixel is sampled 8 x 8 times.

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


def render(size, layers, samples=8):
    img = []
    n = samples * samples
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0.0
            for j in range(samples):
                y = py + (j + 0.5) / samples
                for i in range(samples):
                    x = px + (i + 0.5) / samples
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


def bevel_layers(x0, y0, x1, y1, sunken, face):
    """A two-line 3D frame around a face, as layers: raised has its light edges top-left."""
    light, lighter, dark, darker = (214, 211, 206, 255), (255, 255, 255, 255), \
        (128, 128, 128, 255), (64, 64, 64, 255)
    if sunken:
        outer_tl, outer_br, inner_tl, inner_br = dark, lighter, darker, light
    else:
        outer_tl, outer_br, inner_tl, inner_br = lighter, darker, light, dark
    return [
        (box(x0, y0, x1, y1), outer_br),
        (box(x0, y0, x1 - 1, y1 - 1), outer_tl),
        (box(x0 + 1, y0 + 1, x1 - 1, y1 - 1), inner_br),
        (box(x0 + 1, y0 + 1, x1 - 2, y1 - 2), inner_tl),
        (box(x0 + 2, y0 + 2, x1 - 2, y1 - 2), face),
    ]


# ---------------------------------------------------------------------------------------------
# The push buttons: a raised frame around a white face with a dark symbol; pressed, the frame
# turns sunken and the symbol moves one pixel down and to the right.

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


def button(w, h, symbol, pressed):
    c = Canvas(w, h, FACE)
    if pressed:
        outer_tl, outer_br, inner_tl, inner_br = SHADOW, HIGHLIGHT, DARK_SHADOW, LIGHT
    else:
        outer_tl, outer_br, inner_tl, inner_br = HIGHLIGHT, DARK_SHADOW, LIGHT, SHADOW
    c.rect(0, 0, w, h, outer_br)
    c.rect(0, 0, w - 1, h - 1, outer_tl)
    c.rect(1, 1, w - 1, h - 1, inner_br)
    c.rect(1, 1, w - 2, h - 2, inner_tl)
    c.rect(2, 2, w - 2, h - 2, FACE)
    rows = SYMBOLS[symbol]
    sw, sh = len(rows[0]), len(rows)
    x = 2 + (w - 4 - sw) // 2 + (1 if pressed else 0)
    y = 2 + (h - 4 - sh) // 2 + (1 if pressed else 0)
    if symbol == "linked":
        for (bx0, by0) in ((1, 1), (11, 7)):
            c.rect(x + bx0, y + by0, x + bx0 + 4, y + by0 + 2, SCREEN_TINT)
    c.pattern(rows, x, y, INK)
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


def banner():
    w, h = 160, 20
    c = Canvas(w, h)
    top, bottom = (58, 58, 66), (6, 6, 8)
    for y in range(h):
        t = y / (h - 3)
        col = tuple(int(a + (b - a) * min(t, 1.0) + 0.5) for a, b in zip(top, bottom))
        c.rect(0, y, w, y + 1, col)
    c.rect(0, 0, w, 1, (92, 92, 104))           # a lit top edge
    # The red rule: bright at the left, fading to the right in steps.
    for x in range(w):
        t = (x // 8) / ((w - 1) // 8)
        red = (int(220 - 150 * t + 0.5), int(24 - 16 * t + 0.5), int(24 - 16 * t + 0.5))
        c.set(x, h - 2, red)
        c.set(x, h - 1, tuple(v // 3 for v in red))
    # The mark and the name are centred together: 18 pixels of mark, 6 of space, the name.
    left = (w - (24 + text_width("The Blenker", BANNER_FONT, 2, 5))) // 2
    # The no-entry mark, anti-aliased against the background under it.
    mark = render(18, [
        (disc(9, 9, 7.6), (110, 0, 0, 255)),
        (disc(9, 9, 6.7), (214, 28, 28, 255)),
        (box(4, 8, 14, 10), (255, 255, 255, 255)),
    ], samples=4)
    for y in range(18):
        for x in range(18):
            r, g, b, a = mark[y][x]
            if a:
                br, bg, bb = c.get(x + left, y)
                f = a / 255
                c.set(x + left, y, tuple(int(v * f + u * (1 - f) + 0.5)
                                         for v, u in zip((r, g, b), (br, bg, bb))))
    x = left + 24
    x = draw_text(c, "The", BANNER_FONT, x, 4, (232, 48, 48), 2, 5, shadow=(0, 0, 0))
    x = draw_text(c, " Blenker", BANNER_FONT, x, 4, (244, 244, 244), 2, 5, shadow=(0, 0, 0))
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


def app_icon(size):
    """A small window with a red no-entry sign over its lower right corner."""
    if size == 32:
        win, bar, lines = (1, 3, 25, 25), 6, [(4, 10, 21), (4, 13, 17), (4, 16, 19)]
        cx = cy = 22.0
        r_out, r_in = 9.9, 8.7
        stripe = (15, 20, 29, 24)
    else:
        win, bar, lines = (0, 1, 13, 13), 3, [(2, 6, 10), (2, 8, 7)]
        cx = cy = 11.0
        r_out, r_in = 5.0, 4.2
        stripe = (8, 10, 14, 12)
    x0, y0, x1, y1 = win
    layers = [
        (box(x0, y0, x1, y1), NAVY),
        (box(x0 + 1, y0 + 1, x1 - 1, y0 + 1 + bar), TITLE_BLUE),
        (box(x0 + 1, y0 + 2 + bar, x1 - 1, y1 - 1), WHITE),
    ]
    for lx0, ly, lx1 in lines:
        layers.append((box(x0 + lx0, y0 + ly, x0 + lx1, y0 + ly + 1), GREY_LINE))
    if size == 32:
        # a close box in the title bar
        layers.append((box(x1 - 7, y0 + 2, x1 - 2, y0 + bar), (220, 220, 228, 255)))
    layers += [
        (disc(cx, cy, r_out + 1.0), WHITE),      # a white rim lifts the sign off the window
        (disc(cx, cy, r_out), DARK_RED),
        (disc(cx, cy, r_in), RED),
        (box(*stripe), WHITE),
    ]
    return render(size, layers)


def target_layers(c, size, ghost=False):
    """The crosshair target centred on pixel c (its centre is at c + 0.5)."""
    m = c + 0.5
    if size == 32:
        r1, r2, w, dot, arm = 10.0, 5.0, 1.6, 1.6, 12
    else:
        r1, r2, w, dot, arm = 5.0, 0.0, 1.1, 1.5, 6
    if ghost:
        g = (150, 150, 150, 255)
        layers = [(ring(m, m, r1 - w / 2, r1 + w / 2), g)]
        if r2:
            layers.append((ring(m, m, r2 - w / 2, r2 + w / 2), g))
        return layers
    cross = either(box(c, c - arm, c + 1, c + arm + 1), box(c - arm, c, c + arm + 1, c + 1))
    layers = [(cross, BLACK), (ring(m, m, r1 - w / 2, r1 + w / 2), BLACK)]
    if r2:   # the small icon has room for the outer ring and a red centre only
        layers.append((ring(m, m, r2 - w / 2, r2 + w / 2), RED))
    if dot:
        layers.append((disc(m, m, dot), RED))
    return layers


def target_icon(size, dragged):
    """The drag target in its sunken frame; once dragged, only a grey trace stays."""
    face = (236, 236, 236, 255)
    if size == 32:
        layers = bevel_layers(1, 1, 32, 32, True, face)
        c = 16
    else:
        layers = bevel_layers(1, 1, 16, 16, True, face)
        c = 8
    return render(size, layers + target_layers(c, size, ghost=dragged))


def target_cursor():
    """The target in the hand: black and red on a white halo so it shows on any background."""
    c, m = 16, 16.5
    halo = either(
        box(c - 1, c - 13, c + 2, c + 14), box(c - 13, c - 1, c + 14, c + 2),
        ring(m, m, 8.2, 12.0), ring(m, m, 3.2, 6.8), disc(m, m, 3.0))
    layers = [(halo, WHITE)] + [
        (either(box(c, c - 12, c + 1, c - 6), box(c, c + 7, c + 1, c + 13),
                box(c - 12, c, c - 6, c + 1), box(c + 7, c, c + 13, c + 1)), BLACK),
        (ring(m, m, 9.1, 11.0), BLACK),
        (ring(m, m, 4.1, 5.9), RED),
        (disc(m, m, 1.2), BLACK),
    ]
    return render(32, layers)


# ---------------------------------------------------------------------------------------------
# The state lamps: a black ellipse in a ring, with "On" or "Off" in white pixel letters.

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


def lamp(text, ring_colors):
    """ring_colors: (outer edge, ring, inner edge). Palette index 0 is the transparent one."""
    w, h = 30, 25
    palette = [(0, 0, 0), (0, 0, 0), (255, 255, 255)] + list(ring_colors)
    idx = {"out": 0, "black": 1, "white": 2, "edge": 3, "ring": 4, "inner": 5}
    cx, cy = w / 2, h / 2
    ax, ay = w / 2, h / 2
    pix = []
    for y in range(h):
        row = []
        for x in range(w):
            # distance in units of the ellipse's own radii, sampled at the pixel centre
            dx, dy = (x + 0.5 - cx) / ax, (y + 0.5 - cy) / ay
            d = math.sqrt(dx * dx + dy * dy)
            if d > 1.0:
                row.append(idx["out"])
            elif d > 0.93:
                row.append(idx["edge"])
            elif d > 0.84:
                row.append(idx["ring"])
            elif d > 0.78:
                row.append(idx["inner"])
            else:
                row.append(idx["black"])
        pix.append(row)
    tw = text_width(text, LAMP_FONT, 1, 0)
    x0 = (w - tw + 1) // 2
    y0 = (h - 9) // 2
    x = x0
    for ch in text:
        rows = LAMP_FONT[ch]
        for j, r in enumerate(rows):
            for i, m in enumerate(r):
                if m == "#":
                    pix[y0 + j][x + i] = idx["white"]
        x += len(rows[0]) + 1
    return w, h, [v for row in pix for v in row], palette


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

def main():
    os.makedirs(ART, exist_ok=True)
    for up, down, w, h, symbol in BUTTONS:
        write_bmp8(os.path.join(ART, "bitmap_%d.bmp" % up), button(w, h, symbol, False))
        write_bmp8(os.path.join(ART, "bitmap_%d.bmp" % down), button(w, h, symbol, True))
    write_bmp8(os.path.join(ART, "bitmap_149.bmp"), banner())

    write_icon_file(os.path.join(ART, "icon_128.ico"), [app_icon(32), app_icon(16)])
    write_icon_file(os.path.join(ART, "icon_181.ico"),
                    [target_icon(32, False), target_icon(16, False)])
    write_icon_file(os.path.join(ART, "icon_182.ico"),
                    [target_icon(32, True), target_icon(16, True)])
    write_icon_file(os.path.join(ART, "cursor_182.cur"), [target_cursor()], kind=2,
                    hotspot=(16, 16))

    on = lamp("On", [(120, 0, 0), (230, 30, 30), (150, 10, 10)])
    off = lamp("Off", [(60, 60, 60), (120, 120, 120), (80, 80, 80)])
    write_gif(os.path.join(ART, "lamp_on.gif"), *on, transparent=0)
    write_gif(os.path.join(ART, "lamp_off.gif"), *off, transparent=0)

    blenked_wav(os.path.join(ROOT, "res", "Blenked.wav"))


if __name__ == "__main__":
    main()
