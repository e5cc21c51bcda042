#!/usr/bin/env python3
"""Draw the torv ribbon button images (32x32 and 16x16 RGBA PNG files) and the panels'
open and save button images (16x16, into panel_images/).

Uses only the Python standard library. Every shape is a vector primitive
tested at SS x SS sample points per pixel (supersampling anti-aliasing) and
composited "over" the image. The output is the same bytes on every run.

    python3 data/make_ribbon_images.py [output folder]

Without an argument the files go to torv_data/ next to this script.
"""

import math
import os
import struct
import sys
import zlib

SS = 4  # samples per pixel along each axis

# Palette: dark outline plus a few flat accent colours (R, G, B).
DARK = (0x2D, 0x3A, 0x4A)
WHITE = (0xFF, 0xFF, 0xFF)
PAPER = (0xFA, 0xFB, 0xFC)
FOLD = (0xCF, 0xD8, 0xE2)
LINE = (0x8F, 0xA6, 0xBF)
ORANGE = (0xF0, 0xA0, 0x3C)
ORANGE_LIGHT = (0xF8, 0xCF, 0x8C)
BLUE = (0x3A, 0x80, 0xD4)
BLUE_LIGHT = (0xC4, 0xDC, 0xF5)
GREEN = (0x3B, 0xA5, 0x4A)
RED = (0xE0, 0x4B, 0x3F)
YELLOW = (0xF5, 0xC2, 0x2E)


# ---------------------------------------------------------------- shapes
# A shape has a bounding box (x0, y0, x1, y1) and inside(x, y) -> bool.

def _seg_dist2(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    ll = dx * dx + dy * dy
    t = 0.0 if ll == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / ll))
    qx, qy = ax + t * dx - px, ay + t * dy - py
    return qx * qx + qy * qy


class Polygon:
    """Filled polygon; contours is a list of point lists. rule: 'nonzero' or 'evenodd'."""

    def __init__(self, *contours, rule="nonzero"):
        self.contours = [list(c) for c in contours]
        self.rule = rule
        xs = [p[0] for c in self.contours for p in c]
        ys = [p[1] for c in self.contours for p in c]
        self.bbox = (min(xs), min(ys), max(xs), max(ys))

    def inside(self, x, y):
        wind = 0
        for c in self.contours:
            n = len(c)
            for i in range(n):
                x1, y1 = c[i]
                x2, y2 = c[(i + 1) % n]
                if y1 <= y < y2 or y2 <= y < y1:
                    xc = x1 + (y - y1) * (x2 - x1) / (y2 - y1)
                    if xc > x:
                        wind += 1 if y2 > y1 else -1
        return (wind % 2 == 1) if self.rule == "evenodd" else wind != 0


class Ellipse:
    def __init__(self, cx, cy, rx, ry=None):
        ry = rx if ry is None else ry
        self.cx, self.cy, self.rx, self.ry = cx, cy, rx, ry
        self.bbox = (cx - rx, cy - ry, cx + rx, cy + ry)

    def inside(self, x, y):
        u, v = (x - self.cx) / self.rx, (y - self.cy) / self.ry
        return u * u + v * v <= 1.0


class Stroke:
    """Thick polyline with round joins and caps (points within width/2)."""

    def __init__(self, points, width, closed=False):
        pts = list(points)
        self.segs = list(zip(pts, pts[1:] + pts[:1] if closed else pts[1:]))
        if not self.segs:
            self.segs = [(pts[0], pts[0])]
        self.r2 = (width / 2.0) ** 2
        h = width / 2.0
        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]
        self.bbox = (min(xs) - h, min(ys) - h, max(xs) + h, max(ys) + h)

    def inside(self, x, y):
        for (ax, ay), (bx, by) in self.segs:
            if _seg_dist2(x, y, ax, ay, bx, by) <= self.r2:
                return True
        return False


