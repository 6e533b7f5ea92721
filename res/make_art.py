#!/usr/bin/env python3
"""Draws the configuration window's skin, the position picker's monitor and cursor and the
wizard's picture into art/ beside this script (or into the folder given as the only
argument). Pure Python, no imaging library. Run it again after changing the drawing; the
resources are committed, and the test command checks that a run reproduces them exactly.
scripts/screenshots.sh shows the real window.

How the skin is meant to be painted (the widgets follow this):
- background.bmp (202) is a seamless tile. Tile it over each of the three panels with the
  tile origin at the window's top-left corner (brush origin = minus the panel's position),
  so the brushed grain runs on across the bands. Never stretch it.
- Frame each panel's rectangle with the lines of the panel frame (widgets/SkinPanel.cpp),
  outermost first: line i lies i pixels inside the rectangle; draw its top and left edges in
  its first colour, then its bottom and right edges in its second. That gives each band a raised chrome rim around
  a slightly recessed plate, 4 pixels wide like the border zones; the bars join the rims
  across the gaps.
- bar.bmp (203) is drawn 1:1 at each bar position, 134 x 5.
- Command buttons draw face_up.bmp (200), or face_down.bmp (201) while pressed, at 1:1,
  then their text in white, centred on one line; while pressed, one pixel right and down.
- Caption and option texts are white, drawn transparently on the panel.
- Arrow buttons draw their bitmap with RGB(255, 0, 255) transparent over the panel's tile
  (same origin as the panel), so the grain shows through around the arrow.
- monitor.bmp (146): fill the picker's whole 99 x 78 with the button-face colour before
  drawing the image masked by RGB(255, 0, 255); only the monitor itself is opaque.
"""
import math
import os
import random
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, 'art')

MAGENTA = (255, 0, 255)


# ---------------------------------------------------------------------------------------
# A small RGB canvas and the file writers


def clamp(v):
    return 0 if v < 0 else 255 if v > 255 else int(v + 0.5)


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def ramp(stops, t):
    """Colour at t of a gradient given as [(t0, colour), (t1, colour), ...]."""
    if t <= stops[0][0]:
        return stops[0][1]
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            return mix(c0, c1, (t - t0) / (t1 - t0) if t1 > t0 else 1.0)
    return stops[-1][1]


def smooth(e0, e1, x):
    t = max(0.0, min(1.0, (x - e0) / (e1 - e0)))
    return t * t * (3 - 2 * t)


