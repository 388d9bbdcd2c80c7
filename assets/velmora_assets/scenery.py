"""Plants that sway, lights, fog, fireflies, spore effects and the sky."""
import math

import cairo
import numpy as np

from .paint import PALETTE, array_surface, col, glow, mix, rgba, rng, shade, smooth_open, surface, value_noise


def _blade(ctx, x, base, hgt, lean, width, color):
    ctx.move_to(x - width, base)
    ctx.curve_to(x - width * 0.5, base - hgt * 0.5, x + lean * 0.6, base - hgt * 0.85, x + lean, base - hgt)
    ctx.curve_to(x + lean * 0.5, base - hgt * 0.8, x + width * 0.6, base - hgt * 0.4, x + width, base)
    ctx.close_path()
    rgba(ctx, color)
    ctx.fill()


def plant(kind, variant):
    """Every plant stands on its hot spot at the bottom centre of the picture."""
    r = rng("plant", kind, variant)
    sizes = {"straw": (16, 40), "grass": (24, 24), "reed": (20, 36), "fern": (28, 30),
             "flower": (24, 24), "bulb": (20, 30), "shrub": (28, 28), "tendril": (16, 36),
             "tree": (64, 96)}
    w, h = sizes[kind]
    s, ctx = surface(w, h)
    base = h - 1
    cx = w / 2.0
    green = mix(PALETTE["grass"], PALETTE["moss"], r.random())
    if kind == "straw":
        for i in range(4):
            x = cx + (i - 1.5) * 2
            hgt = 24 + r.random() * 14
            lean = (r.random() - 0.5) * 8
            _blade(ctx, x, base, hgt, lean, 0.9, mix((0.78, 0.66, 0.36), green, 0.3 * r.random()))
        ctx.save()
        ctx.translate(cx + 1, base - 34)
        ctx.scale(1.6, 4)
        ctx.arc(0, 0, 1, 0, math.tau)
        ctx.restore()
        rgba(ctx, (0.72, 0.56, 0.30))
        ctx.fill()
    elif kind == "grass":
        for i in range(10):
            x = cx + (r.random() - 0.5) * 14
            _blade(ctx, x, base, 10 + r.random() * 12, (r.random() - 0.5) * 10, 1.2,
                   shade(green, (r.random() - 0.3) * 0.4))
    elif kind == "reed":
        for i in range(5):
            x = cx + (i - 2) * 2.2
            hgt = 22 + r.random() * 12
            _blade(ctx, x, base, hgt, (r.random() - 0.5) * 5, 1.0, shade(green, -0.1))
            ctx.save()
            ctx.translate(x + 0.5, base - hgt + 6)
            ctx.scale(1.4, 4)
            ctx.arc(0, 0, 1, 0, math.tau)
            ctx.restore()
            rgba(ctx, (0.42, 0.28, 0.20))
            ctx.fill()
    elif kind == "fern":
        for side in (-1, 1):
            for i in range(3):
                ctx.move_to(cx, base)
                tip = (cx + side * (6 + i * 4), base - 24 + i * 6)
                ctx.curve_to(cx, base - 10, tip[0] - side * 4, tip[1], tip[0], tip[1])
                rgba(ctx, shade(green, 0.1 * i))
                ctx.set_line_width(2.2 - 0.4 * i)
                ctx.stroke()
                for k in range(5):
                    t = 0.3 + k * 0.14
                    px = cx + (tip[0] - cx) * t
                    py = base + (tip[1] - base) * t - 3 * math.sin(t * math.pi)
                    ctx.arc(px, py, 1.6, 0, math.tau)
                    rgba(ctx, shade(green, 0.2))
                    ctx.fill()
    elif kind == "flower":
        # a rosette of pale flowers, seen from any side once turned
        for k in range(5):
            a = k * math.tau / 5 + r.random() * 0.3
            x, y = cx + math.cos(a) * 6, 12 + math.sin(a) * 6
            ctx.move_to(cx, 12)
            ctx.line_to(x, y)
            rgba(ctx, green)
            ctx.set_line_width(1.2)
            ctx.stroke()
            hue = (0.55, 0.70, 1.0) if variant % 2 else (0.98, 0.72, 0.45)
            glow(ctx, x, y, 5, hue, 0.5)
            for p in range(5):
                b = p * math.tau / 5
                ctx.arc(x + math.cos(b) * 1.6, y + math.sin(b) * 1.6, 1.2, 0, math.tau)
                rgba(ctx, shade(hue, 0.4))
                ctx.fill()
    elif kind == "bulb":
        ctx.move_to(cx, base)
        ctx.curve_to(cx - 2, base - 10, cx + 3, base - 16, cx, base - 22)
        rgba(ctx, green)
        ctx.set_line_width(1.6)
        ctx.stroke()
        glow(ctx, cx, base - 24, 8, PALETTE["amber"], 0.8)
        ctx.arc(cx, base - 24, 3.2, 0, math.tau)
        rgba(ctx, (1.0, 0.85, 0.55))
        ctx.fill()
        for side in (-1, 1):
            _blade(ctx, cx + side * 2, base, 8, side * 7, 1.5, shade(green, 0.1))
    elif kind == "shrub":
        for k in range(9):
            x = cx + (r.random() - 0.5) * 18
            y = base - 6 - r.random() * 14
            ctx.arc(x, y, 4 + r.random() * 3, 0, math.tau)
            rgba(ctx, shade(green, (r.random() - 0.6) * 0.5))
            ctx.fill()
        ctx.rectangle(cx - 1, base - 6, 2, 6)
        rgba(ctx, PALETTE["root"])
        ctx.fill()
    elif kind == "tendril":
        pts = [(cx, base)]
        for k in range(1, 7):
            pts.append((cx + math.sin(k * 1.1 + variant) * 4, base - k * 5.5))
        smooth_open(ctx, pts)
        rgba(ctx, green)
        ctx.set_line_width(1.4)
        ctx.stroke()
        for k in range(2, 7):
            x, y = pts[k]
            ctx.arc(x + (2 if k % 2 else -2), y, 1.8, 0, math.tau)
            rgba(ctx, shade(green, 0.25))
            ctx.fill()
    else:  # tree
        trunk = (0.30, 0.22, 0.24)
        ctx.move_to(cx - 4, base)
        ctx.curve_to(cx - 3, base - 30, cx - 6, base - 50, cx - 2, base - 62)
        ctx.line_to(cx + 2, base - 62)
        ctx.curve_to(cx + 5, base - 50, cx + 3, base - 30, cx + 5, base)
        ctx.close_path()
        rgba(ctx, trunk)
        ctx.fill()
        for k in range(14):
            x = cx + (r.random() - 0.5) * 46
            y = base - 56 - (r.random() - 0.3) * 34
            rad = 8 + r.random() * 8
            g = cairo.RadialGradient(x - 2, y - 3, 1, x, y, rad)
            g.add_color_stop_rgb(0, *shade(green, 0.15))
            g.add_color_stop_rgb(1, *shade(green, -0.45))
            ctx.set_source(g)
            ctx.arc(x, y, rad, 0, math.tau)
            ctx.fill()
    return s


