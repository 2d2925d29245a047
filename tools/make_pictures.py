#!/usr/bin/env python3
"""Draws the program's pictures and its icon file into src/assets/files/.

Run it again after changing a colour or a shape:  python3 tools/make_pictures.py
Only the Python standard library is used. Shapes are drawn from signed distance functions,
so their edges are smooth without supersampling.
"""

import math
import os
import struct
import zlib

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "assets", "files")

# One calm palette for the whole program: deep slate around the pages, a light panel for the
# pages themselves, and one warm amber accent.
SLATE_TOP = (52, 68, 90)
SLATE_BOTTOM = (36, 48, 64)
SLATE_LINE = (74, 94, 120)
PANEL = (238, 241, 245)
INK = (226, 232, 240)
INK_SOFT = (168, 182, 200)
AMBER = (242, 165, 65)
AMBER_DEEP = (214, 128, 36)
RED = (214, 76, 68)
CREAM = (250, 246, 236)


# ---------------------------------------------------------------- canvas and compositing

class Canvas:
    def __init__(self, width, height, colour=(0, 0, 0, 0)):
        self.width = width
        self.height = height
        r, g, b, a = colour if len(colour) == 4 else (*colour, 255)
        self.px = [[r / 255, g / 255, b / 255, a / 255] for _ in range(width * height)]

    def blend(self, x, y, colour, coverage):
        """Source-over with a straight-alpha colour and a coverage from 0 to 1."""
        if coverage <= 0:
            return
        r, g, b = colour[0] / 255, colour[1] / 255, colour[2] / 255
        a = (colour[3] / 255 if len(colour) == 4 else 1.0) * min(coverage, 1.0)
        p = self.px[y * self.width + x]
        out_a = a + p[3] * (1 - a)
        if out_a <= 0:
            return
        for i, c in enumerate((r, g, b)):
            p[i] = (c * a + p[i] * p[3] * (1 - a)) / out_a
        p[3] = out_a

    def fill(self, sdf, colour, box=None, paint=None):
        """Fills where sdf(x, y) < 0, anti-aliased over one pixel. `paint(x, y)` may give
        the colour per pixel (a gradient)."""
        x0, y0, x1, y1 = box if box else (0, 0, self.width, self.height)
        x0, y0 = max(0, int(x0) - 1), max(0, int(y0) - 1)
        x1, y1 = min(self.width, int(math.ceil(x1)) + 1), min(self.height, int(math.ceil(y1)) + 1)
        for y in range(y0, y1):
            for x in range(x0, x1):
                d = sdf(x + 0.5, y + 0.5)
                coverage = 0.5 - d
                if coverage > 0:
                    self.blend(x, y, paint(x, y) if paint else colour, coverage)

    def rgba_rows(self):
        rows = []
        for y in range(self.height):
            row = bytearray()
            for x in range(self.width):
                r, g, b, a = self.px[y * self.width + x]
                row += bytes(max(0, min(255, round(v * 255))) for v in (r, g, b, a))
            rows.append(bytes(row))
        return rows


def mix(c0, c1, t):
    t = max(0.0, min(1.0, t))
    return tuple(round(a + (b - a) * t) for a, b in zip(c0, c1))


# ---------------------------------------------------------------- signed distances

def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def ring(cx, cy, r, half_width):
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - r) - half_width


def segment(ax, ay, bx, by, half_width):
    def sdf(x, y):
        px, py, dx, dy = x - ax, y - ay, bx - ax, by - ay
        t = max(0.0, min(1.0, (px * dx + py * dy) / (dx * dx + dy * dy)))
        return math.hypot(px - dx * t, py - dy * t) - half_width
    return sdf


def rounded_rect(x0, y0, x1, y1, radius):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - radius, (y1 - y0) / 2 - radius

    def sdf(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0), max(qy, 0))
        return outside + min(max(qx, qy), 0) - radius
    return sdf


def arc(cx, cy, r, half_width, gap_from, gap_to):
    """A ring with the angles gap_from…gap_to (degrees, 0 = up, clockwise, may wrap past 0) left open; the
    open ends are round."""
    ends = []
    for angle in (gap_from, gap_to):
        rad = math.radians(angle)
        ends.append((cx + r * math.sin(rad), cy - r * math.cos(rad)))

    def sdf(x, y):
        angle = math.degrees(math.atan2(x - cx, -(y - cy))) % 360
        inside_gap = (gap_from <= angle <= gap_to if gap_from <= gap_to
                      else angle >= gap_from or angle <= gap_to)
        if inside_gap:
            return min(math.hypot(x - ex, y - ey) for ex, ey in ends) - half_width
        return abs(math.hypot(x - cx, y - cy) - r) - half_width
    return sdf


def union(*sdfs):
    return lambda x, y: min(s(x, y) for s in sdfs)


# ---------------------------------------------------------------- PNG and icon writers