class Image:
    def __init__(self, w, h, fill=(0, 0, 0)):
        self.w, self.h = w, h
        self.px = [[tuple(fill)] * w for _ in range(h)]

    def get(self, x, y):
        return self.px[y][x]

    def put(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def blend(self, x, y, c, a):
        if a <= 0 or not (0 <= x < self.w and 0 <= y < self.h):
            return
        if a >= 1:
            self.px[y][x] = c
        else:
            self.px[y][x] = mix(self.px[y][x], c, a)

    def fill_rect(self, x0, y0, x1, y1, c):
        for y in range(max(0, y0), min(self.h, y1)):
            row = self.px[y]
            for x in range(max(0, x0), min(self.w, x1)):
                row[x] = c

    def blit(self, src, ox, oy, key=None):
        for y in range(src.h):
            if not 0 <= oy + y < self.h:
                continue
            row, srow = self.px[oy + y], src.px[y]
            for x in range(src.w):
                c = srow[x]
                if 0 <= ox + x < self.w and (key is None or tuple(map(clamp, c)) != key):
                    row[ox + x] = c

    def tile(self, src, x0, y0, x1, y1, origin=(0, 0)):
        for y in range(max(0, y0), min(self.h, y1)):
            srow = src.px[(y - origin[1]) % src.h]
            row = self.px[y]
            for x in range(max(0, x0), min(self.w, x1)):
                row[x] = srow[(x - origin[0]) % src.w]

    def shade(self, fn, x0=0, y0=0, x1=None, y1=None):
        """Paints fn(x + 0.5, y + 0.5) -> (colour, alpha) or None over each pixel."""
        x1 = self.w if x1 is None else x1
        y1 = self.h if y1 is None else y1
        for y in range(max(0, y0), min(self.h, y1)):
            for x in range(max(0, x0), min(self.w, x1)):
                r = fn(x + 0.5, y + 0.5)
                if r is not None:
                    self.blend(x, y, r[0], r[1])

    def rgb(self):
        return [[tuple(map(clamp, c)) for c in row] for row in self.px]

    def mean(self):
        n = self.w * self.h
        return tuple(sum(c[i] for row in self.px for c in row) / n for i in range(3))


def bmp24(img):
    stride = (img.w * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(img.rgb()):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        data += line + bytes(stride - len(line))
    info = struct.pack('<IiiHHIIiiII', 40, img.w, img.h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    head = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(data), 0, 0, 14 + len(info))
    return head + info + bytes(data)


def bmp4(img, palette):
    index = {c: i for i, c in enumerate(palette)}
    stride = ((img.w + 1) // 2 + 3) & ~3
    data = bytearray()
    for row in reversed(img.rgb()):
        line = bytearray(stride)
        for x, c in enumerate(row):
            line[x // 2] |= index[c] << (0 if x % 2 else 4)  # KeyError: a colour off the palette
        data += line
    pal = b''.join(bytes((b, g, r, 0)) for r, g, b in palette)
    info = struct.pack('<IiiHHIIiiII', 40, img.w, img.h, 1, 4, 0, len(data), 2835, 2835, 16, 16)
    off = 14 + len(info) + len(pal)
    head = struct.pack('<2sIHHI', b'BM', off + len(data), 0, 0, off)
    return head + info + pal + bytes(data)


def cursor_file(rows, hotspot):
    """rows: 32 strings of 32 characters, '#' black, 'o' white, anything else transparent."""
    size = 32
    xor, mask = bytearray(), bytearray()
    for line in reversed(rows):
        xb, mb = bytearray(4), bytearray(4)
        for x, ch in enumerate(line):
            bit = 0x80 >> (x % 8)
            if ch == 'o':
                xb[x // 8] |= bit
            elif ch != '#':
                mb[x // 8] |= bit
        xor += xb
        mask += mb
    info = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 1, 0, len(xor) + len(mask), 0, 0, 2, 0)
    image = info + bytes((0, 0, 0, 0, 255, 255, 255, 0)) + bytes(xor) + bytes(mask)
    head = struct.pack('<HHH', 0, 2, 1)
    entry = struct.pack('<BBBBHHII', size, size, 2, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    return head + entry + image


# ---------------------------------------------------------------------------------------
# Shapes: signed distances in pixels, antialiased by coverage


def sd_rrect(px, py, x0, y0, x1, y1, r):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r
    dx, dy = abs(px - cx) - hx, abs(py - cy) - hy
    return math.hypot(max(dx, 0), max(dy, 0)) + min(max(dx, dy), 0) - r


def cover(sd):
    return max(0.0, min(1.0, 0.5 - sd))


def band(sd, inner, outer):
    """Coverage of the ring between the distances inner < outer (outer nearer the edge)."""
    return max(0.0, min(cover(sd - outer), 1 - cover(sd - inner)))


def in_poly(px, py, pts):
    inside = False
    j = len(pts) - 1
    for i in range(len(pts)):
        xi, yi = pts[i]
        xj, yj = pts[j]
        if (yi > py) != (yj > py) and px < (xj - xi) * (py - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def poly_cover(px, py, pts, n=4):
    """Coverage of the pixel centred at (px, py) by a polygon, from n x n samples."""
    hits = 0
    for sy in range(n):
        for sx in range(n):
            if in_poly(px - 0.5 + (sx + 0.5) / n, py - 0.5 + (sy + 0.5) / n, pts):
                hits += 1
    return hits / (n * n)


# ---------------------------------------------------------------------------------------
# The panel tile: brushed dark sapphire metal


def draw_background():
    n = 128
    rnd = random.Random(202)
    # Each row is a streak of its own brightness that swells and fades along x; only whole
    # periods of the tile are used, so the tile joins itself seamlessly both ways.
    rows = []
    for y in range(n):
        level = rnd.gauss(0, 1)
        waves = [(rnd.randint(1, 4), rnd.uniform(0, 2 * math.pi), rnd.uniform(0.3, 1.0)) for _ in range(3)]
        rows.append((level, waves))
    # Neighbouring rows share some grain, as a brush leaves wider strokes.
    levels = [r[0] for r in rows]
    soft = [(levels[(y - 1) % n] + 2 * levels[y] + levels[(y + 1) % n]) / 4 for y in range(n)]
    img = Image(n, n)
    base = (40, 63, 102)
    for y in range(n):
        level, waves = rows[y]
        for x in range(n):
            a = 2 * math.pi * x / n
            swell = sum(w * math.sin(k * a + p) for k, p, w in waves) / 2.2
            v = 0.55 * soft[y] + 0.45 * level * (0.6 + 0.4 * swell)
            fine = rnd.uniform(-1, 1)
            d = 7.0 * v + 1.1 * fine
            img.px[y][x] = (base[0] + d * 0.85, base[1] + d * 0.95, base[2] + d * 1.15)
    return img


# ---------------------------------------------------------------------------------------
# Gel faces: command buttons, caption buttons, arrows

BLUE_GEL = {
    'outline': (8, 22, 52),
    'top': (112, 164, 228), 'mid': (46, 102, 182), 'bottom': (28, 70, 142),
    'glow': (84, 166, 236),
}
# The arrows are small and stand on the bare panel: lighter, so that they read at once.
ICE_GEL = {
    'outline': (6, 16, 38),
    'top': (246, 250, 255), 'mid': (156, 200, 246), 'bottom': (64, 124, 206),
    'glow': (120, 190, 250),
}
RED_GEL = {
    'outline': (52, 10, 8),
    'top': (240, 140, 118), 'mid': (196, 58, 38), 'bottom': (136, 28, 18),
    'glow': (250, 120, 80),
}


def gel(img, x0, y0, x1, y1, r, pal, pressed, backdrop):
    """A rounded glossy face filling (x0, y0)-(x1, y1), blended into backdrop at its corners."""
    h = y1 - y0

    def fn(px, py):
        sd = sd_rrect(px, py, x0, y0, x1, y1, r)
        if sd > 0.5:
            return backdrop, 1.0
        t = (py - y0) / h
        if pressed:
            c = ramp([(0, pal['bottom']), (0.55, pal['mid']), (1, mix(pal['mid'], pal['top'], 0.45))], t)
            # Inner shadow along the top: the face sits lower than its rim.
            c = mix(c, (0, 0, 0), 0.35 * (1 - smooth(0.0, 2.6, -sd - 1)) * (1 - t))
        else:
            c = ramp([(0, pal['top']), (0.5, pal['mid']), (1, pal['bottom'])], t)
            # Light entering the gel gathers at the bottom.
            c = mix(c, pal['glow'], 0.55 * smooth(0.62, 1.0, t) * cover(-sd - 1.2))
            # The gloss: a reflection over the upper half, fading towards its lower edge.
            gl = sd_rrect(px, py, x0 + 1.5, y0 + 1.2, x1 - 1.5, y0 + h * 0.48, max(1.0, r - 1.5))
            a = cover(gl) * (0.42 - 0.30 * (py - y0) / (h * 0.48))
            c = mix(c, (255, 255, 255), max(0.0, a))
            # A bright 1-pixel lip just inside the rim, strongest at the top.
            c = mix(c, (255, 255, 255), band(sd, -2.0, -1.0) * 0.45 * (1 - t) ** 1.5)
        c = mix(c, pal['outline'], band(sd, -1.0, 0.0))
        return mix(backdrop, c, cover(sd)), 1.0

    img.shade(fn, int(x0), int(y0), int(math.ceil(x1)), int(math.ceil(y1)))


def draw_face(pressed, backdrop):
    img = Image(94, 32, backdrop)
    gel(img, 0, 0, 94, 32, 6.5, BLUE_GEL, pressed, backdrop)
    return img


def caption_button(kind, pressed, backdrop):
    img = Image(15, 15, backdrop)
    pal = RED_GEL if kind == 'close' else BLUE_GEL
    gel(img, 0, 0, 15, 15, 3.5, pal, pressed, backdrop)
    o = 1 if pressed else 0  # the glyph sinks with the face
    white = (255, 255, 255)
    shadow = mix(pal['outline'], pal['bottom'], 0.3)

    def glyph(fn):
        # Shadow first, one pixel below, then the white glyph.
        img.shade(lambda px, py: (shadow, 0.6 * fn(px - o, py - o - 1)) if fn(px - o, py - o - 1) > 0 else None)
        img.shade(lambda px, py: (white, fn(px - o, py - o)) if fn(px - o, py - o) > 0 else None)

    if kind == 'min':
        glyph(lambda px, py: cover(sd_rrect(px, py, 4, 9, 11, 11, 0.4)))
    elif kind == 'max':
        glyph(lambda px, py: max(cover(sd_rrect(px, py, 4, 4, 11, 6, 0.3)),
                                 band(sd_rrect(px, py, 4, 4, 11, 11, 0.3), -1.0, 0.0)))
    elif kind == 'close':
        def cross(px, py):
            d1 = abs((px - 7.5) - (py - 7.5)) / math.sqrt(2)
            d2 = abs((px - 7.5) + (py - 7.5)) / math.sqrt(2)
            inside = max(abs(px - 7.5), abs(py - 7.5)) - 3.6
            return cover(max(min(d1, d2) - 0.95, inside))
        glyph(cross)
    elif kind == 'sys':
        # The program's own picture: a tiny framed landscape.
        def pic(px, py):
            x, y = px - o, py - o
            if not (3 <= x < 12 and 3 <= y < 12):
                return None
            if x < 4 or x >= 11 or y < 4 or y >= 11:
                return (248, 244, 230), 1.0
            if (x - 8.6) ** 2 + (y - 6.0) ** 2 < 1.7:
                return (255, 222, 70), 1.0
            if y > 8.2 + 0.9 * math.sin((x - 4) * 0.9):
                return (70, 170, 60), 1.0
            return mix((120, 190, 245), (190, 225, 255), (y - 4) / 5), 1.0
        img.shade(lambda px, py: (shadow, 0.6) if pic(px, py - 1) and not pic(px, py) else None)
        img.shade(pic)
    return img


def arrow_button(w, h, kind, backdrop):
    """Gel arrows pointing up or down, some with a bar: magenta outside the shape. Edges are
    blended with the panel's mean colour, since the transparency has no half steps."""
    img = Image(w, h, MAGENTA)
    cx = w / 2
    up = kind in ('top', 'up')
    bar = kind in ('top', 'bottom')
    if up:
        bar_rect = (1, 0, w - 1, 3) if bar else None
        tri = [(cx, (4 if bar else 0) - 0.2), (w - 0.3, h + 0.05), (0.3, h + 0.05)]
    else:
        bar_rect = (1, h - 3, w - 1, h) if bar else None
        tri = [(0.3, -0.05), (w - 0.3, -0.05), (cx, (h - 4 if bar else h) + 0.2)]
    ty0 = min(p[1] for p in tri)
    ty1 = max(p[1] for p in tri)
    pal = ICE_GEL
    for y in range(h):
        for x in range(w):
            px, py = x + 0.5, y + 0.5
            cov = poly_cover(px, py, tri)
            inner = poly_cover(px, py, shrink(tri, 1.1))
            in_bar = bar_rect and bar_rect[0] <= x < bar_rect[2] and bar_rect[1] <= y < bar_rect[3]
            if in_bar:
                t = (y - bar_rect[1]) / 2.0
                edge = x in (bar_rect[0], bar_rect[2] - 1) or y in (bar_rect[1], bar_rect[3] - 1)
                c = pal['outline'] if edge else ramp([(0, pal['top']), (1, pal['mid'])], t)
                if edge and (x, y) in ((bar_rect[0], bar_rect[1]), (bar_rect[2] - 1, bar_rect[1]),
                                       (bar_rect[0], bar_rect[3] - 1), (bar_rect[2] - 1, bar_rect[3] - 1)):
                    c = mix(backdrop, pal['outline'], 0.5)
                img.px[y][x] = c
                continue
            if cov < 0.2:
                continue
            t = (py - ty0) / (ty1 - ty0)
            body = ramp([(0, pal['top']), (0.55, pal['mid']), (1, pal['bottom'])], t)
            c = mix(pal['outline'], body, inner)
            img.px[y][x] = mix(backdrop, c, min(1.0, cov * 1.15))
    return img


def shrink(tri, d):
    """The triangle shrunk about its centre so that its edges move in by about d pixels."""
    cx = sum(p[0] for p in tri) / 3
    cy = sum(p[1] for p in tri) / 3
    r = 0.0
    for i in range(3):
        (x0, y0), (x1, y1) = tri[i], tri[(i + 1) % 3]
        ln = math.hypot(x1 - x0, y1 - y0)
        r = max(r, abs((x1 - x0) * (y0 - cy) - (x0 - cx) * (y1 - y0)) / ln)
    k = max(0.0, (r - d) / r)
    return [(cx + (x - cx) * k, cy + (y - cy) * k) for x, y in tri]


# ---------------------------------------------------------------------------------------
# The bar between the bands: a short chrome rail with rounded ends


def draw_bar():
    w, h = 134, 5
    img = Image(w, h)
    profile = [(62, 76, 100), (214, 226, 242), (244, 248, 255), (150, 170, 200), (52, 66, 92)]
    for y in range(h):
        for x in range(w):
            c = profile[y]
            # Brushed along its length, brighter in the middle like a turned rod.
            c = mix(c, (255, 255, 255), 0.10 * math.sin(math.pi * x / (w - 1)) * (1 if y in (1, 2) else 0.4))
            c = mix(c, (0, 0, 0), 0.06 * ((x * 7 + y * 3) % 5 == 0))
            end = min(x, w - 1 - x)
            if end < 3:
                c = mix(c, (30, 42, 64), (3 - end) / 3.0 * (0.85 if y in (0, 4) else 0.55))
            img.px[y][x] = c
    return img


# ---------------------------------------------------------------------------------------
# The picker's monitor: 16 colours, the classic palette every display shows exactly

VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def draw_monitor():
    K, NAVY, SILVER, GREY, BLUE, LIME, WHITE = VGA[0], VGA[4], VGA[7], VGA[8], VGA[12], VGA[10], VGA[15]
    img = Image(99, 78, MAGENTA)
    # Case: rows 0..71, its corners cut by one pixel, raised by a white and a grey line.
    img.fill_rect(0, 0, 99, 72, SILVER)
    for x in range(99):
        img.put(x, 0, K)
        img.put(x, 71, K)
        if 2 <= x <= 96:
            img.put(x, 1, WHITE)
            img.put(x, 70, GREY)
    for y in range(72):
        img.put(0, y, K)
        img.put(98, y, K)
        if 2 <= y <= 69:
            img.put(1, y, WHITE)
            img.put(97, y, GREY)
    for x, y in ((0, 0), (98, 0), (0, 71), (98, 71)):
        img.put(x, y, MAGENTA)
    for x, y in ((1, 1), (97, 1), (1, 70), (97, 70)):
        img.put(x, y, K)
    # The glass sits in a sunken rim: dark above and left, light below and right.
    for x in range(7, 92):
        img.put(x, 5, GREY)
        img.put(x, 68, WHITE)
    for x in range(8, 90):
        img.put(x, 6, K)
    for y in range(5, 69):
        img.put(7, y, GREY)
        img.put(8, y, K)
        img.put(90, y, WHITE)
    img.put(7, 68, GREY)
    # The glass: a dark desktop blue, with a glint across the top-left corner in the
    # dither a 16-colour screen would show.
    for y in range(7, 68):
        for x in range(9, 90):
            g = (x - 9) + (y - 7)
            c = NAVY
            if 12 <= g <= 17 and (x + y) % 2 == 0 or g in (20, 21) and x % 2 == 0 and y % 2 == 0:
                c = BLUE
            img.put(x, y, c)
    # Power light and two buttons on the chin.
    img.put(84, 69, LIME)
    img.put(85, 69, LIME)
    for bx in (74, 78):
        img.put(bx, 69, GREY)
        img.put(bx + 1, 69, GREY)
    # Stand: neck and foot in rows 72..74; rows 75..77 stay clear for the picker.
    for x in range(42, 57):
        img.put(x, 72, K if x in (42, 56) else GREY)
    for x in range(30, 69):
        img.put(x, 73, K if x in (30, 68) else WHITE if x < 49 else SILVER)
        if 31 <= x <= 67:
            img.put(x, 74, K)
    return img


# ---------------------------------------------------------------------------------------
# The cursor over the picker's block: a four-way move cross

def draw_cursor():
    n = 32
    c = 15
    grid = [[' '] * n for _ in range(n)]

    def inside(x, y):
        dx, dy = abs(x - c), abs(y - c)
        if dx <= 1 and dy <= 7:
            return True
        if dy <= 1 and dx <= 7:
            return True
        # Arrow heads: 4 rows deep, tips 11 pixels from the centre.
        for ax, ay in ((x - c, y - c), (y - c, x - c)):
            d = abs(ay)
            if 7 <= d <= 11 and abs(ax) <= 11 - d:
                return True
        return False

    for y in range(n):
        for x in range(n):
            if inside(x, y):
                grid[y][x] = 'o'
    for y in range(n):
        for x in range(n):
            if grid[y][x] == ' ' and any(
                    0 <= x + dx < n and 0 <= y + dy < n and grid[y + dy][x + dx] == 'o'
                    for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                grid[y][x] = '#'
    return [''.join(r) for r in grid], (c, c)


# ---------------------------------------------------------------------------------------
# The wizard's picture: a framed landscape on the desktop, fading into it


SCENES = {
    # sky stops, sun colour, far ridge, hills (back to front), water or meadow in front
    'day': ([(0, (66, 126, 212)), (0.42, (146, 196, 244)), (0.56, (220, 236, 250))], (255, 246, 196),
            (128, 158, 190), [(112, 168, 92), (70, 144, 58), (42, 108, 38)], 'lake'),
    'evening': ([(0, (40, 52, 112)), (0.36, (190, 104, 112)), (0.55, (252, 196, 112))], (255, 238, 176),
                (112, 84, 120), [(94, 70, 104), (64, 50, 84), (36, 30, 58)], 'lake'),
    'spring': ([(0, (92, 150, 222)), (0.5, (176, 214, 246)), (0.6, (230, 242, 250))], (255, 250, 220),
               (150, 172, 196), [(150, 190, 96), (104, 170, 70), (70, 140, 50)], 'meadow'),
}


def landscape(w, h, scene, seed):
    """A small painted photograph: sky with the sun, a far ridge, rolling hills and a lake
    that mirrors the sky, or a meadow. Supersampled 3 x 3."""
    sky, sun_col, ridge_col, hill_cols, front = SCENES[scene]
    rnd = random.Random(seed)
    sun = (w * rnd.uniform(0.55, 0.75), h * 0.26)
    horizon = h * 0.56

    def wave(n, amp):
        return [(rnd.uniform(0.6, 2.4), rnd.uniform(0, 6.3), rnd.uniform(0.4, 1.0) * amp) for _ in range(n)]

    ridge = wave(4, h * 0.05)
    hills = [(horizon + h * (0.02 + 0.07 * i), wave(3, h * 0.045)) for i in range(3)]
    water_top = horizon + h * 0.22

    def line(x, waves):
        return sum(a * math.sin(f * x / w * 6.283 + p) for f, p, a in waves)

    def sky_at(fx, fy):
        c = ramp(sky, fy / h)
        d = math.hypot(fx - sun[0], fy - sun[1])
        c = mix(c, sun_col, 0.6 * math.exp(-d / (w * 0.16)))
        return sun_col if d < w * 0.06 else c

    def land_at(fx, fy):
        c = None
        if fy > horizon - h * 0.08 + line(fx, ridge):
            c = mix(ridge_col, ramp(sky, 0.55), 0.35)
        for i, (base, waves) in enumerate(hills):
            top = base + line(fx, waves)
            if fy > top:
                c = mix(hill_cols[i], sun_col, 0.22 * max(0.0, 1 - (fy - top) / (h * 0.05)))
                c = mix(c, ramp(sky, 0.55), 0.18 * (2 - i))
        return c

    img = Image(w, h)
    ss = 3
    for y in range(h):
        for x in range(w):
            acc = [0.0, 0.0, 0.0]
            for sy in range(ss):
                for sx in range(ss):
                    fx, fy = x + (sx + 0.5) / ss, y + (sy + 0.5) / ss
                    if fy > water_top:
                        if front == 'lake':
                            # The lake mirrors what stands above the shore, darker and rippled.
                            my = 2 * water_top - fy + 0.6 * math.sin(fy * 1.7)
                            c = land_at(fx, my) or sky_at(fx, my)
                            c = mix(c, (20, 40, 70), 0.25 + 0.3 * (fy - water_top) / (h - water_top))
                        else:
                            c = mix(hill_cols[2], (230, 240, 120), 0.15 * (1 + math.sin(fx * 0.9 + fy * 2.1)))
                    else:
                        c = land_at(fx, fy) or sky_at(fx, fy)
                    for k in range(3):
                        acc[k] += c[k]
            img.px[y][x] = tuple(v / (ss * ss) for v in acc)
    return img


def framed(photo, mat=3):
    """The photograph on a white mount with a thin grey edge and a shadowed inner bevel."""
    paper = (244, 242, 234)
    w, h = photo.w + 2 * mat + 2, photo.h + 2 * mat + 2
    img = Image(w, h, paper)
    for x in range(w):
        img.put(x, 0, (176, 172, 164))
        img.put(x, h - 1, (112, 108, 102))
    for y in range(h):
        img.put(0, y, (176, 172, 164))
        img.put(w - 1, y, (112, 108, 102))
    img.blit(photo, mat + 1, mat + 1)
    for x in range(mat, w - mat):
        img.put(x, mat, (150, 146, 138))
    for y in range(mat, h - mat):
        img.put(mat, y, (150, 146, 138))
    return img


def draw_wizard():
    """A slideshow on the desktop: the picture of the moment in front, the one before it
    fading out behind, the next one fading in below, and their light on the desktop."""
    w, h = 120, 280
    img = Image(w, h)

    def desktop(px, py):
        c = ramp([(0, (14, 26, 62)), (0.45, (30, 62, 124)), (1, (10, 20, 50))], py / h)
        c = mix(c, (110, 160, 225), 0.30 * math.exp(-((px - 60) ** 2 / 2400.0 + (py - 120) ** 2 / 9000.0)))
        # Faint rays from the upper left, as light falls on the desktop.
        ray = 0.5 + 0.5 * math.sin(math.atan2(py + 40, px + 30) * 22)
        return mix(c, (140, 180, 235), 0.05 * ray * (1 - py / h)), 1.0

    img.shade(desktop)

    def place(photo, x0, y0, alpha, shadow=0.0):
        if shadow:
            img.shade(lambda px, py: ((0, 0, 12), shadow * (1 - smooth(-0.5, 3.5, sd_rrect(
                px, py, x0 + 2, y0 + 3, x0 + photo.w + 2, y0 + photo.h + 3, 2)))))
        for y in range(photo.h):
            for x in range(photo.w):
                img.blend(x0 + x, y0 + y, photo.px[y][x], alpha)

    before = framed(landscape(70, 52, 'evening', 11), mat=2)
    now = framed(landscape(88, 118, 'day', 3), mat=3)
    after = framed(landscape(70, 52, 'spring', 5), mat=2)
    place(before, 36, 10, 0.40)
    place(now, 9, 44, 1.0, shadow=0.55)
    place(after, 30, 186, 0.55, shadow=0.25)
    # The next picture's reflection on the desktop, fading out.
    ry = 186 + after.h + 1
    for y in range(min(after.h, h - ry)):
        a = 0.22 * (1 - y / 34.0)
        if a <= 0:
            break
        for x in range(after.w):
            img.blend(30 + x, ry + y, after.px[after.h - 1 - y][x], a)
    # A darker seam on the right, where the picture meets the page.
    for y in range(h):
        img.put(w - 1, y, mix(img.px[y][w - 1], (0, 0, 0), 0.45))
    return img


# ---------------------------------------------------------------------------------------


def main():
    os.makedirs(OUT, exist_ok=True)
    bg = draw_background()
    mean = bg.mean()
    tiles = {
        'background': bg,
        'bar': draw_bar(),
        'face_up': draw_face(False, mean),
        'face_down': draw_face(True, mean),
        'arrow_top': arrow_button(16, 11, 'top', mean),
        'arrow_up': arrow_button(16, 9, 'up', mean),
        'arrow_down': arrow_button(15, 8, 'down', mean),
        'arrow_bottom': arrow_button(15, 10, 'bottom', mean),
        'wizard': draw_wizard(),
    }
    for kind in ('sys', 'min', 'max', 'close'):
        for pressed in (False, True):
            tiles['%s_%s' % (kind, 'down' if pressed else 'up')] = caption_button(kind, pressed, mean)
    for name, im in tiles.items():
        with open(os.path.join(OUT, name + '.bmp'), 'wb') as f:
            f.write(bmp24(im))
    with open(os.path.join(OUT, 'monitor.bmp'), 'wb') as f:
        f.write(bmp4(draw_monitor(), VGA))
    rows, hot = draw_cursor()
    with open(os.path.join(OUT, 'move.cur'), 'wb') as f:
        f.write(cursor_file(rows, hot))


if __name__ == '__main__':
    main()