def light(kind, frame):
    """Soft light sprites, white so that the level's colour can tint them."""
    s, ctx = surface(128, 128)
    c = (1.0, 1.0, 1.0)
    k = 0.7 if frame == 0 else 1.0
    if kind == 1:
        glow(ctx, 64, 64, 62 * k, c, 0.9, (0.0, 0.25, 1.0))
    elif kind == 2:
        glow(ctx, 64, 64, 40 * k, c, 0.8)
        for i in range(10):
            a = i * math.tau / 10
            ctx.save()
            ctx.translate(64, 64)
            ctx.rotate(a)
            g = cairo.LinearGradient(0, 0, 62 * k, 0)
            g.add_color_stop_rgba(0, 1, 1, 1, 0.35)
            g.add_color_stop_rgba(1, 1, 1, 1, 0)
            ctx.set_source(g)
            ctx.move_to(0, -3)
            ctx.line_to(62 * k, 0)
            ctx.line_to(0, 3)
            ctx.fill()
            ctx.restore()
    elif kind == 3:
        ctx.save()
        ctx.translate(64, 64)
        ctx.scale(1.0, 0.45)
        glow(ctx, 0, 0, 62 * k, c, 0.85)
        ctx.restore()
    else:
        g = cairo.RadialGradient(64, 64, 10 * k, 64, 64, 60 * k)
        g.add_color_stop_rgba(0, 1, 1, 1, 0)
        g.add_color_stop_rgba(0.45, 1, 1, 1, 0.55)
        g.add_color_stop_rgba(1, 1, 1, 1, 0)
        ctx.set_source(g)
        ctx.paint()
    return s


def fog(kind, frame):
    """Large soft clouds of mist (256 x 256), white to take the level's tint."""
    w = h = 256
    n = value_noise(w, h, 48, 700 + kind * 10 + frame) * 0.6 + value_noise(w, h, 16, 800 + frame) * 0.4
    yy, xx = np.mgrid[0:h, 0:w]
    d = np.sqrt((xx - 128.0) ** 2 + (yy - 128.0) ** 2) / 128.0
    fall = np.clip(1 - d, 0, 1) ** 1.5
    a = np.clip((n - 0.35) * 1.8, 0, 1) * fall * (0.7 if kind == 5 else 0.5)
    img = np.ones((h, w, 4))
    img[:, :, 3] = a
    return array_surface(img)


