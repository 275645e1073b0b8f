#!/usr/bin/env python3
"""Draws the tool-bar images and the icons as PNG files.

Each picture is a list of shapes on its design grid (16 x 15 for tool-bar
images, 32 x 32 or 16 x 16 for icons) and is rendered at 1x and at 2x for
high-density screens, with 4 x 4 supersampling for anti-aliased curves.
Straight edges sit on pixel boundaries and strokes on pixel centres so that
the 1x images stay crisp. Uses only the standard library:

    python3 res/images/generate_images.py res/images
"""

import math
import os
import struct
import sys
import zlib

BLACK = (0, 0, 0, 255)
DARK = (64, 64, 64, 255)
GREY = (128, 128, 128, 255)
SILVER = (192, 192, 192, 255)
WHITE = (255, 255, 255, 255)
NAVY = (0, 0, 128, 255)
BLUE = (0, 64, 224, 255)
SKY = (96, 160, 255, 255)
YELLOW = (255, 224, 64, 255)
OLIVE = (160, 120, 0, 255)
BROWN = (128, 64, 0, 255)
RED = (224, 0, 0, 255)
GREEN = (0, 160, 0, 255)
TEAL = (0, 128, 128, 255)


class Polygon:
    def __init__(self, points, colour):
        self.points, self.colour = points, colour

    def covers(self, x, y):
        inside = False
        pts = self.points
        for i in range(len(pts)):
            x0, y0 = pts[i - 1]
            x1, y1 = pts[i]
            if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
                inside = not inside
        return inside


class Ellipse:
    def __init__(self, cx, cy, rx, ry, colour, inner=0.0):
        self.cx, self.cy, self.rx, self.ry = cx, cy, rx, ry
        self.colour, self.inner = colour, inner

    def covers(self, x, y):
        d = ((x - self.cx) / self.rx) ** 2 + ((y - self.cy) / self.ry) ** 2
        return self.inner ** 2 <= d <= 1.0


class Line:
    """A stroke with square caps: covers points within width/2 of the segment."""

    def __init__(self, x0, y0, x1, y1, width, colour):
        self.a, self.b, self.half, self.colour = (x0, y0), (x1, y1), width / 2, colour

    def covers(self, x, y):
        (ax, ay), (bx, by) = self.a, self.b
        dx, dy = bx - ax, by - ay
        length = math.hypot(dx, dy)
        if length == 0:
            return abs(x - ax) <= self.half and abs(y - ay) <= self.half
        ux, uy = dx / length, dy / length
        along = (x - ax) * ux + (y - ay) * uy
        across = -(x - ax) * uy + (y - ay) * ux
        return -self.half <= along <= length + self.half and abs(across) <= self.half


def rect(x, y, w, h, colour):
    return Polygon([(x, y), (x + w, y), (x + w, y + h), (x, y + h)], colour)


def outlined(points, fill, outline):
    """A filled polygon whose outline strokes the pixels along its edges.

    `points` lie on pixel centres (x.5); the fill reaches them and the one-unit
    stroke covers the edge pixels whole.
    """
    shapes = [Polygon(points, fill)]
    for i in range(len(points)):
        (x0, y0), (x1, y1) = points[i - 1], points[i]
        shapes.append(Line(x0, y0, x1, y1, 1.0, outline))
    return shapes


def outlined_rect(x, y, w, h, fill, outline):
    """Pixels x..x+w-1, y..y+h-1 with a one-pixel outline."""
    return outlined([(x + .5, y + .5), (x + w - .5, y + .5), (x + w - .5, y + h - .5),
                     (x + .5, y + h - .5)], fill, outline)


def page(x, y, w, h, fold, fill=WHITE, outline=BLACK):
    """A sheet with its top-right corner folded over."""
    r, b = x + w - .5, y + h - .5
    left, top = x + .5, y + .5
    shapes = outlined([(left, top), (r - fold, top), (r, top + fold), (r, b), (left, b)],
                      fill, outline)
    shapes += outlined([(r - fold, top), (r - fold, top + fold), (r, top + fold)], SILVER,
                       outline)
    return shapes


