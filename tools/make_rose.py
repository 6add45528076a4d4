#!/usr/bin/python3
"""Draws the information window's rose and writes it as an animated GIF.

A red bud on a green stem with leaves opens over eleven frames to full bloom.
The flower is a spiral of petals rendered in 3D with a depth buffer; stem and
leaves are flat shapes behind it. Everything is supersampled and then reduced
to one 64-colour table with index 7 transparent.

Only the Python standard library is used, so the file can be rebuilt anywhere:

    tools/make_rose.py                     # writes assets/rose.gif
    tools/make_rose.py --preview /tmp/r    # also writes enlarged PNG frames
"""

import argparse
import math
import os
import struct
import zlib

WIDTH, HEIGHT = 91, 131
SS = 4  # samples per pixel along each axis
DELAYS = [65, 10, 9, 8, 8, 7, 6, 5, 4, 2, 100]  # hundredths of a second
COLOURS = 64
TRANSPARENT = 7
# The picture box's background: partly covered edge pixels are blended with it,
# and it is the colour behind index 7 for viewers that ignore transparency.
BACKGROUND = (0xD4, 0xD0, 0xC8)

# Where the flower sits on the stem, in pixels, and its size at full bloom.
ORIGIN = (45.5, 57.0)
SCALE = 31.0  # pixels per model unit
ELEVATION = math.radians(28)  # the viewer looks down on the flower this much

LIGHT = (-0.45, -0.55, 0.70)  # from the upper left, in front


def normalize(v):
    n = math.sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]) or 1.0
    return (v[0] / n, v[1] / n, v[2] / n)


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def clamp(x, lo=0.0, hi=1.0):
    return lo if x < lo else hi if x > hi else x


def smoothstep(x):
    x = clamp(x)
    return x * x * (3 - 2 * x)


class Canvas:
    """Supersampled colour and depth; colour None means nothing drawn there."""

    def __init__(self):
        self.w, self.h = WIDTH * SS, HEIGHT * SS
        self.colour = [None] * (self.w * self.h)
        self.depth = [math.inf] * (self.w * self.h)

    def fill(self, inside, bbox, shade):
        """Paints the samples within bbox (pixels) for which inside(x, y) holds."""
        x0, y0, x1, y1 = bbox
        for sy in range(max(0, int(y0 * SS)), min(self.h, int(math.ceil(y1 * SS)))):
            y = (sy + 0.5) / SS
            row = sy * self.w
            for sx in range(max(0, int(x0 * SS)), min(self.w, int(math.ceil(x1 * SS)))):
                x = (sx + 0.5) / SS
                if inside(x, y):
                    self.colour[row + sx] = shade(x, y)
                    self.depth[row + sx] = 1e9  # flat shapes stay behind the flower

    def triangle(self, a, b, c):
        """Rasterizes a triangle of (x, y, depth, colour) vertices in pixels."""
        ax, ay = a[0] * SS, a[1] * SS
        bx, by = b[0] * SS, b[1] * SS
        cx, cy = c[0] * SS, c[1] * SS
        area = (bx - ax) * (cy - ay) - (by - ay) * (cx - ax)
        if abs(area) < 1e-9:
            return
        x0 = max(0, int(min(ax, bx, cx)))
        x1 = min(self.w - 1, int(max(ax, bx, cx)) + 1)
        y0 = max(0, int(min(ay, by, cy)))
        y1 = min(self.h - 1, int(max(ay, by, cy)) + 1)
        inv = 1.0 / area
        for sy in range(y0, y1 + 1):
            py = sy + 0.5
            row = sy * self.w
            for sx in range(x0, x1 + 1):
                px = sx + 0.5
                wa = ((bx - px) * (cy - py) - (by - py) * (cx - px)) * inv
                wb = ((cx - px) * (ay - py) - (cy - py) * (ax - px)) * inv
                wc = 1.0 - wa - wb
                if wa < 0 or wb < 0 or wc < 0:
                    continue
                z = wa * a[2] + wb * b[2] + wc * c[2]
                i = row + sx
                if z < self.depth[i]:
                    self.depth[i] = z
                    self.colour[i] = tuple(
                        wa * p + wb * q + wc * r for p, q, r in zip(a[3], b[3], c[3])
                    )

    def outline(self, strength=0.55, jump=0.09):
        """Darkens samples where the depth jumps, so overlapping petals stay apart."""
        out = list(self.colour)
        for sy in range(1, self.h - 1):
            row = sy * self.w
            for sx in range(1, self.w - 1):
                i = row + sx
                z = self.depth[i]
                if self.colour[i] is None or z > 1e8:
                    continue
                for j in (i - 1, i + 1, i - self.w, i + self.w):
                    if self.depth[j] - z > jump and self.depth[j] < 1e8:
                        out[i] = tuple(v * strength for v in self.colour[i])
                        break
        self.colour = out

    def resolve(self):
        """Pixels as RGB (0..255) or None where mostly uncovered."""
        pixels = []
        for y in range(HEIGHT):
            for x in range(WIDTH):
                covered, acc = 0, [0.0, 0.0, 0.0]
                for sy in range(y * SS, y * SS + SS):
                    for sx in range(x * SS, x * SS + SS):
                        c = self.colour[sy * self.w + sx]
                        if c is not None:
                            covered += 1
                            acc[0] += c[0]
                            acc[1] += c[1]
                            acc[2] += c[2]
                cover = covered / (SS * SS)
                if cover < 0.5:
                    pixels.append(None)
                    continue
                rgb = [v / covered * 255 for v in acc]
                pixels.append(
                    tuple(int(round(v * cover + b * (1 - cover))) for v, b in zip(rgb, BACKGROUND))
                )
        return pixels


