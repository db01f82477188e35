"""A procedural evening landscape: sky with sun glow and clouds, layered
mountain ridges fading into haze, a tree-lined shore and a lake that mirrors
it all. Every random value comes from an integer hash of (position, seed),
so the same seed always gives the same picture.
"""

import math

W, H = 1024, 640
HORIZON = 448          # first row of water
SUN_X, SUN_Y, SUN_R = 700.0, 322.0, 17.0
SEED = 20240611


def _hash(ix, iy, seed):
    h = (ix * 374761393 + iy * 668265263 + seed * 2246822519) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    h ^= h >> 16
    return h / 4294967296.0


def _smooth(t):
    return t * t * (3.0 - 2.0 * t)


def vnoise1(x, seed):
    ix = math.floor(x)
    t = _smooth(x - ix)
    a, b = _hash(ix, 0, seed), _hash(ix + 1, 0, seed)
    return a + (b - a) * t


def vnoise2(x, y, seed):
    ix, iy = math.floor(x), math.floor(y)
    tx, ty = _smooth(x - ix), _smooth(y - iy)
    a = _hash(ix, iy, seed)
    b = _hash(ix + 1, iy, seed)
    c = _hash(ix, iy + 1, seed)
    d = _hash(ix + 1, iy + 1, seed)
    top = a + (b - a) * tx
    bot = c + (d - c) * tx
    return top + (bot - top) * ty


def fbm1(x, seed, octaves=6, ridged=False):
    s, amp, norm = 0.0, 1.0, 0.0
    for o in range(octaves):
        n = vnoise1(x, seed + o * 101)
        if ridged:
            n = 1.0 - abs(2.0 * n - 1.0)
            n *= n
        s += n * amp
        norm += amp
        amp *= 0.5
        x *= 2.03
    return s / norm


def fbm2(x, y, seed, octaves=5):
    s, amp, norm = 0.0, 1.0, 0.0
    for o in range(octaves):
        s += vnoise2(x, y, seed + o * 131) * amp
        norm += amp
        amp *= 0.5
        x *= 2.01
        y *= 2.01
    return s / norm


def lerp(a, b, t):
    return a + (b - a) * t


def mix(c1, c2, t):
    return (lerp(c1[0], c2[0], t), lerp(c1[1], c2[1], t), lerp(c1[2], c2[2], t))


def clamp01(t):
    return 0.0 if t < 0.0 else 1.0 if t > 1.0 else t


def smoothstep(e0, e1, x):
    return _smooth(clamp01((x - e0) / (e1 - e0)))


# sky colour stops: (row, colour)
SKY = [
    (0, (22, 38, 92)),
    (140, (58, 70, 140)),
    (250, (150, 112, 168)),
    (340, (236, 150, 122)),
    (410, (252, 190, 128)),
    (HORIZON, (255, 214, 150)),
]


def sky_row(y):
    for (y0, c0), (y1, c1) in zip(SKY, SKY[1:]):
        if y <= y1:
            return mix(c0, c1, _smooth((y - y0) / float(y1 - y0)))
    return SKY[-1][1]


def render_clouds():
    """Cloud density on a quarter-resolution grid; sampled bilinearly later."""
    cw, ch = W // 4 + 2, HORIZON // 4 + 2
    grid = []
    for gy in range(ch):
        y = gy * 4.0
        band = smoothstep(40, 130, y) * (1.0 - smoothstep(250, 330, y))
        row = []
        for gx in range(cw):
            x = gx * 4.0
            n = fbm2(x / 260.0, y / 52.0, SEED + 7)
            d = smoothstep(0.50, 0.74, n) * band
            row.append(d)
        grid.append(row)
    return grid


def sample_grid(grid, x, y):
    fx, fy = x / 4.0, y / 4.0
    ix, iy = int(fx), int(fy)
    tx, ty = fx - ix, fy - iy
    r0, r1 = grid[iy], grid[iy + 1]
    top = r0[ix] + (r0[ix + 1] - r0[ix]) * tx
    bot = r1[ix] + (r1[ix + 1] - r1[ix]) * tx
    return top + (bot - top) * ty


class Ridge:
    def __init__(self, base, amp, freq, colour, haze, mist, seed, ridged, light):
        self.base, self.colour, self.haze, self.mist, self.light = base, colour, haze, mist, light
        # the ridges dip into a valley where the sun goes down
        self.profile = [base - amp * fbm1(x * freq, seed, ridged=ridged)
                        * (1.0 - 0.55 * math.exp(-((x - SUN_X) / 170.0) ** 2)) for x in range(W)]


def tree_line(base, seed):
    """Silhouette of conifers along the shore: per column, the top-most tree edge."""
    top = [float(base)] * W
    x = -6.0
    k = 0
    while x < W + 6:
        k += 1
        # groves of tall trees and gaps of low scrub
        grove = smoothstep(0.35, 0.7, fbm1(x / 70.0, seed + 3))
        h = 4.0 + (6.0 + 26.0 * grove) * (0.5 + 0.5 * _hash(k, 1, seed))
        half = 2.2 + h * 0.16
        for xi in range(int(x - half) - 1, int(x + half) + 2):
            if 0 <= xi < W:
                d = abs(xi + 0.5 - x)
                if d < half:
                    # jagged branches: a small saw-tooth down the flanks
                    yt = base - h + d * h / half + 1.5 * abs(math.sin((base - h + d) * 1.7 + k))
                    top[xi] = min(top[xi], yt)
        x += 3.0 + 7.0 * _hash(k, 2, seed)
    return top