# ---- tool-bar images, 16 x 15 ----------------------------------------------

def image_new():
    return page(2, 0, 11, 15, 3)


def image_open():
    return (outlined([(1.5, 3.5), (5.5, 3.5), (6.5, 4.5), (11.5, 4.5), (11.5, 12.5),
                      (1.5, 12.5)], OLIVE, BLACK)
            + outlined([(3.5, 7.5), (15.5, 7.5), (12.5, 12.5), (1.5, 12.5)], YELLOW, BLACK)
            + [Line(9.5, 1.5, 12.5, 1.5, 1, BLACK), Line(12.5, 1.5, 14.5, 3.5, 1, BLACK),
               Polygon([(13, 2), (16, 2), (16, 5)], BLACK)])


def image_save():
    return (outlined([(1.5, 1.5), (13.5, 1.5), (14.5, 2.5), (14.5, 13.5), (1.5, 13.5)], NAVY,
                     BLACK)
            + outlined_rect(4, 1, 8, 6, WHITE, BLACK)
            + [Line(6, 3.5, 10, 3.5, 1, GREY)]
            + outlined_rect(4, 9, 8, 5, SILVER, BLACK)
            + [rect(9, 10, 2, 3, NAVY)])


def image_cut():
    return [Line(4.5, 1.5, 10, 9.5, 1.2, GREY), Line(11.5, 1.5, 6, 9.5, 1.2, GREY),
            Ellipse(4.5, 11.5, 2.6, 2.6, NAVY, inner=0.45),
            Ellipse(11.5, 11.5, 2.6, 2.6, NAVY, inner=0.45),
            rect(7.5, 6.5, 1, 1, BLACK)]


def image_copy():
    return page(1, 0, 9, 11, 2) + page(6, 4, 9, 11, 2)


def image_paste():
    return (outlined_rect(1, 2, 11, 13, OLIVE, BLACK)
            + outlined_rect(4, 1, 5, 3, SILVER, BLACK)
            + page(7, 6, 8, 9, 2))


def image_print():
    return (page(4, 0, 8, 6, 2)
            + outlined([(0.5, 5.5), (15.5, 5.5), (15.5, 11.5), (0.5, 11.5)], SILVER, BLACK)
            + [rect(12, 7, 2, 1, GREEN), Line(2, 9.5, 14, 9.5, 1, GREY)]
            + outlined_rect(3, 10, 10, 5, WHITE, BLACK))


def image_about():
    return [Ellipse(8, 7.5, 7.5, 7.5, BLACK), Ellipse(8, 7.5, 6.5, 6.5, BLUE),
            rect(7, 3, 2, 2, WHITE), rect(7, 6, 2, 6, WHITE), rect(6, 6, 1, 1, WHITE),
            rect(6, 11, 4, 1, WHITE)]


# Replay tool bar: media-player symbols in dark green.

def triangle(tip_x, base_x, colour=GREEN):
    """A triangle pointing from its base at base_x to its tip at tip_x."""
    return Polygon([(base_x, 2.5), (tip_x, 7.5), (base_x, 12.5)], colour)


def image_pause():
    return [rect(4, 3, 3, 9, GREEN), rect(9, 3, 3, 9, GREEN)]


def image_first():
    return [rect(2, 3, 2, 9, GREEN), triangle(4, 9), triangle(9, 14)]


def image_play():
    return [triangle(12, 4)]


# One generation back or forward: a triangle against a bar, as a player's
# frame step, so that neither is taken for play.

def image_back():
    return [rect(3, 3, 2, 9, GREEN), triangle(6, 12)]


def image_forward():
    return [triangle(10, 4), rect(11, 3, 2, 9, GREEN)]


def image_last():
    return [triangle(7, 2), triangle(12, 7), rect(12, 3, 2, 9, GREEN)]


# ---- icons -------------------------------------------------------------------