# --- stem and leaves -------------------------------------------------------

STEM_DARK = (0.10, 0.27, 0.08)
STEM = (0.22, 0.47, 0.13)
LEAF_DARK = (0.09, 0.30, 0.09)
LEAF = (0.20, 0.50, 0.16)
LEAF_LIGHT = (0.38, 0.66, 0.24)
THORN = (0.36, 0.30, 0.12)


def stem_x(y):
    """The stem's centre line, a gentle S from the flower to the bottom edge."""
    return ORIGIN[0] + 2.2 * math.sin((y - ORIGIN[1]) / (HEIGHT - ORIGIN[1]) * math.pi * 1.2)


def draw_stem(canvas):
    def inside(x, y):
        half = 1.9 - 0.4 * (y - ORIGIN[1]) / (HEIGHT - ORIGIN[1])
        return y >= ORIGIN[1] - 2 and abs(x - stem_x(y)) <= half

    def shade(x, y):
        across = (x - stem_x(y)) / 1.9  # -1 left .. 1 right
        return mix(mix(STEM, LEAF_LIGHT, 0.45), STEM_DARK, smoothstep((across + 0.6) / 1.6))

    canvas.fill(inside, (ORIGIN[0] - 6, ORIGIN[1] - 2, ORIGIN[0] + 6, HEIGHT), shade)
    # Thorns: small triangles pointing up and outwards.
    for y, side in ((76.0, 1), (99.0, -1), (120.0, 1)):
        edge = stem_x(y) + side * 1.2
        corners = ((edge, y - 1.6), (edge, y + 1.6), (edge + side * 2.6, y - 2.4))
        canvas.fill(
            lambda x, yy, corners=corners: in_triangle(corners, x, yy),
            (edge - 4, y - 4, edge + 4, y + 3),
            lambda x, yy: THORN,
        )


def in_triangle(corners, x, y):
    (ax, ay), (bx, by), (cx, cy) = corners
    d1 = (x - bx) * (ay - by) - (ax - bx) * (y - by)
    d2 = (x - cx) * (by - cy) - (bx - cx) * (y - cy)
    d3 = (x - ax) * (cy - ay) - (cx - ax) * (y - ay)
    negative = d1 < 0 or d2 < 0 or d3 < 0
    positive = d1 > 0 or d2 > 0 or d3 > 0
    return not (negative and positive)


