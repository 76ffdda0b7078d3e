#!/usr/bin/env python3
"""Draws the bitmaps of the image library into this folder.

Developer tool only: the .bmp files are committed and the build uses them as they are.
Plain Python 3, no imaging package. Shapes are signed-distance functions, so their edges are
anti-aliased by the distance itself; everything is deterministic.

    python3 resources/bitmaps/make_bitmaps.py
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# Face colour of list headers and dialogs, behind the small images.
FACE = (240 / 255, 240 / 255, 240 / 255)


def clamp(value, low=0.0, high=1.0):
    return max(low, min(high, value))


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def rgb(hex_text):
    return tuple(int(hex_text[i:i + 2], 16) / 255 for i in (0, 2, 4))


class Canvas:
    """Drawn in the units of a 96 DPI display; `scale` pixels to the unit, so that one drawing
    makes the picture for a larger scale, which the programs scale down smoothly."""

    def __init__(self, width, height, color, scale=1):
        self.scale = scale
        self.width = width * scale
        self.height = height * scale
        self.pixels = [[color] * self.width for _ in range(self.height)]

    def shade(self, paint):
        """Replaces every pixel with paint(x, y, old colour)."""
        for y in range(self.height):
            row = self.pixels[y]
            for x in range(self.width):
                row[x] = paint((x + 0.5) / self.scale, (y + 0.5) / self.scale, row[x])

    def fill(self, distance, color, alpha=1.0, box=None, softness=1.0):
        """Covers the shape distance(x, y) <= 0 with color (a colour or a function of x, y)."""
        k = self.scale
        x0, y0, x1, y1 = (v * k for v in (box or (0, 0, self.width / k, self.height / k)))
        for y in range(max(0, int(y0) - 2), min(self.height, int(y1) + 3)):
            row = self.pixels[y]
            for x in range(max(0, int(x0) - 2), min(self.width, int(x1) + 3)):
                px, py = (x + 0.5) / k, (y + 0.5) / k
                coverage = clamp(0.5 - distance(px, py) * k / softness) * alpha
                if coverage > 0:
                    paint = color(px, py) if callable(color) else color
                    row[x] = mix(row[x], paint, coverage)

    def soft_shadow(self, cx, cy, rx, ry, strength):
        """A blurred elliptic shadow on the ground under an object."""
        k = self.scale
        for y in range(max(0, int((cy - 3 * ry) * k)), min(self.height, int((cy + 3 * ry) * k) + 1)):
            row = self.pixels[y]
            for x in range(max(0, int((cx - 2 * rx) * k)), min(self.width, int((cx + 2 * rx) * k) + 1)):
                spread = (((x + 0.5) / k - cx) / rx) ** 2 + (((y + 0.5) / k - cy) / ry) ** 2
                row[x] = mix(row[x], (0, 0, 0), strength * math.exp(-spread * 1.5))

    def save(self, name):
        stride = (self.width * 3 + 3) & ~3
        body = bytearray()
        for y in reversed(range(self.height)):
            line = bytearray()
            for r, g, b in self.pixels[y]:
                line += bytes((round(clamp(b) * 255), round(clamp(g) * 255), round(clamp(r) * 255)))
            body += line + bytes(stride - len(line))
        header = struct.pack('<2sIHHI', b'BM', 54 + len(body), 0, 0, 54)
        info = struct.pack('<IiiHHIIiiII', 40, self.width, self.height, 1, 24, 0, len(body),
                           2835, 2835, 0, 0)
        with open(os.path.join(HERE, name), 'wb') as file:
            file.write(header + info + body)


# ---- Signed distances --------------------------------------------------------------------

def rounded_box(x0, y0, x1, y1, radius):
    cx, cy, hw, hh = (x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2, (y1 - y0) / 2

    def distance(x, y):
        qx = abs(x - cx) - (hw - radius)
        qy = abs(y - cy) - (hh - radius)
        outside = math.hypot(max(qx, 0), max(qy, 0))
        return outside + min(max(qx, qy), 0) - radius
    return distance


def circle(cx, cy, radius):
    return lambda x, y: math.hypot(x - cx, y - cy) - radius


def ring(cx, cy, radius, width):
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - radius) - width / 2


def triangle(ax, ay, bx, by, cx, cy):
    edges = ((ax, ay, bx, by), (bx, by, cx, cy), (cx, cy, ax, ay))

    def distance(x, y):
        worst = -1e9
        for x0, y0, x1, y1 in edges:
            nx, ny = y1 - y0, x0 - x1
            length = math.hypot(nx, ny)
            worst = max(worst, ((x - x0) * nx + (y - y0) * ny) / length)
        return worst
    return distance


def vertical(top_color, bottom_color, y0, y1):
    return lambda x, y: mix(top_color, bottom_color, clamp((y - y0) / (y1 - y0)))


# ---- Pictures ----------------------------------------------------------------------------

def outline(canvas, x0, y0, x1, y1, radius):
    """A faint edge, so that white paper stays visible on a light background."""
    canvas.fill(rounded_box(x0 - 0.8, y0 - 0.8, x1 + 0.8, y1 + 0.8, radius + 0.8), rgb('7f8fa3'), 0.45,
                box=(x0 - 1, y0 - 1, x1 + 1, y1 + 1))


def draw_printer(canvas, left, top, scale):
    """A desktop laser printer with its operator panel, in the product's house style."""
    def s(value):
        return value * scale

    def box(x0, y0, x1, y1):
        return (left + s(x0), top + s(y0), left + s(x1), top + s(y1))

    canvas.soft_shadow(left + s(54), top + s(84), s(60), s(5), 0.45)

    # Paper in the input tray behind the lid.
    x0, y0, x1, y1 = box(20, 0, 88, 30)
    outline(canvas, x0, y0, x1, y1, s(1.5))
    canvas.fill(rounded_box(x0, y0, x1, y1, s(1.5)), rgb('f7f9fc'), box=(x0, y0, x1, y1))
    canvas.fill(rounded_box(x0, y1 - s(4), x1, y1, 0), rgb('d8dee8'), box=(x0, y1 - s(4), x1, y1))

    # Body, lid and front.
    x0, y0, x1, y1 = box(0, 22, 108, 82)
    canvas.fill(rounded_box(x0, y0, x1, y1, s(7)), vertical(rgb('f4f6f9'), rgb('b9c3cf'), y0, y1),
                box=(x0, y0, x1, y1))
    x0, y0, x1, y1 = box(0, 22, 108, 36)
    canvas.fill(rounded_box(x0, y0, x1, y1 + s(6), s(7)), vertical(rgb('ffffff'), rgb('dfe5ec'), y0, y1),
                box=(x0, y0, x1, y1))
    x0, y0, x1, y1 = box(2, 36, 106, 37.2)
    canvas.fill(rounded_box(x0, y0, x1, y1, 0), rgb('9aa7b6'), box=(x0, y0, x1, y1))

    # Operator panel: a lit display and two keys.
    x0, y0, x1, y1 = box(64, 41, 102, 55)
    canvas.fill(rounded_box(x0, y0, x1, y1, s(2.5)), rgb('1d2733'), box=(x0, y0, x1, y1))
    x0, y0, x1, y1 = box(67, 43.5, 89, 52.5)
    canvas.fill(rounded_box(x0, y0, x1, y1, s(1)), vertical(rgb('7fd8ff'), rgb('2f9ad6'), y0, y1),
                box=(x0, y0, x1, y1))
    for row, length in ((46, 15), (49.5, 10)):
        x0, y0, x1, y1 = box(69, row, 69 + length, row + 1.4)
        canvas.fill(rounded_box(x0, y0, x1, y1, s(0.5)), rgb('0f4f7a'), 0.8, box=(x0, y0, x1, y1))
    canvas.fill(circle(left + s(95.5), top + s(45.5), s(2)), rgb('5fd16f'), box=box(92, 42, 99, 49))
    canvas.fill(circle(left + s(95.5), top + s(51.5), s(2)), rgb('e8eef5'), box=box(92, 48, 99, 55))

    # Output slot with a printed page coming out.
    x0, y0, x1, y1 = box(10, 58, 98, 63)
    canvas.fill(rounded_box(x0, y0, x1, y1, s(2)), rgb('2a3440'), box=(x0, y0, x1, y1))
    x0, y0, x1, y1 = box(18, 60, 90, 90)
    outline(canvas, x0, y0, x1, y1, s(1.5))
    canvas.fill(rounded_box(x0, y0, x1, y1, s(1.5)), vertical(rgb('ffffff'), rgb('eef2f7'), y0, y1),
                box=(x0, y0, x1, y1))
    for index, length in enumerate((52, 60, 44, 56)):
        x0, y0, x1, y1 = box(26, 66 + index * 5.5, 26 + length, 67.6 + index * 5.5)
        canvas.fill(rounded_box(x0, y0, x1, y1, s(0.8)), rgb('a9b6c6'), box=(x0, y0, x1, y1))