def firefly():
    s, ctx = surface(10, 10)
    glow(ctx, 5, 5, 5, (0.85, 1.0, 0.45), 1.0, (0.0, 0.3, 1.0))
    ctx.arc(5, 5, 1.2, 0, math.tau)
    rgba(ctx, (1.0, 1.0, 0.85))
    ctx.fill()
    return s


def spores(t):
    """A puff of glowing spores rising from the ground; the last frame is empty."""
    s, ctx = surface(48, 64)
    r = rng("spores", 0)
    if t >= 1.0:
        return s
    for k in range(14):
        start = r.random() * 0.35
        life = 0.5 + r.random() * 0.4
        u = (t - start) / life
        if 0 <= u <= 1:
            x = 24 + (r.random() - 0.5) * 14 + math.sin(u * 6 + k) * 4
            y = 62 - u * (36 + r.random() * 20)
            a = math.sin(u * math.pi)
            glow(ctx, x, y, 4, PALETTE["amber"] if k % 3 else (0.7, 1.0, 0.6), 0.8 * a)
    return s


def gradient(curved):
    """256 x 256 white sky whose opacity grows downwards; tinted by the level."""
    y = np.linspace(0, 1, 256)[:, None]
    a = (y ** 1.6) if curved else y
    noise = value_noise(256, 256, 2, 909)
    img = np.ones((256, 256, 4))
    img[:, :, 3] = np.clip(a + (noise - 0.5) / 255.0 * 2, 0, 1)
    return array_surface(img)


def dunes():
    """A far panorama of dusk hills for the 'Desert' background (bottom edge on the hot spot)."""
    w, h = 512, 128
    s, ctx = surface(w, h)
    r = rng("dunes", 0)
    layers = [(0.30, (0.36, 0.30, 0.48, 0.9)), (0.50, (0.26, 0.21, 0.38, 0.95)), (0.72, (0.17, 0.14, 0.27, 1.0))]
    for k, (height, c) in enumerate(layers):
        ctx.move_to(0, h)
        pts = []
        for i in range(17):
            x = i * w / 16.0
            y = h * (1 - height) + math.sin(i * 0.9 + k * 2) * 10 + r.random() * 8
            pts.append((x, y))
        ctx.line_to(*pts[0])
        for i in range(1, len(pts)):
            xa, ya = pts[i - 1]
            xb, yb = pts[i]
            ctx.curve_to((xa + xb) / 2, ya, (xa + xb) / 2, yb, xb, yb)
        ctx.line_to(w, h)
        ctx.close_path()
        rgba(ctx, c)
        ctx.fill()
    glow(ctx, 380, 40, 60, PALETTE["amber"], 0.25)
    return s


def build(cat):
    R = "SineRotator_70"
    cat.frames(R, 0, 0, [(plant("grass", 9), (12, 23))])
    kinds = {12: ("straw", 4), 13: ("bulb", 3), 14: ("shrub", 3), 15: ("flower", 4),
             16: ("fern", 3), 17: ("grass", 4), 18: ("reed", 4), 19: ("tendril", 3), 20: ("tree", 3)}
    for anim, (kind, n) in kinds.items():
        for v in range(n):
            pic = plant(kind, v)
            w, h = pic.get_width(), pic.get_height()
            hot = (w // 2, h // 2) if kind == "flower" else (w // 2, h - 1)
            cat.frames(R, anim, v * 32 // n, [(pic, hot)])
    for k, name in enumerate(("Glow1_71", "Glow2_76", "Glow3_77", "Glow4_78")):
        cat.frames(name, 0, 0, [(light(k + 1, f), (64, 64)) for f in range(2)])
    for kind, name in ((5, "Fog5_79"), (6, "Fog6_80")):
        cat.frames(name, 0, 0, [(fog(kind, f), (128, 128)) for f in range(3)])
    cat.frames("Firefly_75", 0, 0, [(firefly(), (5, 5))])
    cat.frames("Firefly_75", 1, 0, [(firefly(), (5, 5))])
    E = "Effect_107"
    cat.frames(E, 0, 0, [(spores(1.0), (24, 63))])
    n = 161
    cat.frames(E, 12, 0, [(spores(f / (n - 1.0)), (24, 63)) for f in range(n)], 100, False)
    A = "AutomaticallyPlacedBackgrounds_99"
    cat.frames(A, 0, 0, [(dunes(), (0, 128))])
    cat.frames(A, 12, 0, [(dunes(), (0, 128))])
    G = "GradientBottom_66"
    cat.frames(G, 0, 0, [(gradient(False), (0, 0))])
    cat.frames(G, 0, 1, [(gradient(True), (0, 0))])