class Arc:
    """Ring sector: radius in [r0, r1], angle from a0 to a1 degrees, measured
    clockwise on screen from +x (y grows downwards), a0 < a1."""

    def __init__(self, cx, cy, r0, r1, a0, a1):
        self.cx, self.cy, self.r0, self.r1 = cx, cy, r0, r1
        self.a0, self.a1 = a0, a1
        self.bbox = (cx - r1, cy - r1, cx + r1, cy + r1)

    def inside(self, x, y):
        dx, dy = x - self.cx, y - self.cy
        d2 = dx * dx + dy * dy
        if not (self.r0 * self.r0 <= d2 <= self.r1 * self.r1):
            return False
        a = math.degrees(math.atan2(dy, dx))
        a = self.a0 + (a - self.a0) % 360.0
        return a <= self.a1


class Union:
    def __init__(self, *shapes):
        self.shapes = shapes
        self.bbox = (min(s.bbox[0] for s in shapes), min(s.bbox[1] for s in shapes),
                     max(s.bbox[2] for s in shapes), max(s.bbox[3] for s in shapes))

    def inside(self, x, y):
        return any(s.inside(x, y) for s in self.shapes)


def rect(x0, y0, x1, y1):
    return Polygon([(x0, y0), (x1, y0), (x1, y1), (x0, y1)])


def rect_path(x0, y0, x1, y1):
    return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]


def polar(cx, cy, r, deg):
    a = math.radians(deg)
    return (cx + r * math.cos(a), cy + r * math.sin(a))


# ---------------------------------------------------------------- canvas

class Canvas:
    def __init__(self, size):
        self.w = self.h = size
        # straight (non-premultiplied) colour, floats 0..1: [r, g, b, a]
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(size * size)]

    def fill(self, shape, color, opacity=1.0):
        x0, y0, x1, y1 = shape.bbox
        cr, cg, cb = (c / 255.0 for c in color)
        n = SS * SS
        offs = [(i + 0.5) / SS for i in range(SS)]
        for py in range(max(0, int(math.floor(y0))), min(self.h, int(math.ceil(y1)) + 1)):
            for px in range(max(0, int(math.floor(x0))), min(self.w, int(math.ceil(x1)) + 1)):
                hits = 0
                for oy in offs:
                    for ox in offs:
                        if shape.inside(px + ox, py + oy):
                            hits += 1
                a = opacity * hits / n
                if a <= 0.0:
                    continue
                d = self.px[py * self.w + px]
                out_a = a + d[3] * (1.0 - a)
                k = d[3] * (1.0 - a)
                d[0] = (cr * a + d[0] * k) / out_a
                d[1] = (cg * a + d[1] * k) / out_a
                d[2] = (cb * a + d[2] * k) / out_a
                d[3] = out_a

    def erase(self, shape):
        """Make the image transparent where the shape covers it."""
        x0, y0, x1, y1 = shape.bbox
        offs = [(i + 0.5) / SS for i in range(SS)]
        for py in range(max(0, int(math.floor(y0))), min(self.h, int(math.ceil(y1)) + 1)):
            for px in range(max(0, int(math.floor(x0))), min(self.w, int(math.ceil(x1)) + 1)):
                hits = sum(1 for oy in offs for ox in offs if shape.inside(px + ox, py + oy))
                self.px[py * self.w + px][3] *= 1.0 - hits / (SS * SS)

    def stroke(self, points, width, color, closed=False):
        self.fill(Stroke(points, width, closed), color)

    def png(self):
        raw = bytearray()
        for y in range(self.h):
            raw.append(0)  # filter type: none
            for x in range(self.w):
                r, g, b, a = self.px[y * self.w + x]
                if a <= 0.0:
                    raw += b"\0\0\0\0"
                else:
                    raw += bytes(max(0, min(255, int(round(v * 255.0)))) for v in (r, g, b, a))

        def chunk(tag, data):
            body = tag + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

        ihdr = struct.pack(">IIBBBBB", self.w, self.h, 8, 6, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr)
                + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


# ---------------------------------------------------------------- icons

