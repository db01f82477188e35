"""Small white glyphs with transparency, written as 8-bit RGBA PNG files.

Shapes are described in continuous pixel coordinates (pixel (i, j) covers
[i, i+1) x [j, j+1)) and rasterised by supersampling, so straight edges on
whole pixels stay crisp and only slanted edges get partial alpha.
"""

import math
import struct
import zlib

SUB = 8  # supersamples per pixel along each axis


# ---- PNG output -----------------------------------------------------------

def _chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def png_bytes(width, height, rgba):
    """rgba: list of rows, each a list of (r, g, b, a) ints 0-255."""
    raw = bytearray()
    for row in rgba:
        raw.append(0)  # filter type None keeps the encoder trivial and deterministic
        for r, g, b, a in row:
            raw += bytes((r, g, b, a))
    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + _chunk(b"IHDR", ihdr)
            + _chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + _chunk(b"IEND", b""))


# ---- shapes: predicates over a point ----------------------------------------

def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def frame(x0, y0, x1, y1, top=1, side=1):
    """Outline of a box; the top edge may be thicker, like a window title bar."""
    outer = rect(x0, y0, x1, y1)
    inner = rect(x0 + side, y0 + top, x1 - side, y1 - side)
    return lambda x, y: outer(x, y) and not inner(x, y)


def segment(ax, ay, bx, by, width):
    """Thick line with round caps."""
    dx, dy = bx - ax, by - ay
    ll = dx * dx + dy * dy
    h2 = (width / 2.0) ** 2

    def inside(x, y):
        t = ((x - ax) * dx + (y - ay) * dy) / ll
        t = 0.0 if t < 0 else 1.0 if t > 1 else t
        px, py = ax + t * dx - x, ay + t * dy - y
        return px * px + py * py <= h2
    return inside


def polygon(points):
    """Even-odd fill of a closed polygon."""
    def inside(x, y):
        res = False
        n = len(points)
        for i in range(n):
            x1, y1 = points[i]
            x2, y2 = points[(i + 1) % n]
            if (y1 > y) != (y2 > y):
                if x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
                    res = not res
        return res
    return inside


def round_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def minus(a, b):
    return lambda x, y: a(x, y) and not b(x, y)


def pixels(points):
    """Exact pixel art: a set of (i, j) pixels."""
    s = set(points)
    return lambda x, y: (int(math.floor(x)), int(math.floor(y))) in s


# ---- rasterising and finishing --------------------------------------------

def coverage(width, height, shape):
    cov = [[0.0] * width for _ in range(height)]
    step = 1.0 / SUB
    offs = [(k + 0.5) * step for k in range(SUB)]
    for j in range(height):
        for i in range(width):
            n = 0
            for oy in offs:
                for ox in offs:
                    if shape(i + ox, j + oy):
                        n += 1
            cov[j][i] = n / float(SUB * SUB)
    return cov


def finish(cov, halo=0.42, top_line=0):
    """White glyph over a soft dark halo so it reads on light and dark photo areas.

    top_line: alpha (0-255) of a faint white line along row 0, the caption
    buttons' top highlight.
    """
    h, w = len(cov), len(cov[0])
    out = []
    for j in range(h):
        row = []
        for i in range(w):
            aw = cov[j][i]
            # halo = 1-pixel dilation of the glyph, diagonals weaker
            d = 0.0
            for dj in (-1, 0, 1):
                for di in (-1, 0, 1):
                    jj, ii = j + dj, i + di
                    if (di or dj) and 0 <= jj < h and 0 <= ii < w:
                        wgt = 1.0 if (di == 0 or dj == 0) else 0.55
                        d = max(d, cov[jj][ii] * wgt)
            ad = d * halo
            if j == 0 and top_line:
                aw = max(aw, top_line / 255.0)
            a = aw + ad * (1.0 - aw)
            if a <= 0.0:
                row.append((0, 0, 0, 0))
                continue
            # straight (not premultiplied) colour of white over near-black
            c = (255.0 * aw + 16.0 * ad * (1.0 - aw)) / a
            v = int(round(c))
            row.append((v, v, v, int(round(a * 255.0))))
        out.append(row)
    return out


def arrow(points_by_row, width, height):
    """Tiny arrows: full-alpha core, softened tips at each row's ends."""
    out = [[(0, 0, 0, 0)] * width for _ in range(height)]
    for (i, j), a in points_by_row.items():
        out[j][i] = (255, 255, 255, a)
    return out


