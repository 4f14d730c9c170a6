#!/usr/bin/env python3
"""Generates the binary pictures of the language library into res/.

    python3 tools/make_assets.py [OUTPUT_DIR]

Standard library only, and deterministic: the same script always writes the
same bytes, so the generated files are committed and the build never runs it.

Written files:
    horalo.ico      icon 3000, the main window (clock)
    tray.ico        icon 3001, notification area while working (clock)
    tray_break.ico  icon 3005, notification area, second break picture (cup)
    preview.ico     icon 4001, the time-sheet preview frame (sheet)
    zoom.cur        cursor 4001, the preview canvas (magnifier, hot spot in
                    the lens)
    rows.bmp        bitmap 4003, the log browser's row images: 20 images of
                    32 x 16 pixels, magenta transparent; image 2k is row
                    kind k plain, image 2k + 1 the same kind flagged
    about.emf       picture 4002, the about dialog's background
"""

import math
import os
import struct
import sys

# ---------------------------------------------------------------------------
# A tiny shape rasteriser. Shapes live in a square of side 1 (icons) or in
# pixel coordinates (row images); a shape is (inside(x, y) -> bool, RGBA).

def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r_outer, r_inner):
    def inside(x, y):
        d = (x - cx) ** 2 + (y - cy) ** 2
        return r_inner * r_inner <= d <= r_outer * r_outer
    return inside


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def round_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def segment(x0, y0, x1, y1, width):
    """A thick line with round ends."""
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy
    half = width / 2.0

    def inside(x, y):
        t = 0.0 if length2 == 0 else ((x - x0) * dx + (y - y0) * dy) / length2
        t = min(1.0, max(0.0, t))
        px, py = x0 + t * dx, y0 + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= half * half
    return inside


def polygon(points):
    """Even-odd point-in-polygon test."""
    def inside(x, y):
        result = False
        n = len(points)
        for i in range(n):
            xa, ya = points[i]
            xb, yb = points[(i + 1) % n]
            if (ya > y) != (yb > y):
                xc = xa + (y - ya) * (xb - xa) / (yb - ya)
                if x < xc:
                    result = not result
        return result
    return inside


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def minus(shape, cut):
    return lambda x, y: shape(x, y) and not cut(x, y)


def rgb(hex_text, alpha=255):
    value = int(hex_text, 16)
    return ((value >> 16) & 255, (value >> 8) & 255, value & 255, alpha)


def render_rgba(size, shapes, scale, samples=4):
    """Supersampled RGBA rows (top row first) with straight alpha."""
    rows = []
    step = 1.0 / samples
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]  # premultiplied sums
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) * step) / scale
                    y = (py + (sy + 0.5) * step) / scale
                    r = g = b = a = 0.0  # premultiplied, 0..1
                    for inside, colour in shapes:
                        if inside(x, y):
                            ca = colour[3] / 255.0
                            r = colour[0] / 255.0 * ca + r * (1 - ca)
                            g = colour[1] / 255.0 * ca + g * (1 - ca)
                            b = colour[2] / 255.0 * ca + b * (1 - ca)
                            a = ca + a * (1 - ca)
                    acc[0] += r
                    acc[1] += g
                    acc[2] += b
                    acc[3] += a
            n = samples * samples
            alpha = acc[3] / n
            if alpha <= 0.0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(int(round(min(1.0, acc[i] / n / alpha) * 255)) for i in range(3))
                           + (int(round(alpha * 255)),))
        rows.append(row)
    return rows


def render_keyed(width, height, shapes, samples=4, threshold=0.5):
    """Supersampled RGB rows for a colour-keyed bitmap: a pixel is opaque
    when at least `threshold` of it is covered, and then takes the mean colour
    of its covered samples, so edges against the transparent colour stay hard
    (no magenta fringe) while edges between shapes are smoothed. Returns rows
    of (r, g, b) or None for transparent."""
    rows = []
    step = 1.0 / samples
    for py in range(height):
        row = []
        for px in range(width):
            covered = 0
            acc = [0.0, 0.0, 0.0]
            for sy in range(samples):
                for sx in range(samples):
                    x = px + (sx + 0.5) * step
                    y = py + (sy + 0.5) * step
                    colour = None
                    for inside, c in shapes:
                        if inside(x, y):
                            colour = c
                    if colour is not None:
                        covered += 1
                        for i in range(3):
                            acc[i] += colour[i]
            if covered >= threshold * samples * samples:
                row.append(tuple(int(round(acc[i] / covered)) for i in range(3)))
            else:
                row.append(None)
        rows.append(row)
    return rows