def leaflet(canvas, base, angle, length, width):
    """A pointed, serrated leaflet from base along angle (radians, 0 = right)."""
    ca, sa = math.cos(angle), math.sin(angle)

    def local(x, y):
        dx, dy = x - base[0], y - base[1]
        return dx * ca + dy * sa, -dx * sa + dy * ca  # along, across

    def half_width(u):
        if u <= 0 or u >= 1:
            return 0.0
        w = width * 0.5 * math.sin(math.pi * u**0.8) ** 0.9
        teeth = 1 - 0.09 * abs(math.sin(u * math.pi * 7))  # serrated edge
        return w * teeth

    def inside(x, y):
        u, v = local(x, y)
        return abs(v) <= half_width(u / length)

    def shade(x, y):
        u, v = local(x, y)
        hw = half_width(u / length) or 1.0
        if abs(v) < 0.45:  # the midrib
            return mix(LEAF_LIGHT, (0.6, 0.8, 0.45), 0.3)
        # The half that faces the light is brighter; both darken towards the edge.
        lit = LEAF_LIGHT if v < 0 else LEAF
        edge = abs(v) / hw
        vein = 0.12 if abs(math.sin((u - abs(v) * 0.9) * 1.4)) < 0.22 else 0.0
        return mix(mix(lit, LEAF_DARK, smoothstep(edge * 0.9) * 0.75), LEAF_DARK, vein)

    tip = (base[0] + ca * length, base[1] + sa * length)
    r = width
    canvas.fill(
        inside,
        (
            min(base[0], tip[0]) - r,
            min(base[1], tip[1]) - r,
            max(base[0], tip[0]) + r,
            max(base[1], tip[1]) + r,
        ),
        shade,
    )