# ---- the image set ----------------------------------------------------------

def make_arrow_up():
    # rows widen by one pixel per side; each row's outer pixels are the
    # partially covered edge of a true triangle
    px = {}
    for r in range(4):
        for i in range(3 - r, 3 + r + 1):
            edge = (i == 3 - r or i == 3 + r) and r > 0
            px[(i, r)] = 150 if edge else 255
    return 7, 4, px


def transpose_px(px):
    return {(j, i): a for (i, j), a in px.items()}


def arrows():
    w, h, up = make_arrow_up()
    down = {(i, h - 1 - j): a for (i, j), a in up.items()}
    left = transpose_px(up)                       # 4 x 7, tip at x = 0
    right = {(h - 1 - i, j): a for (i, j), a in left.items()}
    return {
        "arrow_up.png": (7, 4, arrow(up, 7, 4)),
        "arrow_down.png": (7, 4, arrow(down, 7, 4)),
        "arrow_left.png": (4, 7, arrow(left, 4, 7)),
        "arrow_right.png": (4, 7, arrow(right, 4, 7)),
    }


TOP = 46  # alpha of the caption buttons' top highlight line


def caption_help():
    # rounded speech bubble with a tail at the lower left and a "?" inside
    outer = round_rect(7, 3, 19, 13, 2.5)
    inner = round_rect(8, 4, 18, 12, 1.5)
    bubble = minus(outer, inner)
    tail = polygon([(9.0, 12.0), (9.0, 15.6), (12.6, 12.0)])
    q = pixels([(12, 5), (13, 5), (11, 6), (14, 6), (13, 7), (12, 8), (12, 10)])
    shape = union(bubble, tail, q)
    return 26, 18, finish(coverage(26, 18, shape))


def caption_menu():
    # page with a folded top-right corner and three text lines
    x0, y0, x1, y1, f = 9, 3, 17, 15, 3
    page = polygon([(x0, y0), (x1 - f, y0), (x1, y0 + f), (x1, y1), (x0, y1)])
    inner = polygon([(x0 + 1, y0 + 1), (x1 - f - 0.4, y0 + 1), (x1 - 1, y0 + f + 0.4),
                     (x1 - 1, y1 - 1), (x0 + 1, y1 - 1)])
    fold = union(rect(x1 - f, y0, x1 - f + 1, y0 + f + 1), rect(x1 - f, y0 + f, x1, y0 + f + 1))
    lines = union(rect(11, 8, 15, 9), rect(11, 10, 15, 11), rect(11, 12, 14, 13))
    shape = union(minus(page, inner), fold, lines)
    return 26, 18, finish(coverage(26, 18, shape))


def caption_min():
    shape = rect(8, 11, 18, 13)
    return 26, 18, finish(coverage(26, 18, shape), top_line=TOP)


def caption_max():
    shape = frame(8, 4, 18, 13, top=2)
    return 26, 18, finish(coverage(26, 18, shape), top_line=TOP)


def caption_restore():
    front_box = rect(8, 7, 16, 14)
    front = frame(8, 7, 16, 14, top=2)
    back = minus(frame(11, 4, 19, 11, top=2), front_box)
    return 26, 18, finish(coverage(26, 18, union(front, back)), top_line=TOP)


def caption_close():
    # pixel centres (15.5, 5.5)..(22.5, 12.5): a cross centred on the 38 x 18 box
    w = 1.3
    shape = union(segment(15.5, 5.5, 22.5, 12.5, w), segment(22.5, 5.5, 15.5, 12.5, w))
    return 38, 18, finish(coverage(38, 18, shape), top_line=TOP)


def check():
    shape = union(segment(2.6, 6.4, 5.2, 9.0, 2.0), segment(5.2, 9.0, 10.6, 2.6, 2.0))
    return 13, 12, finish(coverage(13, 12, shape), halo=0.38)


def all_glyphs():
    imgs = dict(arrows())
    imgs["caption_help.png"] = caption_help()
    imgs["caption_menu.png"] = caption_menu()
    imgs["caption_min.png"] = caption_min()
    imgs["caption_max.png"] = caption_max()
    imgs["caption_restore.png"] = caption_restore()
    imgs["caption_close.png"] = caption_close()
    imgs["check.png"] = check()
    return imgs