# ---------------------------------------------------------------------------
# Icon pictures, in a unit square.

BLUE_DARK = rgb("1F5FA8")
BLUE = rgb("3D86D6")
WHITE = rgb("FFFFFF")
INK = rgb("1B2A3A")
SHADOW = (0, 0, 0, 60)


def clock_shapes(size, rim):
    """A round clock at ten past ten. `rim` is the ring colour."""
    small = size <= 16
    shapes = []
    if not small:
        shapes.append((disc(0.52, 0.54, 0.47), SHADOW))
    shapes.append((disc(0.5, 0.5, 0.47), rim))
    shapes.append((disc(0.5, 0.5, 0.47 - (0.11 if small else 0.08)), WHITE))
    if not small:
        for hour in range(12):
            angle = math.radians(hour * 30)
            inner = 0.29 if hour % 3 == 0 else 0.33
            x0 = 0.5 + math.sin(angle) * inner
            y0 = 0.5 - math.cos(angle) * inner
            x1 = 0.5 + math.sin(angle) * 0.37
            y1 = 0.5 - math.cos(angle) * 0.37
            width = 0.05 if hour % 3 == 0 else 0.03
            shapes.append((segment(x0, y0, x1, y1, width), rgb("5A6B7D")))
    hour_width = 0.13 if small else 0.075
    minute_width = 0.10 if small else 0.055
    # Hour hand towards ten o'clock, minute hand towards two.
    a_hour = math.radians(-60)
    a_minute = math.radians(60)
    shapes.append((segment(0.5, 0.5, 0.5 + math.sin(a_hour) * 0.2, 0.5 - math.cos(a_hour) * 0.2,
                           hour_width), INK))
    shapes.append((segment(0.5, 0.5, 0.5 + math.sin(a_minute) * 0.3, 0.5 - math.cos(a_minute) * 0.3,
                           minute_width), INK))
    shapes.append((disc(0.5, 0.5, 0.07 if small else 0.05), rgb("D64541")))
    return shapes


def cup_shapes(size):
    """A coffee cup with steam: the break picture."""
    small = size <= 16
    cup = rgb("E07A1F")
    cup_dark = rgb("A8540C")
    coffee = rgb("5B3716")
    shapes = []
    if not small:
        shapes.append((round_rect(0.10, 0.86, 0.84, 0.95, 0.04), SHADOW))
    # Saucer
    shapes.append((round_rect(0.08, 0.82, 0.84, 0.90, 0.04), cup_dark))
    # Handle
    shapes.append((ring(0.74, 0.56, 0.17, 0.09 if small else 0.10), cup_dark))
    # Body: a rounded, slightly tapering bowl
    body = polygon([(0.14, 0.36), (0.74, 0.36), (0.68, 0.78), (0.20, 0.78)])
    shapes.append((union(body, disc(0.44, 0.66, 0.16)), cup))
    shapes.append((rect(0.16, 0.36, 0.72, 0.43), coffee))
    shapes.append((segment(0.14, 0.36, 0.74, 0.36, 0.05), cup_dark))
    # Steam
    steam = rgb("8A9BAE")
    width = 0.08 if small else 0.05
    for x in ((0.32, 0.52) if small else (0.30, 0.44, 0.58)):
        shapes.append((segment(x, 0.28, x + 0.05, 0.18, width), steam))
        shapes.append((segment(x + 0.05, 0.18, x, 0.08, width), steam))
    return shapes