def render():
    """Returns rows of (r, g, b) float triples."""
    clouds = render_clouds()
    ridges = [
        Ridge(345, 165, 1 / 260.0, (118, 100, 160), 0.40, 0.30, SEED + 11, True, 0.65),
        Ridge(395, 120, 1 / 180.0, (78, 66, 120), 0.22, 0.40, SEED + 23, True, 0.55),
        Ridge(432, 70, 1 / 140.0, (44, 40, 78), 0.12, 0.45, SEED + 37, False, 0.40),
    ]
    shore = Ridge(HORIZON, 14, 1 / 120.0, (22, 22, 40), 0.05, 0.25, SEED + 41, False, 0.25)
    trees = tree_line(HORIZON - 3, SEED + 53)
    shore.profile = [min(p, t) for p, t in zip(shore.profile, trees)]
    layers = ridges + [shore]
    warm = (255, 176, 110)

    rows = []
    for y in range(HORIZON):
        sky = sky_row(y)
        haze_row = sky_row(min(HORIZON - 1, y + 40))
        row = []
        for x in range(W):
            # sky, sun glow and disc
            dx, dy = x - SUN_X, (y - SUN_Y) * 1.15
            d = math.sqrt(dx * dx + dy * dy)
            g1 = math.exp(-d / 170.0) * 0.55
            g2 = math.exp(-d / 38.0) * 0.65
            r = sky[0] + (255 - sky[0]) * g2 + (warm[0] - sky[0]) * g1
            g = sky[1] + (236 - sky[1]) * g2 + (warm[1] - sky[1]) * g1
            b = sky[2] + (200 - sky[2]) * g2 + (warm[2] - sky[2]) * g1
            disc = clamp01(SUN_R + 0.5 - d)
            if disc > 0.0:
                r, g, b = lerp(r, 255, disc), lerp(g, 246, disc), lerp(b, 226, disc)

            # clouds: dark undersides, lit near the sun
            cd = sample_grid(clouds, x, y)
            if cd > 0.0:
                lit = math.exp(-d / 260.0)
                lower = sample_grid(clouds, x, min(y + 8.0, HORIZON - 1.0))
                shade = clamp01(0.35 + 0.9 * (cd - lower) + 0.5 * lit)
                cc = mix((70, 56, 104), (255, 178, 140), shade)
                a = cd * 0.85
                r, g, b = lerp(r, cc[0], a), lerp(g, cc[1], a), lerp(b, cc[2], a)

            # ridges: the front-most one that reaches this row hides the rest
            for L in reversed(layers):
                p = L.profile[x]
                if y >= p:
                    depth = clamp01((y - p) / max(8.0, L.base - p))
                    base = mix(L.colour, haze_row, L.haze + L.mist * depth * depth)
                    tex = 0.92 + 0.16 * fbm2(x / 9.0, y / 5.0, SEED + 61, 3)
                    rim = math.exp(-(y - p) / 3.5) * L.light * math.exp(-abs(x - SUN_X) / 420.0)
                    r = base[0] * tex + (255 - base[0]) * rim * 0.8
                    g = base[1] * tex + (190 - base[1]) * rim * 0.8
                    b = base[2] * tex + (140 - base[2]) * rim * 0.8
                    break
            row.append((r, g, b))
        rows.append(row)

    # lake: a rippled mirror of the land above, darker and bluer with depth
    water_tint = (18, 30, 58)
    for y in range(HORIZON, H):
        dd = y - HORIZON
        row = []
        for x in range(W):
            amp = 0.8 + dd * 0.05
            wob = vnoise2(x / 40.0, dd / (1.5 + dd * 0.03), SEED + 71) - 0.5
            sx = int(min(W - 1, max(0, x + wob * amp * 4.0)))
            sy = int(min(HORIZON - 1, max(0, 2 * HORIZON - 1 - y + wob * amp * 1.5)))
            c = rows[sy][sx]
            k = 0.80 - 0.25 * (dd / float(H - HORIZON))
            r = c[0] * k + water_tint[0] * (1 - k)
            g = c[1] * k + water_tint[1] * (1 - k)
            b = c[2] * k + water_tint[2] * (1 + 0.2 - k)
            # sun glitter: broken horizontal streaks below the sun
            spread = 10.0 + dd * 0.55
            col = math.exp(-((x - SUN_X) / spread) ** 2)
            if col > 0.01:
                sp = vnoise2(x / 6.0, dd / 1.2, SEED + 83)
                spark = smoothstep(0.55, 0.85, sp) * col * (1.0 - 0.6 * dd / float(H - HORIZON))
                r, g, b = lerp(r, 255, spark), lerp(g, 222, spark), lerp(b, 170, spark)
            # faint ripple lines
            rl = 1.0 + 0.05 * (vnoise2(x / 70.0, dd / 1.3, SEED + 89) - 0.5)
            row.append((r * rl, g * rl, b * rl))
        rows.append(row)
    return rows


def to_ppm(rows):
    out = bytearray(b"P6\n%d %d\n255\n" % (W, H))
    cx, cy = W / 2.0, H / 2.0
    for y, row in enumerate(rows):
        for x, (r, g, b) in enumerate(row):
            # gentle vignette and film grain
            vx, vy = (x - cx) / cx, (y - cy) / cy
            v = 1.0 - 0.18 * (vx * vx + vy * vy)
            n = (_hash(x, y, SEED + 97) + _hash(x, y, SEED + 98) - 1.0) * 7.0
            for c in (r, g, b):
                c = c * v + n
                out.append(0 if c < 0 else 255 if c > 255 else int(c + 0.5))
    return bytes(out)