def draw_batch(cv, size):
    """Three boxes stacked on a pallet."""
    if size >= 32:
        lw = 2.0
        # pallet: deck and three feet, solid dark
        cv.fill(rect(2, 25, 30, 27.5), DARK)
        for fx in (3, 14, 25):
            cv.fill(rect(fx, 27.5, fx + 4, 30), DARK)
        boxes = [(4, 14, 16, 24), (16, 14, 28, 24), (10, 4, 22, 14)]
        for x0, y0, x1, y1 in boxes:
            cv.fill(rect(x0, y0, x1, y1), ORANGE)
            # packing tape down the middle and a light lid band
            cx = (x0 + x1) / 2.0
            cv.fill(rect(x0, y0, x1, y0 + 3), ORANGE_LIGHT)
            cv.fill(rect(cx - 1, y0, cx + 1, y1), ORANGE_LIGHT)
        for x0, y0, x1, y1 in boxes:
            cv.stroke(rect_path(x0, y0, x1, y1), lw, DARK, closed=True)
        for x0, y0, x1, y1 in boxes:
            cv.stroke([(x0 + 1, y0 + 3.5), (x1 - 1, y0 + 3.5)], 1.0, DARK)
    else:
        lw = 1.0
        cv.fill(rect(1, 13, 16, 14), DARK)
        for fx0, fx1 in ((1, 3), (7, 10), (14, 16)):
            cv.fill(rect(fx0, 14, fx1, 15), DARK)
        boxes = [(2.5, 7.5, 8.5, 12.5), (8.5, 7.5, 14.5, 12.5), (5.5, 2.5, 11.5, 7.5)]
        for x0, y0, x1, y1 in boxes:
            cv.fill(rect(x0, y0, x1, y1), ORANGE)
            cv.fill(rect(x0, y0, x1, y0 + 1.5), ORANGE_LIGHT)
        for x0, y0, x1, y1 in boxes:
            cv.stroke(rect_path(x0, y0, x1, y1), lw, DARK, closed=True)


def check_mark(cx, cy, r):
    """Check mark points fitting a badge of radius r centred at (cx, cy)."""
    return [(cx - 0.5 * r, cy + 0.02 * r), (cx - 0.12 * r, cy + 0.4 * r), (cx + 0.52 * r, cy - 0.36 * r)]


def draw_runtime(cv, size):
    """Clock face (site progress over time) with a green check badge."""
    if size >= 32:
        lw, cx, cy, r = 2.0, 13.0, 13.0, 11.0
        bx, by, br, check_w = 23.5, 23.5, 7.5, 2.4
    else:
        lw, cx, cy, r = 1.0, 6.5, 6.5, 5.0
        bx, by, br, check_w = 11.5, 11.5, 4.0, 1.4
    cv.fill(Ellipse(cx, cy, r), WHITE)
    # time already passed: a light wedge from twelve to three o'clock
    cv.fill(Arc(cx, cy, 0.0, r, -90, 0), BLUE_LIGHT)
    cv.stroke([polar(cx, cy, r, a) for a in range(0, 360, 5)], lw, DARK, closed=True)
    if size >= 32:
        for a in (-90, 180, 90):
            cv.stroke([polar(cx, cy, r - 2.0, a), polar(cx, cy, r - 4.0, a)], 1.5, DARK)
        cv.stroke([(cx, cy), (cx, cy - 8.0)], 2.0, DARK)
        cv.stroke([(cx, cy), (cx + 6.0, cy)], 2.0, BLUE)
        cv.fill(Ellipse(cx, cy, 1.8), DARK)
    else:
        cv.stroke([(cx, cy), (cx, cy - 3.5)], 1.0, DARK)
        cv.stroke([(cx, cy), (cx + 3.0, cy)], 1.0, BLUE)
    cv.erase(Ellipse(bx, by, br + lw * 1.5))  # gap between clock and badge
    cv.fill(Ellipse(bx, by, br + lw / 2), DARK)
    cv.fill(Ellipse(bx, by, br - lw / 2), GREEN)
    if size >= 32:
        cv.stroke(check_mark(bx, by, br), check_w, WHITE)
    else:
        cv.stroke([(9.5, 11.5), (11.0, 13.0), (13.5, 10.0)], check_w, WHITE)