def sheet_shapes(size):
    """A time sheet: a page with a header, table lines and a small clock."""
    small = size <= 16
    shapes = []
    if not small:
        shapes.append((polygon([(0.17, 0.07), (0.67, 0.07), (0.87, 0.27), (0.87, 0.97), (0.17, 0.97)]),
                       SHADOW))
    page = polygon([(0.13, 0.03), (0.63, 0.03), (0.83, 0.23), (0.83, 0.93), (0.13, 0.93)])
    shapes.append((page, rgb("7D8A99")))
    shapes.append((polygon([(0.17, 0.07), (0.61, 0.07), (0.79, 0.25), (0.79, 0.89), (0.17, 0.89)]),
                   WHITE))
    shapes.append((polygon([(0.61, 0.07), (0.61, 0.25), (0.79, 0.25)]), rgb("C9D3DE")))
    shapes.append((rect(0.22, 0.13, 0.55, 0.22), BLUE))
    lines = (0.36, 0.52, 0.68) if small else (0.33, 0.43, 0.53, 0.63, 0.73)
    for y in lines:
        shapes.append((rect(0.22, y, 0.74, y + (0.06 if small else 0.035)), rgb("AFC2D6")))
    if not small:
        shapes.append((rect(0.44, 0.30, 0.47, 0.80), rgb("AFC2D6")))
    # Clock badge at the lower right
    shapes.append((disc(0.72, 0.76, 0.24), BLUE_DARK))
    shapes.append((disc(0.72, 0.76, 0.17), WHITE))
    shapes.append((segment(0.72, 0.76, 0.72, 0.64, 0.06), INK))
    shapes.append((segment(0.72, 0.76, 0.81, 0.76, 0.06), INK))
    return shapes


def icon_file(builder):
    """An .ico with 16, 32 and 48 pixel images, 32 bits with alpha."""
    images = []
    for size in (16, 32, 48):
        pixels = render_rgba(size, builder(size), scale=size)
        xor = bytearray()
        for row in reversed(pixels):
            for r, g, b, a in row:
                xor += bytes((b, g, r, a))
        mask_stride = ((size + 31) // 32) * 4
        mask = bytearray()
        for row in reversed(pixels):
            bits = bytearray(mask_stride)
            for x, (_, _, _, a) in enumerate(row):
                if a < 128:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bits
        header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask),
                             0, 0, 0, 0)
        images.append((size, header + bytes(xor) + bytes(mask)))
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    return bytes(out)


# ---------------------------------------------------------------------------
# The magnifier cursor: 32 x 32, monochrome, hot spot in the lens centre.

