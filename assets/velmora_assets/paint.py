"""Drawing helpers shared by the art modules: palette, surfaces, shapes."""
import math
import random

import cairo
import numpy as np

# The one palette of the game: dusk-lit caves and woods.
PALETTE = {
    "ink": (0.16, 0.12, 0.26),        # deep violet ink for outlines and menu text
    "night": (0.06, 0.05, 0.11),
    "rock_dark": (0.13, 0.12, 0.24),
    "rock": (0.22, 0.21, 0.36),
    "rock_light": (0.34, 0.33, 0.50),
    "slate": (0.28, 0.31, 0.40),
    "moss": (0.30, 0.46, 0.24),
    "moss_light": (0.52, 0.68, 0.32),
    "grass": (0.40, 0.58, 0.26),
    "root": (0.33, 0.22, 0.20),
    "amber": (0.98, 0.70, 0.30),
    "amber_deep": (0.86, 0.48, 0.16),
    "ochre": (0.80, 0.58, 0.22),
    "ochre_dark": (0.56, 0.37, 0.14),
    "mist": (0.70, 0.80, 0.92),
    "water": (0.24, 0.42, 0.62),
    "cream": (0.97, 0.93, 0.84),
    "paper": (1.0, 1.0, 1.0),
    "blood": (0.78, 0.16, 0.22),
}


def col(name, alpha=1.0):
    r, g, b = PALETTE[name]
    return (r, g, b, alpha)


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(len(a)))


def shade(c, f):
    """Lighter (f > 0) or darker (f < 0) variant of an RGB(A) colour."""
    rgb = [min(1.0, max(0.0, x + (1 - x) * f if f > 0 else x * (1 + f))) for x in c[:3]]
    return tuple(rgb) + tuple(c[3:])


def surface(w, h):
    s = cairo.ImageSurface(cairo.FORMAT_ARGB32, int(w), int(h))
    ctx = cairo.Context(s)
    ctx.set_antialias(cairo.ANTIALIAS_BEST)
    ctx.set_line_join(cairo.LINE_JOIN_ROUND)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    return s, ctx


def rgba(ctx, c):
    if len(c) == 3:
        ctx.set_source_rgb(*c)
    else:
        ctx.set_source_rgba(*c)


def rng(*key):
    """A random generator with a fixed seed derived from a readable key."""
    seed = 0
    for part in key:
        for ch in str(part):
            seed = (seed * 131 + ord(ch)) % 2147483647
    return random.Random(seed)


def glow(ctx, x, y, r, c, alpha=1.0, falloff=(0.0, 0.35, 1.0)):
    g = cairo.RadialGradient(x, y, 0, x, y, r)
    g.add_color_stop_rgba(falloff[0], c[0], c[1], c[2], alpha)
    g.add_color_stop_rgba(falloff[1], c[0], c[1], c[2], alpha * 0.45)
    g.add_color_stop_rgba(falloff[2], c[0], c[1], c[2], 0.0)
    ctx.set_source(g)
    ctx.arc(x, y, r, 0, 2 * math.pi)
    ctx.fill()


def smooth_closed(ctx, pts):
    """A closed Catmull-Rom curve through the points."""
    n = len(pts)
    ctx.move_to(*pts[0])
    for i in range(n):
        p0, p1, p2, p3 = pts[i - 1], pts[i], pts[(i + 1) % n], pts[(i + 2) % n]
        c1 = (p1[0] + (p2[0] - p0[0]) / 6.0, p1[1] + (p2[1] - p0[1]) / 6.0)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6.0, p2[1] - (p3[1] - p1[1]) / 6.0)
        ctx.curve_to(c1[0], c1[1], c2[0], c2[1], p2[0], p2[1])
    ctx.close_path()


def smooth_open(ctx, pts):
    ctx.move_to(*pts[0])
    n = len(pts)
    for i in range(n - 1):
        p0 = pts[max(i - 1, 0)]
        p1, p2 = pts[i], pts[i + 1]
        p3 = pts[min(i + 2, n - 1)]
        c1 = (p1[0] + (p2[0] - p0[0]) / 6.0, p1[1] + (p2[1] - p0[1]) / 6.0)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6.0, p2[1] - (p3[1] - p1[1]) / 6.0)
        ctx.curve_to(c1[0], c1[1], c2[0], c2[1], p2[0], p2[1])