def arrow_head(cx, cy, r, deg, half, length, direction):
    """Triangle at angle deg on a circle of radius r, pointing along the
    tangent (direction +1: increasing angle, -1: decreasing)."""
    a = math.radians(deg)
    ux, uy = math.cos(a), math.sin(a)  # radial
    tx, ty = -uy * direction, ux * direction  # tangent
    px, py = cx + r * ux, cy + r * uy
    return [(px + half * ux, py + half * uy),
            (px + length * tx, py + length * ty),
            (px - half * ux, py - half * uy)]


def draw_reset(cv, size):
    """Anticlockwise circular arrow around the default colours."""
    if size >= 32:
        lw, cx, cy, r, band = 2.0, 16.0, 16.0, 10.5, 5.0
        head_half, head_len = 6.5, 7.0
    else:
        lw, cx, cy, r, band = 1.0, 8.0, 8.0, 5.0, 3.0
        head_half, head_len = 3.6, 3.8
    a0, a1 = -35.0, 240.0  # the arc runs clockwise from a0 to a1; head at a0
    head = arrow_head(cx, cy, r, a0, head_half, head_len, -1)
    ext = math.degrees(lw / 2 / r)
    # outline layer, then the fill layer on top of it
    cv.fill(Arc(cx, cy, r - band / 2 - lw / 2, r + band / 2 + lw / 2, a0, a1 + ext), DARK)
    cv.fill(Union(Polygon(head), Stroke(head, lw, closed=True)), DARK)
    cv.fill(Arc(cx, cy, r - band / 2 + lw / 2, r + band / 2 - lw / 2, a0 - 1.0, a1 - ext), BLUE)
    cv.fill(Polygon(_shrink(head, lw / 2)), BLUE)
    # colour dots: the default colours coming back (left out at 16 pixels)
    if size >= 32:
        for (dx, dy), col in zip(((-2.3, -1.4), (2.3, -1.4), (0.0, 2.6)), (RED, YELLOW, GREEN)):
            cv.fill(Ellipse(cx + dx, cy + dy, 2.1), col)


def _shrink(tri, d):
    """Move every edge of a triangle inwards by d (inset polygon)."""
    n = len(tri)
    # signed area to know orientation
    area = sum(tri[i][0] * tri[(i + 1) % n][1] - tri[(i + 1) % n][0] * tri[i][1] for i in range(n))
    s = 1.0 if area > 0 else -1.0
    lines = []
    for i in range(n):
        (x1, y1), (x2, y2) = tri[i], tri[(i + 1) % n]
        ex, ey = x2 - x1, y2 - y1
        ln = math.hypot(ex, ey)
        nx, ny = -ey / ln * s, ex / ln * s  # inward normal
        lines.append(((x1 + nx * d, y1 + ny * d), (ex, ey)))
    out = []
    for i in range(n):
        (p, e), (q, f) = lines[i - 1], lines[i]
        den = e[0] * f[1] - e[1] * f[0]
        t = ((q[0] - p[0]) * f[1] - (q[1] - p[1]) * f[0]) / den
        out.append((p[0] + t * e[0], p[1] + t * e[1]))
    return out