def chart_icon(size):
    """The main icon: a framed chart with a blue curve, red individuals and the
    best point ringed in green, the program's picture of a run."""
    s = size / 32

    def curve_point(t):
        x = 5 + 22 * t
        y = 24 - 16 * math.sin(math.pi * t) ** 2 * (0.75 + 0.25 * t)
        return x * s, y * s

    shapes = outlined_rect(0, 0, size, size, WHITE, NAVY)
    shapes += [Line(4 * s, 26.5 * s, 28 * s, 26.5 * s, max(1, s), SILVER),
               Line(4.5 * s, 4 * s, 4.5 * s, 27 * s, max(1, s), SILVER)]
    steps = 24
    stroke = max(1.0, 1.6 * s)
    for i in range(steps):
        (x0, y0), (x1, y1) = curve_point(i / steps), curve_point((i + 1) / steps)
        shapes.append(Line(x0, y0, x1, y1, stroke, BLUE))
    # At 16 pixels only the ringed best point stays legible.
    if size > 16:
        for t in (0.22, 0.4, 0.78):
            x, y = curve_point(t)
            shapes.append(Ellipse(x, y, 2.2 * s, 2.2 * s, RED))
    bx, by = curve_point(0.58)
    shapes.append(Ellipse(bx, by, max(1.5, 2.2 * s), max(1.5, 2.2 * s), RED))
    ring = max(3.0, 4.2 * s)
    shapes.append(Ellipse(bx, by, ring, ring, GREEN, inner=1 - max(1.0, 1.3 * s) / ring))
    return shapes


def document_icon(size):
    """The document icon: a page carrying a small curve."""
    s = size / 32
    shapes = page(4 * s, 0, 24 * s, size, 7 * s) if size > 16 else page(2, 0, 12, 16, 3)
    points = [((8 + 16 * t) * s, (26 - 14 * math.sin(math.pi * t) ** 2) * s)
              for t in [i / 16 for i in range(17)]]
    for (x0, y0), (x1, y1) in zip(points, points[1:]):
        shapes.append(Line(x0, y0, x1, y1, max(1.0, 1.5 * s), BLUE))
    shapes.append(Ellipse(16 * s, 12 * s, 2.5 * s, 2.5 * s, RED))
    return shapes


# ---- rendering ---------------------------------------------------------------

SAMPLES = 4


def render(shapes, width, height, scale):
    rows = []
    for py in range(height * scale):
        row = bytearray()
        for px in range(width * scale):
            acc = [0, 0, 0, 0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + .5) / SAMPLES) / scale
                    y = (py + (sy + .5) / SAMPLES) / scale
                    colour = None
                    for shape in reversed(shapes):
                        if shape.covers(x, y):
                            colour = shape.colour
                            break
                    if colour:
                        for c in range(3):
                            acc[c] += colour[c] * colour[3]
                        acc[3] += colour[3]
            n = SAMPLES * SAMPLES
            alpha = acc[3] / n
            if alpha == 0:
                row += bytes(4)
            else:
                row += bytes(round(acc[c] / acc[3]) for c in range(3)) + bytes([round(alpha)])
        rows.append(bytes(row))
    return rows


def write_png(path, rows):
    height, width = len(rows), len(rows[0]) // 4

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = b"".join(b"\0" + row for row in rows)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(chunk(b"IEND", b""))


def main(out_dir):
    tool_bar = {"new": image_new, "open": image_open, "save": image_save, "cut": image_cut,
                "copy": image_copy, "paste": image_paste, "print": image_print,
                "about": image_about, "pause": image_pause, "play": image_play,
                "first": image_first, "back": image_back, "forward": image_forward, "last": image_last}
    os.makedirs(os.path.join(out_dir, "toolbar"), exist_ok=True)
    os.makedirs(os.path.join(out_dir, "icons"), exist_ok=True)
    for name, draw in tool_bar.items():
        for scale, suffix in ((1, ""), (2, "@2x")):
            write_png(os.path.join(out_dir, "toolbar", f"{name}{suffix}.png"),
                      render(draw(), 16, 15, scale))
    for icon_id, draw in ((128, chart_icon), (129, document_icon)):
        for size in (16, 32):
            for scale, suffix in ((1, ""), (2, "@2x")):
                write_png(os.path.join(out_dir, "icons", f"icon{icon_id}_{size}{suffix}.png"),
                          render(draw(size), size, size, scale))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__)))
