#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws Ruvek's pictures as palette PNG files, with nothing but the standard library.

    tools/make_pictures.py            # rewrites src/ui/pictures/*.png

- icon-32.png, icon-16.png: the window icon, 16 colours (one of them transparent): a mountain
  with a red track climbing it from a yellow start point, on a light tile.
- principal.png: the main window's picture, 200 x 181, a palette of 256 colours of which one is
  transparent: a shaded topographic map sheet with contour lines, a UTM grid and a red track
  winding up to a summit flag.
- cerrar.png: the picture of the close buttons, 32 x 32, 8 colours, no transparency: a red
  disc with a white cross.

The output is deterministic: running the script again gives the same bytes.
"""

import math
import os
import struct
import zlib

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "ui", "pictures")


def write_png(path, width, height, palette, pixels, transparent=None):
    """Writes an indexed PNG. `pixels` is a list of rows of palette indices."""
    depth = 8 if len(palette) > 16 else 4

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = bytearray()
    for row in pixels:
        raw.append(0)
        if depth == 8:
            raw.extend(row)
        else:
            for i in range(0, width, 2):
                hi = row[i]
                lo = row[i + 1] if i + 1 < width else 0
                raw.append((hi << 4) | lo)
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, depth, 3, 0, 0, 0))
    png += chunk(b"PLTE", b"".join(struct.pack("BBB", *c) for c in palette))
    if transparent is not None:
        png += chunk(b"tRNS", bytes(255 if i != transparent else 0 for i in range(transparent + 1)))
    png += chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def supersampled(width, height, scene, factor=4):
    """Renders `scene(x, y) -> index` at `factor` samples per pixel side, keeping the most
    frequent index of each pixel, so edges stay within the palette."""
    rows = []
    for py in range(height):
        row = []
        for px in range(width):
            votes = {}
            for sy in range(factor):
                for sx in range(factor):
                    x = px + (sx + 0.5) / factor
                    y = py + (sy + 0.5) / factor
                    k = scene(x, y)
                    votes[k] = votes.get(k, 0) + 1
            row.append(max(sorted(votes), key=lambda k: votes[k]))
        rows.append(row)
    return rows


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)
    t = max(0.0, min(1.0, t))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def polyline_distance(px, py, points):
    return min(segment_distance(px, py, *points[i], *points[i + 1]) for i in range(len(points) - 1))


def inside_polygon(px, py, points):
    inside = False
    j = len(points) - 1
    for i in range(len(points)):
        xi, yi = points[i]
        xj, yj = points[j]
        if (yi > py) != (yj > py) and px < (xj - xi) * (py - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def rounded_rect(px, py, x0, y0, x1, y1, r):
    cx = min(max(px, x0 + r), x1 - r)
    cy = min(max(py, y0 + r), y1 - r)
    return math.hypot(px - cx, py - cy) <= r


# ---------------------------------------------------------------------------------------------
# Window icon: 16 colours.

ICON_PALETTE = [
    (0, 0, 0),        # 0 transparent
    (40, 52, 70),     # 1 outline
    (214, 232, 242),  # 2 map tile
    (176, 204, 222),  # 3 unused light blue
    (88, 150, 80),    # 4 forest
    (60, 112, 58),    # 5 forest shade
    (150, 118, 82),   # 6 rock
    (112, 86, 60),    # 7 rock shade
    (250, 250, 250),  # 8 snow
    (200, 210, 220),  # 9 snow shade
    (214, 40, 40),    # 10 track
    (130, 20, 20),    # 11 track shade
    (250, 200, 40),   # 12 start point
    (60, 60, 60),     # 13 flag pole
    (235, 235, 235),  # 14 unused light
    (0, 0, 0),        # 15 unused
]


def icon_scene(size):
    s = size / 32.0
    peak = [(0, 29 * s), (12 * s, 6 * s), (17 * s, 13 * s), (21.5 * s, 8.5 * s), (32 * s, 29 * s)]
    snow = [(8.8 * s, 12.2 * s), (12 * s, 6 * s), (15 * s, 10.4 * s), (13.4 * s, 11.6 * s),
            (12 * s, 10.4 * s), (10.6 * s, 12.6 * s)]
    snow2 = [(19.4 * s, 11.6 * s), (21.5 * s, 8.5 * s), (23.6 * s, 11.8 * s), (21.6 * s, 11 * s)]
    track = [(7 * s, 27 * s), (15 * s, 24.5 * s), (10 * s, 20.5 * s), (16 * s, 17.5 * s),
             (11.5 * s, 14 * s), (12.2 * s, 9 * s)]
    def scene(x, y):
        if not rounded_rect(x, y, 0.5 * s, 0.5 * s, 31.5 * s, 31.5 * s, 5 * s):
            return 0
        if not rounded_rect(x, y, 1.6 * s, 1.6 * s, 30.4 * s, 30.4 * s, 4 * s):
            return 1
        if math.hypot(x - 7 * s, y - 27 * s) <= 2.2 * s:
            return 12
        if polyline_distance(x, y, track) <= 0.9 * max(s, 0.8):
            return 10
        shaded = x > 12 * s + (y - 6 * s) * 0.3  # the face away from the light
        if inside_polygon(x, y, snow) or inside_polygon(x, y, snow2):
            return 9 if shaded else 8
        if inside_polygon(x, y, peak):
            if y > 18 * s:
                return 5 if shaded else 4
            return 7 if shaded else 6
        return 2

    return scene


# ---------------------------------------------------------------------------------------------
# Main picture: 256 colours, index 0 transparent.

MAP_BANDS = [  # hypsometric tints from the valley to the summit
    (132, 178, 100), (158, 192, 110), (190, 204, 128), (214, 206, 140), (206, 180, 122),
    (186, 150, 104), (164, 126, 94), (150, 134, 124), (178, 172, 168), (240, 242, 246),
]
SHADES = 20
MAIN_FIXED = [
    (0, 0, 0),        # 0 transparent
    (58, 62, 70),     # 1 sheet border
    (168, 168, 168),  # 2 shadow
    (92, 116, 170),   # 3 UTM grid
    (208, 28, 36),    # 4 track
    (255, 255, 255),  # 5 track casing and white
    (40, 150, 60),    # 6 start point
    (30, 30, 30),     # 7 flag pole
    (100, 70, 50),    # 8 index contour
]


def main_palette():
    palette = list(MAIN_FIXED)
    for band in MAP_BANDS:
        for k in range(SHADES):
            f = 0.62 + 0.58 * k / (SHADES - 1)
            palette.append(tuple(min(255, int(c * f)) for c in band))
    while len(palette) < 256:
        palette.append((0, 0, 0))
    return palette


def height(x, y):
    peaks = [(128, 62, 1.0, 34), (78, 98, 0.55, 30), (160, 128, 0.35, 26), (60, 150, 0.18, 40)]
    h = sum(a * math.exp(-((x - px) ** 2 + (y - py) ** 2) / (2 * r * r)) for px, py, a, r in peaks)
    h += 0.03 * math.sin(x / 9.0) * math.cos(y / 11.0)
    return max(0.0, min(0.999, h))


def main_picture():
    w, h = 200, 181
    x0, y0, x1, y1 = 8, 14, 190, 172
    track = [(30, 160), (52, 150), (64, 132), (88, 128), (96, 112), (84, 96), (104, 84),
             (112, 70), (126, 62)]
    flag = [(127, 44), (140, 48), (127, 52)]
    rows = []
    for y in range(h):
        row = []
        for x in range(w):
            cx, cy = x + 0.5, y + 0.5
            on_sheet = rounded_rect(cx, cy, x0, y0, x1, y1, 6)
            if not on_sheet:
                row.append(2 if rounded_rect(cx - 4, cy - 4, x0, y0, x1, y1, 6) else 0)
                continue
            if not rounded_rect(cx, cy, x0 + 1.2, y0 + 1.2, x1 - 1.2, y1 - 1.2, 5):
                row.append(1)
                continue
            if 126.5 <= cx <= 128 and 42 <= cy <= 63:
                row.append(7)
                continue
            if inside_polygon(cx, cy, flag):
                row.append(4)
                continue
            d = polyline_distance(cx, cy, track)
            if d <= 1.3:
                row.append(4)
                continue
            if d <= 2.4:
                row.append(5)
                continue
            if math.hypot(cx - 30, cy - 160) <= 4:
                row.append(6 if math.hypot(cx - 30, cy - 160) <= 2.8 else 5)
                continue
            hh = height(cx, cy)
            band = min(len(MAP_BANDS) - 1, int(hh * len(MAP_BANDS)))
            # Contour lines where the band changes within the pixel.
            if int(height(cx + 1, cy) * 20) != int(hh * 20) or int(height(cx, cy + 1) * 20) != int(hh * 20):
                if int(hh * 20) % 5 == 4:
                    row.append(8)
                    continue
                shade = 2
            else:
                # Hill shading, light from the north-west.
                dx = (height(cx + 1, cy) - height(cx - 1, cy)) * 60
                dy = (height(cx, cy + 1) - height(cx, cy - 1)) * 60
                n = math.sqrt(dx * dx + dy * dy + 1)
                light = (dx * 0.6 + dy * 0.6 + 1) / n
                light = 1 - (light - 0.35) * 0.9
                shade = max(0, min(SHADES - 1, int(light * (SHADES - 1) * 0.75 + SHADES * 0.3)))
            if (int(cx) - x0) % 30 == 0 or (int(cy) - y0) % 30 == 0:
                row.append(3)
                continue
            row.append(len(MAIN_FIXED) + band * SHADES + shade)
        rows.append(row)
    return rows


# ---------------------------------------------------------------------------------------------
# Close button: 8 colours, no transparency.

CLOSE_PALETTE = [
    (240, 240, 240),  # 0 button face
    (150, 22, 26),    # 1 rim
    (206, 44, 44),    # 2 disc
    (236, 112, 104),  # 3 highlight
    (255, 255, 255),  # 4 cross
    (190, 190, 190),  # 5 shadow
    (96, 96, 96),     # 6 unused dark grey
    (0, 0, 0),        # 7 unused black
]


def close_scene(x, y):
    cx, cy, r = 15.5, 15.5, 13.0
    d = math.hypot(x - cx, y - cy)
    if d > r:
        return 5 if math.hypot(x - cx - 1.5, y - cy - 1.5) <= r else 0
    if d > r - 1.6:
        return 1
    u, v = x - cx, y - cy
    if max(abs(u), abs(v)) <= 6.5 and (abs(u - v) <= 2.2 or abs(u + v) <= 2.2):
        return 4
    if math.hypot(x - cx + 4, y - cy + 4) <= 6.5 and d < r - 3:
        return 3
    return 2


def main():
    os.makedirs(OUT, exist_ok=True)
    for size in (32, 16):
        write_png(os.path.join(OUT, "icon-%d.png" % size), size, size, ICON_PALETTE,
                  supersampled(size, size, icon_scene(size)), transparent=0)
    write_png(os.path.join(OUT, "principal.png"), 200, 181, main_palette(), main_picture(),
              transparent=0)
    write_png(os.path.join(OUT, "cerrar.png"), 32, 32, CLOSE_PALETTE,
              supersampled(32, 32, close_scene))


if __name__ == "__main__":
    main()