def draw_export(cv, size):
    """Sheet with table lines and a green arrow leaving it to the right."""
    if size >= 32:
        lw = 2.0
        x0, y0, x1, y1, fold = 4.0, 3.0, 21.0, 29.0, 6.0
        sheet = [(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)]
        cv.fill(Polygon(sheet), PAPER)
        cv.fill(Polygon([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)]), FOLD)
        for y in (12.5, 16.5, 20.5, 24.5):
            cv.fill(rect(x0 + 3, y - 0.75, x1 - 3, y + 0.75), LINE)
        cv.fill(rect(x0 + 8.25, 11.0, x0 + 9.75, 26.0), LINE)
        cv.stroke(sheet, lw, DARK, closed=True)
        cv.stroke([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)], 1.5, DARK)
        ay, sh, hx, hh, tip = 20.0, 2.5, 22.5, 7.0, 30.0
        arrow = [(12.0, ay - sh), (hx, ay - sh), (hx, ay - hh), (tip, ay),
                 (hx, ay + hh), (hx, ay + sh), (12.0, ay + sh)]
    else:
        lw = 1.0
        x0, y0, x1, y1, fold = 2.5, 1.5, 11.5, 14.5, 3.0
        sheet = [(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)]
        cv.fill(Polygon(sheet), PAPER)
        cv.fill(Polygon([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)]), FOLD)
        for y in (6, 8, 10, 12):
            cv.fill(rect(x0 + 1.5, y, x1 - 1.5, y + 1), LINE)
        cv.stroke(sheet, lw, DARK, closed=True)
        cv.stroke([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)], lw, DARK)
        ay, sh, hx, hh, tip = 10.5, 1.5, 11.5, 4.0, 15.5
        arrow = [(6.5, ay - sh), (hx, ay - sh), (hx, ay - hh), (tip, ay),
                 (hx, ay + hh), (hx, ay + sh), (6.5, ay + sh)]
    cv.fill(Polygon(arrow), GREEN)
    cv.stroke(arrow, lw, DARK, closed=True)


def draw_open(cv, size):
    """An open folder: the back with its tab, the front flap tilted toward the viewer."""
    back = [(1.5, 3.5), (6.0, 3.5), (7.5, 5.0), (13.5, 5.0), (13.5, 13.5), (1.5, 13.5)]
    cv.fill(Polygon(back), ORANGE)
    cv.stroke(back, 1.0, DARK, closed=True)
    front = [(1.5, 13.5), (4.0, 7.5), (15.5, 7.5), (13.5, 13.5)]
    cv.fill(Polygon(front), ORANGE_LIGHT)
    cv.stroke(front, 1.0, DARK, closed=True)


def draw_save(cv, size):
    """A floppy disk: the body with a cut corner, the metal shutter and the paper label."""
    body = [(1.5, 1.5), (12.0, 1.5), (14.5, 4.0), (14.5, 14.5), (1.5, 14.5)]
    cv.fill(Polygon(body), BLUE)
    cv.stroke(body, 1.0, DARK, closed=True)
    cv.fill(rect(4.0, 2.0, 11.0, 6.5), BLUE_LIGHT)
    cv.fill(rect(8.5, 2.5, 10.0, 5.5), DARK)
    cv.fill(rect(3.5, 9.0, 12.5, 14.0), WHITE)
    for y in (10.5, 12.0):
        cv.fill(rect(5.0, y, 11.0, y + 0.75), LINE)


ICONS = {
    "batch": draw_batch,
    "runtime": draw_runtime,
    "reset": draw_reset,
    "export": draw_export,
}

# The panels' button images (16 x 16 only): built into the library, not shipped in torv_data/.
PANEL_IMAGES = {
    "open": draw_open,
    "save": draw_save,
}


def write(cv, path):
    with open(path, "wb") as f:
        f.write(cv.png())
    print(path)


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = argv[1] if len(argv) > 1 else os.path.join(here, "torv_data")
    panel_dir = argv[1] if len(argv) > 1 else os.path.join(here, "panel_images")
    os.makedirs(out_dir, exist_ok=True)
    os.makedirs(panel_dir, exist_ok=True)
    for name, draw in ICONS.items():
        for size, suffix in ((32, ""), (16, "_small")):
            cv = Canvas(size)
            draw(cv, size)
            write(cv, os.path.join(out_dir, name + suffix + ".png"))
    for name, draw in PANEL_IMAGES.items():
        cv = Canvas(16)
        draw(cv, 16)
        write(cv, os.path.join(panel_dir, name + ".png"))


if __name__ == "__main__":
    main(sys.argv)