def png_chunk(kind, data):
    return (struct.pack(">I", len(data)) + kind + data +
            struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))


def png_rgba(width, height, rows):
    raw = b"".join(b"\x00" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" +
            png_chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)) +
            png_chunk(b"IDAT", zlib.compress(raw, 9)) + png_chunk(b"IEND", b""))


def png_palette(width, height, indices, palette, bits):
    """A palette PNG of 4 or 8 bits; palette entry 0 is fully transparent."""
    raw = bytearray()
    for y in range(height):
        raw.append(0)
        row = indices[y * width:(y + 1) * width]
        if bits == 8:
            raw += bytes(row)
        else:
            for x in range(0, width, 2):
                hi = row[x]
                lo = row[x + 1] if x + 1 < width else 0
                raw.append((hi << 4) | lo)
    plte = b"".join(bytes(c) for c in palette)
    trns = bytes([0] + [255] * (len(palette) - 1))
    return (b"\x89PNG\r\n\x1a\n" +
            png_chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, bits, 3, 0, 0, 0)) +
            png_chunk(b"PLTE", plte) + png_chunk(b"tRNS", trns) +
            png_chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + png_chunk(b"IEND", b""))


def quantise(canvas, colours):
    """Maps the canvas to `colours` palette entries (entry 0 transparent) by popularity of
    coarse colour buckets, then nearest colour. Alpha becomes all or nothing."""
    rows = canvas.rgba_rows()
    pixels = [tuple(row[i:i + 4]) for row in rows for i in range(0, len(row), 4)]
    step = 32 if colours <= 16 else 8
    counts = {}
    for r, g, b, a in pixels:
        if a >= 128:
            key = (r // step, g // step, b // step)
            counts[key] = counts.get(key, 0) + 1
    # Sum the true colours of each bucket so a palette entry is the bucket's mean colour.
    sums = {}
    for r, g, b, a in pixels:
        if a >= 128:
            key = (r // step, g // step, b // step)
            s = sums.setdefault(key, [0, 0, 0])
            s[0] += r
            s[1] += g
            s[2] += b
    chosen = sorted(counts, key=counts.get, reverse=True)[:colours - 1]
    palette = [(0, 0, 0)] + [tuple(round(v / counts[k]) for v in sums[k]) for k in chosen]
    cache = {}
    indices = []
    for r, g, b, a in pixels:
        if a < 128:
            indices.append(0)
            continue
        key = (r, g, b)
        if key not in cache:
            cache[key] = min(range(1, len(palette)),
                             key=lambda i: (palette[i][0] - r) ** 2 + (palette[i][1] - g) ** 2 +
                             (palette[i][2] - b) ** 2)
        indices.append(cache[key])
    return indices, palette


def icon_file(images):
    """images: (size, bits, png bytes) in directory order."""
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    blobs = b""
    for size, bits, data in images:
        dim = 0 if size >= 256 else size
        colour_count = 16 if bits == 4 else 0
        entries += struct.pack("<BBBBHHII", dim, dim, colour_count, 0, 1, bits, len(data),
                               offset + len(blobs))
        blobs += data
    return header + entries + blobs


def save(name, data):
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(data)


def save_canvas(name, canvas):
    save(name, png_rgba(canvas.width, canvas.height, canvas.rgba_rows()))


# ---------------------------------------------------------------- the pictures

def clock_face(c, cx, cy, r, face, rim, hands, accent, bells=False):
    """The program's emblem: a round clock at ten past ten, optionally an alarm clock."""
    s = r / 10.0
    if bells:
        for side in (-1, 1):
            bx, by = cx + side * 6.2 * s, cy - 7.6 * s
            c.fill(circle(bx, by, 3.1 * s), rim, (bx - 4 * s, by - 4 * s, bx + 4 * s, by + 4 * s))
        c.fill(segment(cx - 4 * s, cy + 8.4 * s, cx - 6.2 * s, cy + 10.6 * s, 0.9 * s), rim)
        c.fill(segment(cx + 4 * s, cy + 8.4 * s, cx + 6.2 * s, cy + 10.6 * s, 0.9 * s), rim)
    box = (cx - r - 2, cy - r - 2, cx + r + 2, cy + r + 2)
    c.fill(circle(cx, cy, r), rim, box)
    c.fill(circle(cx, cy, r - 1.5 * s), face, box)
    for hour in range(12):
        a = math.radians(hour * 30)
        inner = r - (3.0 if hour % 3 == 0 else 2.4) * s
        outer = r - 1.9 * s
        c.fill(segment(cx + inner * math.sin(a), cy - inner * math.cos(a),
                       cx + outer * math.sin(a), cy - outer * math.cos(a),
                       (0.42 if hour % 3 == 0 else 0.25) * s), hands, box)
    # Ten past ten: the hour hand just past ten, the minute hand on two.
    for angle, length, width in ((-55, 4.6, 0.62), (60, 6.6, 0.45)):
        a = math.radians(angle)
        c.fill(segment(cx, cy, cx + length * s * math.sin(a), cy - length * s * math.cos(a),
                       width * s), hands, box)
    c.fill(circle(cx, cy, 1.05 * s), accent, box)


def background():
    w, h = 500, 320
    c = Canvas(w, h)
    c.fill(lambda x, y: -1, None, paint=lambda x, y: (*mix(SLATE_TOP, SLATE_BOTTOM, y / h), 255))
    # A soft light from the top left, where the emblem sits.
    c.fill(circle(30, 20, 160), None,
           paint=lambda x, y: (255, 255, 255, round(26 * max(0, 1 - math.hypot(x - 30, y - 20) / 160))))
    # The panel the pages stand on.
    c.fill(rounded_rect(60, 40, 500, 320, 0.5), (*PANEL, 255), (60, 40, 500, 320))
    # A hairline under the band of page buttons.
    c.fill(rounded_rect(0, 39, 500, 40, 0.1), (*SLATE_LINE, 255), (0, 38, 500, 41))
    clock_face(c, 30, 21, 13, (*CREAM, 255), (*INK_SOFT, 255), (*SLATE_BOTTOM, 255),
               (*AMBER, 255), bells=True)
    return c


def strip():
    w, h = 440, 10
    c = Canvas(w, h)
    # The edge of the button band, then a shadow that fades into the page.
    for y in range(h):
        colour = SLATE_BOTTOM if y < 2 else mix(SLATE_BOTTOM, PANEL, (y - 1) / (h - 1))
        alpha = 255 if y < 2 else round(255 * (1 - (y - 2) / (h - 1)) ** 1.5)
        for x in range(w):
            c.blend(x, y, (*colour, alpha), 1)
    return c


def slider_bar():
    c = Canvas(50, 3)
    c.fill(rounded_rect(0, 0, 50, 3, 1.2), None, paint=lambda x, y: (*mix(AMBER, AMBER_DEEP, x / 50), 255))
    return c


def window_button(kind, hover):
    c = Canvas(30, 30)
    if hover:
        fill = (*RED, 255) if kind == "close" else (255, 255, 255, 46)
        c.fill(rounded_rect(3, 3, 27, 27, 6), fill)
    ink = (*((255, 255, 255) if hover else INK), 255)
    if kind == "close":
        c.fill(union(segment(10.5, 10.5, 19.5, 19.5, 1.1), segment(19.5, 10.5, 10.5, 19.5, 1.1)), ink)
    else:
        c.fill(segment(10, 15.5, 20, 15.5, 1.1), ink)
    return c


def emblem(hover):
    c = Canvas(60, 60)
    if hover:
        c.fill(circle(30, 30, 25), (255, 255, 255, 30))
    clock_face(c, 30, 31, 17, (*CREAM, 255), (*(INK if hover else INK_SOFT), 255),
               (*SLATE_BOTTOM, 255), (*AMBER, 255))
    return c


def exit_button(hover):
    """The power symbol: a ring open at the top with a bar through the opening."""
    c = Canvas(60, 60)
    colour = RED if hover else INK_SOFT
    if hover:
        c.fill(circle(30, 30, 22), (255, 255, 255, 40))
    c.fill(union(arc(30, 31, 12, 2.0, 325, 35), segment(30, 15, 30, 29, 2.0)), (*colour, 255))
    return c


def icon_canvas(size):
    c = Canvas(size, size)
    r = size * 0.36
    clock_face(c, size / 2, size / 2 + size * 0.03, r, (*CREAM, 255), (*SLATE_TOP, 255),
               (*SLATE_BOTTOM, 255), (*AMBER_DEEP, 255), bells=True)
    return c


def main():
    os.makedirs(OUT, exist_ok=True)
    save_canvas("background.png", background())
    save_canvas("strip.png", strip())
    save_canvas("slider.png", slider_bar())
    for kind in ("minimise", "close"):
        save_canvas(kind + ".png", window_button(kind, False))
        save_canvas(kind + "_hover.png", window_button(kind, True))
    save_canvas("emblem.png", emblem(False))
    save_canvas("emblem_hover.png", emblem(True))
    save_canvas("exit.png", exit_button(False))
    save_canvas("exit_hover.png", exit_button(True))

    images = []
    for size in (16, 32, 48, 256):
        canvas = icon_canvas(size)
        for bits in (4, 8):
            indices, palette = quantise(canvas, 16 if bits == 4 else 256)
            images.append((size, bits, png_palette(size, size, indices, palette, bits)))
        images.append((size, 32, png_rgba(size, size, canvas.rgba_rows())))
    save("quorvell.ico", icon_file(images))


if __name__ == "__main__":
    main()
