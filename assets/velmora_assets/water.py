"""Water: the surface (drawn subtractively), waves, glimmer, bubbles,
the refraction strip and the streams."""
import math

import cairo
import numpy as np

from .paint import array_surface, glow, rgba, rng, surface, value_noise

# What each water type takes away from the light behind it, at the surface
# and in the depth (the subtractive blend multiplies by 1 - colour).
WATER_TYPES = [
    ((0.45, 0.25, 0.05), (0.80, 0.62, 0.35)),   # 1: clear cave water, deep blue
    ((0.45, 0.20, 0.35), (0.85, 0.55, 0.75)),   # 2: mossy pool, green
    ((0.35, 0.30, 0.15), (0.85, 0.78, 0.55)),   # 3: slate water, dark teal
    ((0.20, 0.40, 0.10), (0.55, 0.80, 0.40)),   # 4: dusk water, violet
]


def surface_body(kind):
    """256 x 164: scaled 3.125 times it covers the screen below the surface."""
    top, deep = WATER_TYPES[kind]
    w, h = 256, 164
    y = np.linspace(0, 1, h)[:, None, None]
    n = value_noise(w, h, 16, 40 + kind)[:, :, None]
    c = np.array(top)[None, None, :] + (np.array(deep) - np.array(top))[None, None, :] * (y ** 0.6)
    c = c * (0.92 + 0.16 * n)
    img = np.zeros((h, w, 4))
    img[:, :, :3] = np.clip(c, 0, 1)
    img[:, :, 3] = 1.0
    # a darker line at the very top marks the water level
    img[0:2, :, :3] = np.clip(img[0:2, :, :3] + 0.25, 0, 1)
    return array_surface(img)


def wave(kind):
    """A hump standing on the surface line (bottom row), same look as the water."""
    top, _ = WATER_TYPES[kind]
    s, ctx = surface(64, 32)
    ctx.move_to(0, 32)
    ctx.curve_to(20, 32, 22, 2, 32, 2)
    ctx.curve_to(42, 2, 44, 32, 64, 32)
    ctx.close_path()
    g = cairo.LinearGradient(0, 0, 0, 32)
    g.add_color_stop_rgba(0, top[0] * 0.6, top[1] * 0.6, top[2] * 0.6, 0.7)
    g.add_color_stop_rgba(1, top[0], top[1], top[2], 1.0)
    ctx.set_source(g)
    ctx.fill()
    return s


def glimmer(variant):
    """A strip of light flecks, wider than the screen (1024 x 16)."""
    r = rng("glimmer", variant)
    s, ctx = surface(1024, 16)
    for _ in range(90):
        x = r.random() * 1024
        ln = 4 + r.random() * 22
        y = 2 + r.random() * 10
        g = cairo.LinearGradient(x, 0, x + ln, 0)
        g.add_color_stop_rgba(0, 0.8, 0.9, 1.0, 0)
        g.add_color_stop_rgba(0.5, 0.85, 0.95, 1.0, 0.55 + 0.4 * r.random())
        g.add_color_stop_rgba(1, 0.8, 0.9, 1.0, 0)
        ctx.set_source(g)
        ctx.rectangle(x, y, ln, 1.2 + r.random())
        ctx.fill()
    return s


def bubble(size, alpha):
    s, ctx = surface(12, 12)
    ctx.arc(6, 6, size, 0, math.tau)
    rgba(ctx, (0.7, 0.85, 1.0, 0.25 * alpha))
    ctx.fill_preserve()
    rgba(ctx, (0.85, 0.95, 1.0, 0.8 * alpha))
    ctx.set_line_width(0.9)
    ctx.stroke()
    ctx.arc(6 - size * 0.4, 6 - size * 0.4, size * 0.3, 0, math.tau)
    rgba(ctx, (1, 1, 1, 0.9 * alpha))
    ctx.fill()
    return s


def distortion(phase):
    """Offset texture; its pattern repeats every 16 pixels across (128 px at scale 8)."""
    w, h = 128, 64
    x = np.arange(w)[None, :]
    y = np.arange(h)[:, None]
    a = np.sin((x / 16.0) * math.tau + y / 6.0 + phase)
    b = np.cos((x / 16.0) * math.tau * 2 - y / 9.0 + phase)
    img = np.zeros((h, w, 4))
    img[:, :, 0] = 0.5 + 0.35 * a
    img[:, :, 1] = 0.5 + 0.35 * b
    img[:, :, 2] = 0.5
    img[:, :, 3] = np.clip(y / 8.0, 0, 1) * 0.8
    return array_surface(img)


def current(t, sign):
    """Stream: bright streaks and bubbles drifting sideways (drawn additively)."""
    s, ctx = surface(32, 32)
    r = rng("stream", 0)
    glow(ctx, 16, 16, 16, (0.35, 0.6, 0.9), 0.25)
    for k in range(9):
        y = 3 + r.random() * 26
        ph = r.random()
        ln = 6 + r.random() * 8
        x = ((ph + t * (1 + k % 2)) % 1.0) * 48 - 8
        if sign < 0:
            x = 32 - x
        g = cairo.LinearGradient(x - ln * sign, 0, x, 0)
        g.add_color_stop_rgba(0, 0.7, 0.9, 1.0, 0)
        g.add_color_stop_rgba(1, 0.8, 0.95, 1.0, 0.6)
        ctx.set_source(g)
        ctx.rectangle(min(x, x - ln * sign), y, ln, 1.3)
        ctx.fill()
    return s


def build(cat):
    S = "WaterSurface_94"
    cat.image("WaterSurface_94.0.0.00", surface_body(0), (0, 0), premultiplied=True)
    cat.sequence(S, 0, 1, ["WaterSurface_94.0.0.00"])
    for k in range(1, 4):
        n = cat.image("WaterSurface_94.0.%d.00" % (k + 1), surface_body(k), (0, 0), premultiplied=True)
        cat.sequence(S, 0, k + 1, [n])
    # One wave look per water type (the catalogue counts three; the fourth
    # water type would otherwise borrow the third's colour).
    V = "WaterWave_97"
    for k in range(4):
        n = cat.image("WaterWave_97.0.%d.00" % (k + 1), wave(k), (32, 32), premultiplied=True)
        cat.sequence(V, 0, k + 1, [n])
    G = "WaterSurfaceGlimmer_98"
    for k, d in enumerate((0, 8, 16, 24)):
        cat.frames(G, 0, d, [(glimmer(k), (0, 8))])
    B = "WaterBubble_96"
    cat.frames(B, 0, 0, [(bubble(3, 1), (6, 6))])
    # The drawn bubble moves along the picture's x axis as the hot spot
    # shifts; the game turns the picture to aim the rise.
    rise = []
    for f in range(24):
        size = 2.2 + 1.5 * f / 23.0 + 0.3 * math.sin(f * 1.3)
        rise.append((bubble(size, 1.0 if f < 18 else 1.0 - (f - 18) / 10.0), (6 - f, 6)))
    cat.frames(B, 1, 0, rise, 50, False)
    D = "WaterDistortion_100"
    cat.frames(D, 0, 16, [(distortion(0.0), (0, 0))])
    cat.frames(D, 0, 0, [(distortion(math.pi), (0, 0))])
    R = "Stream_104"
    cat.frames(R, 0, 0, [(current(0, 1), (16, 16))])
    cat.frames(R, 0, 1, [(current(f / 60.0, -1), (16, 16)) for f in range(60)], 90)
    cat.frames(R, 0, 2, [(current(f / 60.0, 1), (16, 16)) for f in range(60)], 90)