def leaf_stalk(canvas, start, end, size):
    """A rose leaf: a stalk with a pair of leaflets and one at its end."""
    (x0, y0), (x1, y1) = start, end
    angle = math.atan2(y1 - y0, x1 - x0)

    def on_stalk(x, y):
        dx, dy = x1 - x0, y1 - y0
        t = clamp(((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy))
        px, py = x0 + dx * t, y0 + dy * t
        return (x - px) ** 2 + (y - py) ** 2 <= 0.75**2

    canvas.fill(
        on_stalk,
        (min(x0, x1) - 2, min(y0, y1) - 2, max(x0, x1) + 2, max(y0, y1) + 2),
        lambda x, y: STEM,
    )
    mid = (x0 + (x1 - x0) * 0.45, y0 + (y1 - y0) * 0.45)
    leaflet(canvas, mid, angle - 1.05, size * 0.85, size * 0.52)
    leaflet(canvas, mid, angle + 1.05, size * 0.85, size * 0.52)
    leaflet(canvas, end, angle, size, size * 0.6)


def draw_stem_and_leaves(canvas):
    draw_stem(canvas)
    left = (stem_x(95), 95)
    leaf_stalk(canvas, left, (left[0] - 17, 85), 15)
    right = (stem_x(111), 111)
    leaf_stalk(canvas, right, (right[0] + 17, 102), 14)


# --- the flower ------------------------------------------------------------

PETAL_DEEP = (0.50, 0.02, 0.07)
PETAL = (0.80, 0.06, 0.11)
PETAL_EDGE = (0.97, 0.30, 0.32)
SEPAL = (0.16, 0.42, 0.12)
SEPAL_LIGHT = (0.32, 0.60, 0.20)

SPIRAL_START, SPIRAL_END = -2 * math.pi, 15 * math.pi


def project(p, scale):
    """Model point (x right, y away, z up) to pixel x, pixel y and depth."""
    x, y, z = p
    ce, se = math.cos(ELEVATION), math.sin(ELEVATION)
    up = y * se + z * ce
    depth = y * ce - z * se
    return (ORIGIN[0] + x * scale, ORIGIN[1] - up * scale, depth)


def lit(colour, normal, ambient=0.38):
    n = normalize(normal)
    light = normalize(LIGHT)
    d = abs(n[0] * light[0] + n[1] * light[1] + n[2] * light[2])
    return tuple(clamp(c * (ambient + (1 - ambient) * d) * 1.15) for c in colour)


def surface(canvas, point, colour, us, vs, scale):
    """Rasterizes a parametric surface sampled on the grid us x vs."""
    grid = [[point(u, v) for v in vs] for u in us]
    shaded = []
    for i, u in enumerate(us):
        row = []
        for j, v in enumerate(vs):
            a = grid[min(i + 1, len(us) - 1)][j]
            b = grid[max(i - 1, 0)][j]
            c = grid[i][min(j + 1, len(vs) - 1)]
            d = grid[i][max(j - 1, 0)]
            du = [p - q for p, q in zip(a, b)]
            dv = [p - q for p, q in zip(c, d)]
            normal = (
                du[1] * dv[2] - du[2] * dv[1],
                du[2] * dv[0] - du[0] * dv[2],
                du[0] * dv[1] - du[1] * dv[0],
            )
            x, y, z = project(grid[i][j], scale)
            row.append((x, y, z, lit(colour(u, v), normal)))
        shaded.append(row)
    for i in range(len(us) - 1):
        for j in range(len(vs) - 1):
            a, b = shaded[i][j], shaded[i + 1][j]
            c, d = shaded[i + 1][j + 1], shaded[i][j + 1]
            canvas.triangle(a, b, c)
            canvas.triangle(a, c, d)


def petals(canvas, openness, scale):
    """The spiral of petals: outer ones open first, the innermost stay a cup."""
    span = SPIRAL_END - SPIRAL_START

    def shape(t, x):
        layer = (t - SPIRAL_START) / span  # 0 outermost .. 1 innermost
        progress = smoothstep(openness * 1.6 - layer * 0.6)
        bloom = (math.pi / 2) * math.exp(-t / (8 * math.pi))
        bud = 0.05 + 0.10 * (1 - layer)
        tilt = bud + (bloom - bud) * progress
        # Length of the petal at this point of the spiral: 3.6 petals a turn,
        # each rounded at its top.
        u = 1 - (1 - math.fmod(3.6 * t - 3.6 * SPIRAL_START, 2 * math.pi) / math.pi) ** 4 / 2
        u *= 1 - 0.25 * layer * (1 - progress)
        curl = 1.95653 * x * x * (1.27689 * x - 1) ** 2 * math.sin(tilt)
        bulge = (0.38 - 0.28 * layer) * math.sin(math.pi * x**0.7) ** 1.3
        y = curl * progress + bulge * (1 - progress)
        r = u * (x * math.sin(tilt) + y * math.cos(tilt))
        h = u * (x * math.cos(tilt) - y * math.sin(tilt))
        return r, h

    def point(t, x):
        r, h = shape(t, x)
        return (r * math.cos(t), r * math.sin(t), h + 0.06)

    def colour(t, x):
        layer = (t - SPIRAL_START) / span
        base = mix(PETAL, PETAL_DEEP, 0.55 * layer + 0.35 * (1 - x))
        return mix(base, PETAL_EDGE, smoothstep((x - 0.75) / 0.25) * 0.55 * (1 - layer * 0.7))

    ts = [SPIRAL_START + span * k / 700 for k in range(701)]
    xs = [k / 14 for k in range(15)]
    surface(canvas, point, colour, ts, xs, scale)


def sepals(canvas, openness, scale):
    """Five green sepals: wrapped round the bud, folded down under the bloom."""
    open_ = smoothstep(openness * 2.2)
    for k in range(5):
        around = 2 * math.pi * k / 5 - math.pi / 2 + 0.25  # one faces the viewer

        def point(s, w, around=around):
            # Closed, a sepal follows the outline of the outermost petals.
            x = s * 0.85
            r_closed = 0.05 + 0.15 * x + 0.42 * math.sin(math.pi * x**0.7) ** 1.3
            h_closed = x + 0.02
            # Open, it points down and outwards, curving slightly.
            r_open = 0.08 + s * 0.42 * math.sin(2.2) + 0.05 * math.sin(math.pi * s)
            h_open = s * 0.42 * math.cos(2.2) + 0.02
            r = r_closed + (r_open - r_closed) * open_
            h = h_closed + (h_open - h_closed) * open_
            half = 0.14 * math.sin(math.pi * min(1.0, s * 1.1) ** 0.55) * (1 - s) ** 0.5
            a = around + w * half / max(r, 0.05)
            return (r * math.cos(a), r * math.sin(a), h)

        def colour(s, w):
            return mix(SEPAL_LIGHT, SEPAL, abs(w) * 0.7 + 0.2 * s)

        surface(canvas, point, colour, [i / 12 for i in range(13)], [-1, -0.5, 0, 0.5, 1], scale)


def receptacle(canvas, scale):
    """The green hip below the petals."""

    def point(a, b):
        r = 0.13 * math.sin(b)
        return (r * math.cos(a), r * math.sin(a), -0.02 - 0.12 * math.cos(b))

    us = [2 * math.pi * k / 24 for k in range(25)]
    vs = [math.pi * k / 10 for k in range(11)]
    surface(canvas, point, lambda a, b: SEPAL, us, vs, scale)


def frame(openness):
    canvas = Canvas()
    draw_stem_and_leaves(canvas)
    scale = SCALE * (0.72 + 0.28 * smoothstep(openness))
    receptacle(canvas, scale)
    petals(canvas, openness, scale)
    sepals(canvas, openness, scale)
    canvas.outline()
    return canvas.resolve()


# --- colour table ----------------------------------------------------------


def median_cut(colours, count):
    """Splits the weighted colours into count boxes; returns their means."""
    boxes = [list(colours.items())]
    while len(boxes) < count:
        best, best_range, best_ch = None, -1, 0
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for ch in range(3):
                values = [c[ch] for c, _ in box]
                spread = (max(values) - min(values)) * math.log(1 + sum(n for _, n in box))
                if spread > best_range:
                    best, best_range, best_ch = i, spread, ch
        if best is None:
            break
        box = sorted(boxes.pop(best), key=lambda item: item[0][best_ch])
        total = sum(n for _, n in box)
        acc, cut = 0, 1
        for cut in range(1, len(box)):
            acc += box[cut - 1][1]
            if acc * 2 >= total:
                break
        boxes += [box[:cut], box[cut:]]
    means = []
    for box in boxes:
        total = sum(n for _, n in box)
        means.append(
            tuple(int(round(sum(c[ch] * n for c, n in box) / total)) for ch in range(3))
        )
    return means


def nearest(palette, c):
    best, dist = 0, math.inf
    for i, p in enumerate(palette):
        if p is None:
            continue
        d = 2 * (p[0] - c[0]) ** 2 + 4 * (p[1] - c[1]) ** 2 + 3 * (p[2] - c[2]) ** 2
        if d < dist:
            best, dist = i, d
    return best


def quantize(frames):
    counts = {}
    for pixels in frames:
        for c in pixels:
            if c is not None:
                counts[c] = counts.get(c, 0) + 1
    means = median_cut(counts, COLOURS - 1)
    means.sort(key=lambda c: (c[1] > c[0], sum(c)))  # reds first, then greens
    while len(means) < COLOURS - 1:
        means.append((0, 0, 0))
    palette = means[:TRANSPARENT] + [None] + means[TRANSPARENT:]
    cache = {}
    indexed = []
    for pixels in frames:
        row = []
        for c in pixels:
            if c is None:
                row.append(TRANSPARENT)
            else:
                if c not in cache:
                    cache[c] = nearest(palette, c)
                row.append(cache[c])
        indexed.append(row)
    palette[TRANSPARENT] = BACKGROUND
    return palette, indexed


# --- GIF writing -----------------------------------------------------------


def lzw(indices, min_size):
    """GIF's variable-length LZW, starting with a clear code."""
    clear, end = 1 << min_size, (1 << min_size) + 1
    out, bits, nbits = bytearray(), 0, 0

    def emit(code, size):
        nonlocal bits, nbits
        bits |= code << nbits
        nbits += size
        while nbits >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8

    def reset():
        return {(i,): i for i in range(clear)}, end + 1, min_size + 1

    table, next_code, size = reset()
    emit(clear, size)
    word = (indices[0],)
    for k in indices[1:]:
        longer = word + (k,)
        if longer in table:
            word = longer
            continue
        emit(table[word], size)
        if next_code < 4096:
            table[longer] = next_code
            next_code += 1
            # The decoder adds its entry one code later, so widen only once
            # the next code no longer fits.
            if next_code > (1 << size) and size < 12:
                size += 1
        else:
            emit(clear, size)
            table, next_code, size = reset()
        word = (k,)
    emit(table[word], size)
    emit(end, size)
    if nbits:
        out.append(bits & 0xFF)
    return bytes(out)


def sub_blocks(data):
    out = bytearray()
    for i in range(0, len(data), 255):
        chunk = data[i : i + 255]
        out += bytes([len(chunk)]) + chunk
    return bytes(out) + b"\x00"


def gif(palette, frames):
    size_field = COLOURS.bit_length() - 2  # 64 entries: 2 ** (5 + 1)
    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", WIDTH, HEIGHT, 0x80 | (5 << 4) | size_field, TRANSPARENT, 0)
    for c in palette:
        out += bytes(c)
    out += b"\x21\xff\x0bNETSCAPE2.0\x03\x01" + struct.pack("<H", 0) + b"\x00"
    for text in (b"Solvanto 1.0", b"Rose: tools/make_rose.py"):
        out += b"\x21\xfe" + sub_blocks(text)
    for delay, pixels in zip(DELAYS, frames):
        disposal_and_transparency = (2 << 2) | 1
        out += struct.pack("<BBBBHBB", 0x21, 0xF9, 4, disposal_and_transparency, delay,
                           TRANSPARENT, 0)
        out += struct.pack("<BHHHHB", 0x2C, 0, 0, WIDTH, HEIGHT, 0)
        min_size = COLOURS.bit_length() - 1
        out += bytes([min_size]) + sub_blocks(lzw(pixels, min_size))
    out += b"\x3b"
    return bytes(out)


# --- preview ---------------------------------------------------------------


def write_png(path, palette, pixels, zoom):
    rows = bytearray()
    for y in range(HEIGHT * zoom):
        rows.append(0)
        for x in range(WIDTH * zoom):
            rows += bytes(palette[pixels[(y // zoom) * WIDTH + x // zoom]])

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", WIDTH * zoom, HEIGHT * zoom, 8, 2, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(bytes(rows), 9)))
        f.write(chunk(b"IEND", b""))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("output", nargs="?", default=os.path.normpath(os.path.join(here, "..", "assets", "rose.gif")))
    parser.add_argument("--preview", help="directory for enlarged PNG frames")
    args = parser.parse_args()

    frames = [frame(i / (len(DELAYS) - 1)) for i in range(len(DELAYS))]
    palette, indexed = quantize(frames)
    data = gif(palette, indexed)
    with open(args.output, "wb") as f:
        f.write(data)
    print(f"{args.output}: {len(data)} bytes")
    if args.preview:
        os.makedirs(args.preview, exist_ok=True)
        for i, pixels in enumerate(indexed):
            write_png(os.path.join(args.preview, f"frame{i:02}.png"), palette, pixels, 4)


if __name__ == "__main__":
    main()