def blob(ctx, x, y, rx, ry, r, bumps=9, rough=0.18):
    pts = []
    phase = r.random() * math.tau
    for i in range(bumps):
        a = phase + i * math.tau / bumps
        k = 1.0 + (r.random() * 2 - 1) * rough
        pts.append((x + math.cos(a) * rx * k, y + math.sin(a) * ry * k))
    smooth_closed(ctx, pts)


def vgrad(ctx, x0, y0, x1, y1, stops):
    g = cairo.LinearGradient(x0, y0, x1, y1)
    for t, c in stops:
        if len(c) == 3:
            g.add_color_stop_rgb(t, *c)
        else:
            g.add_color_stop_rgba(t, *c)
    return g


def value_noise(w, h, cell, seed, periodic=True):
    """Smooth value noise in [0, 1], tiling when periodic."""
    gen = np.random.default_rng(seed)
    gw, gh = max(1, int(math.ceil(w / cell))), max(1, int(math.ceil(h / cell)))
    grid = gen.random((gh + 1, gw + 1))
    if periodic:
        grid[-1, :] = grid[0, :]
        grid[:, -1] = grid[:, 0]
    ys = np.arange(h) / cell
    xs = np.arange(w) / cell
    y0 = np.floor(ys).astype(int)
    x0 = np.floor(xs).astype(int)
    fy = ys - y0
    fx = xs - x0
    fy = fy * fy * (3 - 2 * fy)
    fx = fx * fx * (3 - 2 * fx)
    y1 = np.minimum(y0 + 1, gh)
    x1 = np.minimum(x0 + 1, gw)
    a = grid[y0][:, x0]
    b = grid[y0][:, x1]
    c = grid[y1][:, x0]
    d = grid[y1][:, x1]
    top = a + (b - a) * fx[None, :]
    bot = c + (d - c) * fx[None, :]
    return top + (bot - top) * fy[:, None]


def array_surface(rgba_float):
    """A cairo surface from an (h, w, 4) float array of straight RGBA in [0, 1]."""
    h, w, _ = rgba_float.shape
    a = np.clip(rgba_float[:, :, 3], 0, 1)
    out = np.zeros((h, w, 4), dtype=np.uint8)
    out[:, :, 0] = np.clip(rgba_float[:, :, 2] * a * 255 + 0.5, 0, 255)
    out[:, :, 1] = np.clip(rgba_float[:, :, 1] * a * 255 + 0.5, 0, 255)
    out[:, :, 2] = np.clip(rgba_float[:, :, 0] * a * 255 + 0.5, 0, 255)
    out[:, :, 3] = np.clip(a * 255 + 0.5, 0, 255)
    s = cairo.ImageSurface(cairo.FORMAT_ARGB32, w, h)
    stride = s.get_stride()
    buf = np.frombuffer(s.get_data(), dtype=np.uint8).reshape(h, stride)
    buf[:, : w * 4] = out.reshape(h, w * 4)
    s.mark_dirty()
    return s


def mirrored(src):
    """The picture flipped left to right."""
    w, h = src.get_width(), src.get_height()
    s, ctx = surface(w, h)
    ctx.translate(w, 0)
    ctx.scale(-1, 1)
    ctx.set_source_surface(src, 0, 0)
    ctx.paint()
    return s


def flipped_v(src):
    w, h = src.get_width(), src.get_height()
    s, ctx = surface(w, h)
    ctx.translate(0, h)
    ctx.scale(1, -1)
    ctx.set_source_surface(src, 0, 0)
    ctx.paint()
    return s


def rotated(src, quarter_turns):
    """The picture turned by 90 degrees steps counter-clockwise on screen."""
    w, h = src.get_width(), src.get_height()
    q = quarter_turns % 4
    nw, nh = (w, h) if q % 2 == 0 else (h, w)
    s, ctx = surface(nw, nh)
    ctx.translate(nw / 2.0, nh / 2.0)
    ctx.rotate(-q * math.pi / 2)
    ctx.translate(-w / 2.0, -h / 2.0)
    ctx.set_source_surface(src, 0, 0)
    ctx.paint()
    return s