def draw_speech_bubble(canvas, x0, y0, x1, y1, tail_left, color, alpha, bar_color):
    """A rounded speech bubble with lines of 'text' in it: the panel speaks another language."""
    canvas.fill(rounded_box(x0, y0, x1, y1, 9), color, alpha, box=(x0, y0, x1, y1))
    tail_x = x0 + 14 if tail_left else x1 - 14
    tail_tip = tail_x - 8 if tail_left else tail_x + 8
    tail = triangle(tail_x - 6, y1 - 1, tail_x + 6, y1 - 1, tail_tip, y1 + 12)
    canvas.fill(tail, color, alpha, box=(tail_x - 16, y1 - 2, tail_x + 16, y1 + 13))
    lines = int((y1 - y0 - 14) // 9)
    for index in range(lines):
        ly = y0 + 10 + index * 9
        lx1 = x1 - 12 - (index % 2) * 14
        canvas.fill(rounded_box(x0 + 12, ly, lx1, ly + 4, 2), bar_color, alpha, box=(x0 + 12, ly, lx1, ly + 4))


# The pictures that stand beside texts are drawn for 200 %; smaller scales are made from them.
LARGEST_SCALE = 2


def side_picture():
    width, height = 164, 314
    canvas = Canvas(width, height, (0, 0, 0), LARGEST_SCALE)
    top, bottom = rgb('0b2a5b'), rgb('0b7aa6')
    glow_color = rgb('6fc8ff')

    def background(x, y, _old):
        color = mix(top, bottom, y / height)
        glow = math.exp(-(((x - 120) / 90) ** 2 + ((y - 70) / 110) ** 2))
        band = math.exp(-(((x * 0.8 + y * 0.6) - 200) / 38) ** 2) * 0.10
        return mix(color, glow_color, clamp(glow * 0.28 + band))
    canvas.shade(background)

    white = (1, 1, 1)
    canvas.fill(ring(168, 36, 92, 1.2), white, 0.16)
    canvas.fill(ring(168, 36, 120, 0.8), white, 0.10)
    canvas.fill(ring(-30, 268, 120, 1.2), white, 0.12)
    canvas.fill(circle(22, 40, 30), white, 0.05)
    canvas.fill(circle(140, 300, 46), white, 0.05)

    draw_speech_bubble(canvas, 24, 62, 112, 104, True, (1, 1, 1), 0.92, rgb('7d95b5'))
    draw_speech_bubble(canvas, 62, 112, 142, 146, False, rgb('8fd3ff'), 0.85, rgb('2d6e9e'))

    draw_printer(canvas, 28, 186, 1.0)
    canvas.save('SidePicture.bmp')


def version_image():
    width, height = 128, 96
    canvas = Canvas(width, height, (0, 0, 0), LARGEST_SCALE)
    canvas.shade(lambda x, y, _old: mix(rgb('ffffff'), rgb('dde7f1'), y / height))
    border = rgb('9aa9ba')
    edge = LARGEST_SCALE  # one pixel at 100 %
    for y in range(canvas.height):
        for x in range(canvas.width):
            if min(x, y, canvas.width - 1 - x, canvas.height - 1 - y) < edge:
                canvas.pixels[y][x] = border
    draw_printer(canvas, 21, 10, 0.8)
    canvas.save('DefaultVersionImage.bmp')


def sort_arrow(name, pointing_up):
    """A solid triangle of 9 x 5 units, as list headers show it."""
    width, height = 9, 5
    canvas = Canvas(width, height, FACE, LARGEST_SCALE)
    # The corners go round the same way for either direction, as the distance needs.
    if pointing_up:
        corners = (width / 2, 0, width, height, 0, height)
    else:
        corners = (0, 0, width, 0, width / 2, height)
    canvas.fill(triangle(*corners), rgb('6d7278'))
    canvas.save(name)


if __name__ == '__main__':
    side_picture()
    version_image()
    sort_arrow('SortAscending.bmp', True)
    sort_arrow('SortDescending.bmp', False)