def cursor_file():
    size = 32
    cx, cy, r = 12.5, 12.5, 8.0
    white = [
        ring(cx, cy, r + 2.6, r - 2.6),
        segment(cx + 6.4, cy + 6.4, 28.0, 28.0, 7.5),
        segment(cx - 4.6, cy, cx + 4.6, cy, 4.2),
        segment(cx, cy - 4.6, cx, cy + 4.6, 4.2),
    ]
    black = [
        ring(cx, cy, r + 1.2, r - 1.2),
        segment(cx + 6.8, cy + 6.8, 27.0, 27.0, 4.6),
        segment(cx - 3.6, cy, cx + 3.6, cy, 1.6),
        segment(cx, cy - 3.6, cx, cy + 3.6, 1.6),
    ]
    stride = 4
    xor_rows, and_rows = [], []
    for py in range(size):
        xor_bits = bytearray(stride)
        and_bits = bytearray(stride)
        for px in range(size):
            x, y = px + 0.5, py + 0.5
            bit = 0x80 >> (px % 8)
            if any(s(x, y) for s in black):
                pass  # AND 0, XOR 0: black
            elif any(s(x, y) for s in white):
                xor_bits[px // 8] |= bit  # AND 0, XOR 1: white
            else:
                and_bits[px // 8] |= bit  # AND 1, XOR 0: transparent
        xor_rows.append(xor_bits)
        and_rows.append(and_bits)
    xor = b"".join(bytes(r) for r in reversed(xor_rows))
    andm = b"".join(bytes(r) for r in reversed(and_rows))
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, len(xor) + len(andm),
                         0, 0, 2, 2)
    data = header + palette + xor + andm
    hot_x, hot_y = int(cx), int(cy)
    out = struct.pack("<HHH", 0, 2, 1)
    out += struct.pack("<BBBBHHII", size, size, 2, 0, hot_x, hot_y, len(data), 6 + 16)
    return out + data


# ---------------------------------------------------------------------------
# The log browser's row images, in pixel coordinates of one 16 x 16 glyph.

def calendar_page(band, body_extra=()):
    outline = rgb("6E7B8A")
    shapes = [
        (round_rect(1.5, 2.5, 14.5, 14.5, 1.5), outline),
        (rect(2.5, 3.5, 13.5, 13.5), WHITE),
        (rect(2.5, 3.5, 13.5, 6.5), band),
        (rect(4.5, 1.0, 5.6, 4.5), outline),
        (rect(10.4, 1.0, 11.5, 4.5), outline),
    ]
    return shapes + list(body_extra)


def page_dots(colour):
    shapes = []
    for y in (8.0, 10.7):
        for x in (3.7, 6.7, 9.7, 12.3):
            shapes.append((rect(x - 0.2, y, x + 1.2, y + 1.2), colour))
    return shapes


def star(cx, cy, r_outer, r_inner):
    points = []
    for i in range(10):
        r = r_outer if i % 2 == 0 else r_inner
        a = math.radians(-90 + i * 36)
        points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return polygon(points)


def row_glyph(kind):
    if kind == 0:   # Sunday without records
        return calendar_page(rgb("D64541"), page_dots(rgb("C3CCD6")))
    if kind == 1:   # Saturday without records
        return calendar_page(rgb("7C93B0"), page_dots(rgb("C3CCD6")))
    if kind == 2:   # WorkStart: green "play"
        return [(disc(8, 8, 7.0), rgb("2E9E4F")),
                (polygon([(6.0, 4.3), (12.0, 8.0), (6.0, 11.7)]), WHITE)]
    if kind == 3:   # WorkEnd: red "stop"
        return [(disc(8, 8, 7.0), rgb("D64541")),
                (rect(5.0, 5.0, 11.0, 11.0), WHITE)]
    if kind == 4:   # Note: yellow sheet with lines
        return [(polygon([(2.0, 1.5), (11.0, 1.5), (14.5, 5.0), (14.5, 14.5), (2.0, 14.5)]),
                 rgb("B08F1A")),
                (polygon([(3.0, 2.5), (10.5, 2.5), (13.5, 5.5), (13.5, 13.5), (3.0, 13.5)]),
                 rgb("FFE27A")),
                (polygon([(10.5, 2.5), (10.5, 5.5), (13.5, 5.5)]), rgb("E8C440")),
                (rect(4.5, 6.5, 11.5, 7.5), rgb("8C7420")),
                (rect(4.5, 9.0, 11.5, 10.0), rgb("8C7420")),
                (rect(4.5, 11.5, 9.5, 12.5), rgb("8C7420"))]
    if kind == 5:   # Holiday: page with a golden star
        return calendar_page(rgb("2E9E4F"), [(star(8.0, 10.0, 4.2, 1.8), rgb("E5A50A"))])
    if kind == 6:   # Break: a cup
        brown = rgb("A8540C")
        return [(ring(12.0, 9.0, 3.0, 1.5), brown),
                (union(polygon([(2.0, 5.5), (12.5, 5.5), (11.5, 13.0), (3.0, 13.0)]),
                       disc(7.25, 11.0, 3.0)), rgb("E07A1F")),
                (rect(1.5, 13.5, 13.5, 15.0), brown),
                (segment(5.0, 3.8, 6.0, 1.0, 1.1), rgb("8A9BAE")),
                (segment(9.0, 3.8, 10.0, 1.0, 1.1), rgb("8A9BAE"))]
    if kind == 7:   # CompensationDay: hours taken off the balance
        return [(disc(8, 8, 7.0), rgb("7B4DB0")),
                (rect(4.0, 7.0, 12.0, 9.0), WHITE)]
    if kind == 8:   # AbsenceDay: page with a cross
        return calendar_page(rgb("1F8A8A"), [(segment(5.0, 8.0, 11.0, 12.5, 1.6), rgb("1F8A8A")),
                                            (segment(11.0, 8.0, 5.0, 12.5, 1.6), rgb("1F8A8A"))])
    # 9: unreadable record, or a working day without records
    return calendar_page(rgb("9AA5B1"), [(rect(7.2, 7.5, 8.8, 10.8), rgb("9AA5B1")),
                                        (rect(7.2, 11.8, 8.8, 13.0), rgb("9AA5B1"))])


def warning_glyph(dx):
    """A warning triangle in the right half of an image."""
    tri_outer = polygon([(dx + 8.0, 0.8), (dx + 15.6, 14.8), (dx + 0.4, 14.8)])
    tri_inner = polygon([(dx + 8.0, 3.2), (dx + 13.9, 13.8), (dx + 2.1, 13.8)])
    return [(tri_outer, rgb("8A3A00")),
            (tri_inner, rgb("FFC828")),
            (rect(dx + 7.2, 5.8, dx + 8.8, 10.2), INK),
            (rect(dx + 7.2, 11.2, dx + 8.8, 12.6), INK)]


def row_bitmap():
    kinds = 10
    image_w, height = 32, 16
    width = image_w * kinds * 2
    canvas = [[None] * width for _ in range(height)]
    for kind in range(kinds):
        glyph = render_keyed(16, height, row_glyph(kind))
        flag = render_keyed(16, height, warning_glyph(0.0))
        for flagged in (0, 1):
            x0 = (kind * 2 + flagged) * image_w
            for y in range(height):
                for x in range(16):
                    canvas[y][x0 + x] = glyph[y][x]
                    if flagged:
                        canvas[y][x0 + 16 + x] = flag[y][x]
    magenta = (255, 0, 255)
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(canvas):
        line = bytearray()
        for colour in row:
            r, g, b = colour if colour is not None else magenta
            if colour is not None and (r, g, b) == magenta:
                r, g, b = 254, 0, 254  # never transparent by accident
            line += bytes((b, g, r))
        line += bytes(stride - len(line))
        pixels += line
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return file_header + info + bytes(pixels)


# ---------------------------------------------------------------------------
# The about dialog's picture: an enhanced metafile drawn with plain GDI
# records (rectangles, ellipses, polygons and pens), in a 480 x 300 space.

class Emf:
    EMR_HEADER = 1
    EMR_EOF = 14
    EMR_SELECTOBJECT = 37
    EMR_CREATEPEN = 38
    EMR_CREATEBRUSHINDIRECT = 39
    EMR_DELETEOBJECT = 40
    EMR_ELLIPSE = 42
    EMR_RECTANGLE = 43
    EMR_POLYGON16 = 86
    EMR_POLYLINE16 = 87
    NULL_BRUSH = 0x80000005
    NULL_PEN = 0x80000008

    def __init__(self, width, height):
        self.width, self.height = width, height
        self.records = []
        self.handles = 0

    def _add(self, kind, payload):
        self.records.append(struct.pack("<II", kind, 8 + len(payload)) + payload)

    @staticmethod
    def colorref(colour):
        return colour[0] | (colour[1] << 8) | (colour[2] << 16)

    def brush(self, colour):
        self.handles += 1
        self._add(self.EMR_CREATEBRUSHINDIRECT,
                  struct.pack("<IIII", self.handles, 0, self.colorref(colour), 0))
        self._add(self.EMR_SELECTOBJECT, struct.pack("<I", self.handles))
        return self.handles

    def pen(self, colour, width):
        self.handles += 1
        self._add(self.EMR_CREATEPEN,
                  struct.pack("<IIiiI", self.handles, 0, width, 0, self.colorref(colour)))
        self._add(self.EMR_SELECTOBJECT, struct.pack("<I", self.handles))
        return self.handles

    def select_stock(self, stock):
        self._add(self.EMR_SELECTOBJECT, struct.pack("<I", stock))

    def delete(self, handle):
        self._add(self.EMR_DELETEOBJECT, struct.pack("<I", handle))

    def rectangle(self, x0, y0, x1, y1):
        self._add(self.EMR_RECTANGLE, struct.pack("<iiii", x0, y0, x1, y1))

    def ellipse(self, cx, cy, r):
        self._add(self.EMR_ELLIPSE, struct.pack("<iiii", cx - r, cy - r, cx + r, cy + r))

    def _points(self, kind, points):
        pts = [(int(round(x)), int(round(y))) for x, y in points]
        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]
        payload = struct.pack("<iiiiI", min(xs), min(ys), max(xs), max(ys), len(pts))
        payload += b"".join(struct.pack("<hh", x, y) for x, y in pts)
        self._add(kind, payload)

    def polygon(self, points):
        self._points(self.EMR_POLYGON16, points)

    def polyline(self, points):
        self._points(self.EMR_POLYLINE16, points)

    def data(self):
        description = "Horalo\0About picture\0\0".encode("utf-16-le")
        header_size = 108
        eof = struct.pack("<IIIII", self.EMR_EOF, 20, 0, 16, 20)
        body = b"".join(self.records) + eof
        total = header_size + len(description) + len(body)
        # Reference device: 1024 x 768 pixels on 320 x 240 mm.
        frame_w = self.width * 32000 // 1024
        frame_h = self.height * 24000 // 768
        header = struct.pack(
            "<II iiii iiii IIIIHHIII ii ii III ii",
            self.EMR_HEADER, header_size + len(description),
            0, 0, self.width - 1, self.height - 1,
            0, 0, frame_w - 1, frame_h - 1,
            0x464D4520, 0x10000, total, len(self.records) + 2, self.handles + 1, 0,
            len(description) // 2, header_size, 0,
            1024, 768, 320, 240,
            0, 0, 0,
            320000, 240000)
        assert len(header) == header_size
        return header + description + body


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def about_picture():
    w, h = 480, 300
    emf = Emf(w, h)
    emf.select_stock(Emf.NULL_PEN)
    # Background: a soft vertical gradient in bands.
    top, bottom = (226, 236, 250), (255, 255, 255)
    bands = 50
    for i in range(bands):
        handle = emf.brush(mix(top, bottom, i / (bands - 1)))
        emf.rectangle(0, i * h // bands, w + 1, (i + 1) * h // bands + 1)
        emf.select_stock(Emf.NULL_BRUSH)
        emf.delete(handle)
    # Two gentle waves along the bottom.
    for amplitude, base, phase, colour in ((10, 248, 0.0, (208, 225, 244)),
                                           (8, 266, 1.7, (190, 212, 238))):
        points = [(x, base + amplitude * math.sin(x / 480 * 2.6 * math.pi + phase))
                  for x in range(0, w + 1, 12)]
        points += [(w + 1, h + 1), (0, h + 1)]
        handle = emf.brush(colour)
        emf.polygon(points)
        emf.select_stock(Emf.NULL_BRUSH)
        emf.delete(handle)
    # A large, quiet clock on the right.
    cx, cy = 372, 128
    rim = emf.brush((196, 216, 240))
    emf.ellipse(cx, cy, 96)
    emf.select_stock(Emf.NULL_BRUSH)
    emf.delete(rim)
    face = emf.brush((248, 251, 255))
    emf.ellipse(cx, cy, 82)
    emf.select_stock(Emf.NULL_BRUSH)
    emf.delete(face)
    for hour in range(12):
        angle = math.radians(hour * 30)
        inner = 62 if hour % 3 == 0 else 68
        pen = emf.pen((150, 178, 214), 6 if hour % 3 == 0 else 4)
        emf.polyline([(cx + math.sin(angle) * inner, cy - math.cos(angle) * inner),
                      (cx + math.sin(angle) * 74, cy - math.cos(angle) * 74)])
        emf.select_stock(Emf.NULL_PEN)
        emf.delete(pen)
    hands = (128, 156, 198)
    for angle, length, width in ((-60, 40, 10), (60, 60, 6)):
        a = math.radians(angle)
        pen = emf.pen(hands, width)
        emf.polyline([(cx, cy), (cx + math.sin(a) * length, cy - math.cos(a) * length)])
        emf.select_stock(Emf.NULL_PEN)
        emf.delete(pen)
    hub = emf.brush((214, 120, 130))
    emf.ellipse(cx, cy, 7)
    emf.select_stock(Emf.NULL_BRUSH)
    emf.delete(hub)
    # A thin accent line under the title area on the left.
    accent = emf.brush((200, 160, 210))
    emf.rectangle(20, 58, 200, 61)
    emf.select_stock(Emf.NULL_BRUSH)
    emf.delete(accent)
    return emf.data()


# ---------------------------------------------------------------------------

def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "res")
    files = {
        "horalo.ico": icon_file(lambda s: clock_shapes(s, BLUE_DARK)),
        "tray.ico": icon_file(lambda s: clock_shapes(s, BLUE)),
        "tray_break.ico": icon_file(cup_shapes),
        "preview.ico": icon_file(sheet_shapes),
        "zoom.cur": cursor_file(),
        "rows.bmp": row_bitmap(),
        "about.emf": about_picture(),
    }
    for name, data in files.items():
        with open(os.path.join(out_dir, name), "wb") as f:
            f.write(data)
        print("%-15s %6d bytes" % (name, len(data)))


if __name__ == "__main__":
    main()
