"""People_116 and the container displays, ItemContainer_89 boxes.

Each person is one animation (12 to 24) of 73 frames, facing the side the
level gives him (direction 0 only: a person never turns).  The animation is
a gesture that starts and ends in the resting pose, played once at speed 50
and then held; the game shows the last frame until the alchemist walks up.
Pictures are 64 x 64 with the feet on row 63 and the hot spot at (32, 48),
so a person stands on the floor of the cell he is placed in.
"""
import math

import cairo

from . import figure
from .paint import PALETTE, col, glow, mirrored, mix, rgba, rng, shade, surface

FRAMES = 73


def _hat_wide(color):
    def f(ctx, hr, s, lw):
        ctx.save()
        ctx.scale(1, 0.35)
        ctx.arc(0, -hr * 1.6, hr * 1.9, 0, math.tau)
        ctx.restore()
        rgba(ctx, color)
        ctx.fill()
        ctx.move_to(-hr * 0.9, -hr * 0.5)
        ctx.curve_to(-hr * 0.8, -hr * 2.2, hr * 0.8, -hr * 2.2, hr * 0.9, -hr * 0.5)
        ctx.close_path()
        rgba(ctx, shade(color, -0.1))
        ctx.fill()
    return f


def _hair(color, long_hair=False, bun=False):
    def f(ctx, hr, s, lw):
        ctx.arc(0, -hr * 0.1, hr * 1.05, math.pi * 0.95, math.pi * 2.05)
        rgba(ctx, color)
        ctx.fill()
        if long_hair:
            ctx.move_to(-hr * 1.0, -hr * 0.2)
            ctx.curve_to(-hr * 1.5, hr * 1.0, -hr * 1.2, hr * 2.0, -hr * 0.4, hr * 2.2)
            ctx.line_to(-hr * 0.1, hr * 0.6)
            ctx.close_path()
            ctx.fill()
        if bun:
            ctx.arc(-hr * 0.8, -hr * 0.9, hr * 0.55, 0, math.tau)
            ctx.fill()
    return f


def _beard(color, hat=None):
    def f(ctx, hr, s, lw):
        if hat:
            hat(ctx, hr, s, lw)
        ctx.move_to(hr * 0.2, hr * 0.2)
        ctx.curve_to(hr * 1.3, hr * 0.3, hr * 1.0, hr * 2.2, hr * 0.1, hr * 2.0)
        ctx.curve_to(-hr * 0.4, hr * 1.2, -hr * 0.2, hr * 0.5, hr * 0.2, hr * 0.2)
        rgba(ctx, color)
        ctx.fill()
    return f


def _crown(color):
    def f(ctx, hr, s, lw):
        _hair((0.85, 0.85, 0.82))(ctx, hr, s, lw)
        ctx.move_to(-hr * 0.8, -hr * 0.8)
        for k in range(5):
            ctx.line_to(-hr * 0.8 + k * hr * 0.4 + hr * 0.2, -hr * (1.8 if k % 2 == 0 else 1.2))
        ctx.line_to(hr * 0.8, -hr * 0.8)
        ctx.close_path()
        rgba(ctx, color)
        ctx.fill()
    return f


def _staff(ctx, hand, s, p):
    ctx.move_to(hand[0], hand[1] - 14 * s)
    ctx.line_to(hand[0] + 1 * s, hand[1] + 13 * s)
    rgba(ctx, (0.40, 0.27, 0.18))
    ctx.set_line_width(1.6 * s)
    ctx.stroke()
    glow(ctx, hand[0], hand[1] - 15 * s, 4 * s, PALETTE["amber"], 0.9)


def _lantern(ctx, hand, s, p):
    x, y = hand[0], hand[1] + 3 * s
    glow(ctx, x, y, 9 * s, PALETTE["amber"], 0.6)
    ctx.rectangle(x - 2 * s, y - 2.5 * s, 4 * s, 5 * s)
    rgba(ctx, (1.0, 0.85, 0.45))
    ctx.fill_preserve()
    rgba(ctx, PALETTE["ink"])
    ctx.set_line_width(0.8 * s)
    ctx.stroke()


def _book(ctx, hand, s, p):
    ctx.save()
    ctx.translate(hand[0] + 1.5 * s, hand[1])
    ctx.rotate(-0.3)
    ctx.rectangle(-3 * s, -2.2 * s, 6 * s, 4.4 * s)
    ctx.restore()
    rgba(ctx, (0.55, 0.18, 0.22))
    ctx.fill_preserve()
    rgba(ctx, PALETTE["ink"])
    ctx.set_line_width(0.7 * s)
    ctx.stroke()


def _basket(ctx, hand, s, p):
    ctx.save()
    ctx.translate(hand[0], hand[1] + 3 * s)
    ctx.scale(4 * s, 3 * s)
    ctx.arc(0, 0, 1, 0, math.pi)
    ctx.restore()
    ctx.close_path()
    rgba(ctx, (0.70, 0.52, 0.28))
    ctx.fill()
    glow(ctx, hand[0], hand[1] + 1.5 * s, 2 * s, (0.9, 0.3, 0.35), 1.0)


def _flute(ctx, hand, s, p):
    ctx.move_to(hand[0] - 1 * s, hand[1])
    ctx.line_to(hand[0] + 9 * s, hand[1] - 5 * s)
    rgba(ctx, (0.82, 0.72, 0.50))
    ctx.set_line_width(1.2 * s)
    ctx.stroke()


def _env(t, a=0.15, b=0.85):
    """0 at rest, rising to 1 in the middle of the gesture and back."""
    if t <= a or t >= b:
        return 0.0
    u = (t - a) / (b - a)
    return math.sin(u * math.pi) ** 2


def _g_wave(t):
    e = _env(t)
    w = math.sin(t * math.tau * 4) * 0.35 * e
    return dict(front_arm=(0.15 + 2.5 * e + w, 0.25 - 0.6 * e), head=0.1 * e)


def _g_bow(t):
    e = _env(t)
    return dict(lean=0.6 * e, head=0.3 * e, front_arm=(0.15 + 0.5 * e, 0.6 * e), bob=0.4 * e)


def _g_staff(t):
    e = _env(t)
    return dict(front_arm=(0.6 + 1.6 * e, -0.2 - 0.3 * e), head=-0.15 * e, lean=-0.1 * e)


def _g_shrug(t):
    e = _env(t)
    return dict(front_arm=(0.15 + 0.5 * e, 1.3 * e), back_arm=(-0.1 - 0.5 * e, 1.3 * e), head=0.25 * e * math.sin(t * 20))


def _g_nod(t):
    e = _env(t, 0.1, 0.9)
    return dict(head=0.3 * e * (0.5 + 0.5 * math.sin(t * math.tau * 3)))


def _g_clap(t):
    e = _env(t)
    c = (0.5 + 0.5 * math.sin(t * math.tau * 5)) * e
    return dict(front_arm=(0.4 + 0.9 * e, 1.0 * e + 0.3 * c), back_arm=(0.3 + 1.0 * e, 1.0 * e - 0.2 * c))


def _g_point(t):
    e = _env(t)
    return dict(front_arm=(0.15 + 1.45 * e, 0.25 - 0.2 * e), lean=0.08 * e)


def _g_lantern(t):
    e = _env(t)
    return dict(front_arm=(0.3 + 2.2 * e, 0.4 - 0.4 * e), head=-0.2 * e)


def _g_stretch(t):
    e = _env(t)
    return dict(front_arm=(0.15 + 2.9 * e, 0.25 - 0.25 * e), back_arm=(-0.1 + 3.1 * e, 0.2 - 0.2 * e), bob=-0.8 * e)


def _g_dance(t):
    e = _env(t, 0.1, 0.9)
    k = math.sin(t * math.tau * 3)
    return dict(front_leg=(0.05 + 0.5 * k * e, 0.05 + 0.6 * e * max(0, k)),
                back_leg=(-0.05 - 0.5 * k * e, 0.05 + 0.6 * e * max(0, -k)),
                front_arm=(0.15 + 1.8 * e, -0.4 * e), back_arm=(-0.1 + 1.6 * e, -0.4 * e), bob=-1.2 * e * abs(k))


def _g_read(t):
    e = _env(t)
    return dict(front_arm=(0.6 + 0.7 * e, 1.4 - 0.3 * e), head=0.35 * e, lean=0.1 * e)


def _g_scratch(t):
    e = _env(t)
    sc = math.sin(t * math.tau * 6) * 0.15 * e
    return dict(front_arm=(0.15 + 2.8 * e + sc, 0.25 + 1.4 * e), head=0.2 * e)


def _g_flute(t):
    e = _env(t, 0.1, 0.9)
    sway = math.sin(t * math.tau * 2) * 0.12 * e
    return dict(front_arm=(0.15 + 1.2 * e, 0.25 + 0.8 * e), back_arm=(-0.1 + 1.3 * e, 0.2 + 1.2 * e), lean=sway, head=-0.15 * e)


REST_ARMS = dict(front_arm=(0.6, 1.2))  # arms holding something at rest

# animation: (name, look, gesture, facing right, rest overrides)
PEOPLE = {
    12: ("Tamblio", dict(robe=(0.55, 0.30, 0.45), hood=None, head_dress=_hat_wide((0.35, 0.22, 0.40)),
                         scale=1.15, width=1.8, belt=(0.9, 0.75, 0.3)), _g_clap, True),
    13: ("Perrin Oakhurst", dict(robe=(0.36, 0.48, 0.30), short_robe=True, trousers=(0.35, 0.28, 0.22), hem=0.5,
                                 head_dress=_beard((0.55, 0.36, 0.20), _hair((0.55, 0.36, 0.20))), scale=1.25,
                                 width=1.5, front_prop=_basket), _g_point, False),
    14: ("Maren", dict(robe=(0.28, 0.44, 0.62), head_dress=_hair((0.20, 0.14, 0.12), long_hair=True),
                       scale=1.05, width=1.25, hem=0.92), _g_wave, True),
    15: ("Brenna", dict(robe=(0.72, 0.26, 0.22), head_dress=_hair((0.85, 0.42, 0.18), bun=True), scale=1.1,
                        width=1.35, hem=0.88, belt=(0.95, 0.8, 0.5)), _g_dance, False),
    16: ("Sabra", dict(robe=(0.88, 0.78, 0.56), hood=(0.62, 0.38, 0.52), scale=1.0, width=1.3, hem=0.95,
                       front_prop=_lantern), _g_lantern, True),
    17: ("Oswin Harrowgate", dict(robe=(0.25, 0.24, 0.34), head_dress=_beard((0.86, 0.86, 0.84), _hat_wide((0.18, 0.17, 0.26))),
                                  scale=1.3, width=1.4, hem=0.9, front_prop=_staff), _g_staff, False),
    18: ("Corin Maltby", dict(robe=(0.46, 0.30, 0.20), short_robe=True, trousers=(0.22, 0.24, 0.34), hem=0.45,
                              head_dress=_hair((0.30, 0.20, 0.14)), scale=1.2, width=1.55), _g_stretch, True),
    19: ("Tobias Wrenfield", dict(robe=(0.40, 0.42, 0.50), short_robe=True, trousers=(0.28, 0.22, 0.20), hem=0.55,
                                  head_dress=_hair((0.62, 0.62, 0.60)), scale=1.2, width=1.3, front_prop=_book),
          _g_read, True),
    20: ("Calvatoros", dict(robe=(0.20, 0.36, 0.40), hood=(0.16, 0.30, 0.34), scale=1.35, width=1.7, hem=0.95),
         _g_bow, True),
    21: ("Vinderhal", dict(robe=(0.52, 0.16, 0.24), head_dress=_crown((0.95, 0.78, 0.30)), scale=1.25, width=1.6,
                           hem=0.95, belt=(0.95, 0.78, 0.3)), _g_nod, True),
    22: ("Ysolde Marrant", dict(robe=(0.56, 0.48, 0.72), head_dress=_hair((0.16, 0.12, 0.14), long_hair=True),
                                scale=1.15, width=1.25, hem=0.95, front_prop=_flute), _g_flute, True),
    23: ("Merovan", dict(robe=(0.30, 0.30, 0.28), short_robe=True, trousers=(0.40, 0.30, 0.22), hem=0.5,
                         head_dress=_hat_wide((0.48, 0.34, 0.18)), scale=0.95, width=1.6), _g_shrug, True),
    24: ("Ilvaine", dict(robe=(0.20, 0.52, 0.50), hood=None, head_dress=_hair((0.92, 0.90, 0.80), long_hair=True),
                         scale=1.2, width=1.2, hem=0.98), _g_scratch, False),
}


def person(anim, t):
    name, look, gesture, facing_right = PEOPLE[anim]
    look = dict(look)
    look.setdefault("skin", (0.93, 0.76, 0.60) if anim % 3 else (0.62, 0.44, 0.32))
    p = figure.pose(**gesture(t))
    s, ctx = surface(64, 64)
    figure.draw(ctx, 32, 63.6, p, look)
    return s if facing_right else mirrored(s)


def furnace(t):
    s, ctx = surface(48, 48)
    ph = t * math.tau
    ctx.move_to(6, 47)
    ctx.line_to(10, 14)
    ctx.curve_to(14, 4, 34, 4, 38, 14)
    ctx.line_to(42, 47)
    ctx.close_path()
    g = cairo.LinearGradient(0, 8, 0, 47)
    g.add_color_stop_rgb(0, 0.42, 0.36, 0.46)
    g.add_color_stop_rgb(1, 0.22, 0.18, 0.28)
    ctx.set_source(g)
    ctx.fill_preserve()
    rgba(ctx, PALETTE["ink"])
    ctx.set_line_width(1.0)
    ctx.stroke()
    # fire mouth
    flick = 0.5 + 0.5 * math.sin(ph * 3) * math.sin(ph * 5 + 1)
    glow(ctx, 24, 34, 16 + 3 * flick, PALETTE["amber"], 0.7)
    ctx.arc(24, 34, 7, math.pi, 0)
    ctx.line_to(31, 42)
    ctx.line_to(17, 42)
    ctx.close_path()
    rgba(ctx, (0.2, 0.06, 0.04))
    ctx.fill()
    for k in range(4):
        x = 19 + k * 3.4
        hgt = 5 + 3 * math.sin(ph * (2 + k) + k)
        ctx.move_to(x - 2, 42)
        ctx.curve_to(x - 2, 40 - hgt / 2, x + math.sin(ph * 3 + k), 40 - hgt, x, 41 - hgt)
        ctx.curve_to(x + 1, 40 - hgt / 2, x + 2, 40, x + 2, 42)
        rgba(ctx, (1.0, 0.6 + 0.3 * (k % 2), 0.2))
        ctx.fill()
    # chimney smoke
    for k in range(3):
        u = (t + k / 3.0) % 1.0
        glow(ctx, 24 + math.sin(u * 6) * 3, 8 - u * 8, 3 + 3 * u, (0.7, 0.68, 0.72), 0.4 * (1 - u))
    return s


def altar(kind):
    s, ctx = surface(40, 40)
    stone = (0.52, 0.50, 0.62)
    ctx.rectangle(8, 14, 24, 26)
    ctx.rectangle(4, 10, 32, 6)
    g = cairo.LinearGradient(0, 10, 0, 40)
    g.add_color_stop_rgb(0, *stone)
    g.add_color_stop_rgb(1, *shade(stone, -0.45))
    ctx.set_source(g)
    ctx.fill()
    hue = [(0.75, 0.82, 1.0), (1.0, 0.78, 0.35), (0.6, 0.95, 0.85)][kind]
    glow(ctx, 20, 27, 8, hue, 0.9)
    if kind == 0:
        ctx.arc(20, 27, 4.5, 0, math.tau)
        ctx.arc_negative(22, 26, 3.8, math.tau, 0)
    elif kind == 1:
        ctx.arc(20, 27, 3.2, 0, math.tau)
        for k in range(8):
            a = k * math.tau / 8
            ctx.move_to(20 + math.cos(a) * 4, 27 + math.sin(a) * 4)
            ctx.line_to(20 + math.cos(a) * 6.5, 27 + math.sin(a) * 6.5)
    else:
        ctx.move_to(20, 21)
        ctx.curve_to(24, 26, 24, 31, 20, 31)
        ctx.curve_to(16, 31, 16, 26, 20, 21)
    rgba(ctx, hue)
    ctx.set_line_width(1.2)
    ctx.fill_preserve()
    ctx.stroke()
    return s


def chest(kind):
    s, ctx = surface(40, 32)
    wood = (0.50, 0.32, 0.18) if kind == 0 else (0.24, 0.20, 0.26)
    if kind == 0:
        ctx.rectangle(4, 12, 32, 19)
        ctx.move_to(4, 13)
        ctx.curve_to(4, 3, 36, 3, 36, 13)
    else:
        ctx.move_to(10, 31)
        ctx.line_to(4, 16)
        ctx.line_to(12, 6)
        ctx.line_to(28, 6)
        ctx.line_to(36, 16)
        ctx.line_to(30, 31)
        ctx.close_path()
    rgba(ctx, wood)
    ctx.fill_preserve()
    rgba(ctx, PALETTE["ink"])
    ctx.set_line_width(1.0)
    ctx.stroke()
    if kind == 0:
        for x in (10, 30):
            ctx.rectangle(x - 1.5, 6, 3, 25)
            rgba(ctx, (0.78, 0.62, 0.28))
            ctx.fill()
        ctx.rectangle(17, 13, 6, 6)
        ctx.fill()
    else:
        ctx.move_to(20, 10)
        ctx.line_to(20, 26)
        ctx.move_to(15, 15)
        ctx.line_to(25, 15)
        rgba(ctx, (0.70, 0.66, 0.78))
        ctx.set_line_width(1.6)
        ctx.stroke()
    return s


def box(kind):
    s, ctx = surface(40, 32)
    if kind == 0:  # teleportation box: a cabinet with a rune
        ctx.rectangle(6, 2, 28, 29)
        rgba(ctx, (0.30, 0.26, 0.46))
        ctx.fill_preserve()
        rgba(ctx, PALETTE["ink"])
        ctx.stroke()
        glow(ctx, 20, 16, 10, (0.6, 0.5, 1.0), 0.9)
        ctx.arc(20, 16, 5, 0, math.tau)
        rgba(ctx, (0.85, 0.8, 1.0))
        ctx.set_line_width(1.2)
        ctx.stroke()
    else:  # metal box
        ctx.rectangle(5, 10, 30, 21)
        g = cairo.LinearGradient(0, 10, 0, 31)
        g.add_color_stop_rgb(0, 0.72, 0.74, 0.80)
        g.add_color_stop_rgb(1, 0.36, 0.38, 0.46)
        ctx.set_source(g)
        ctx.fill_preserve()
        rgba(ctx, PALETTE["ink"])
        ctx.stroke()
        for x in (9, 31):
            for y in (14, 27):
                ctx.arc(x, y, 1, 0, math.tau)
                rgba(ctx, (0.25, 0.25, 0.3))
                ctx.fill()
    return s


def home(t):
    """The alchemist's hut: a round door with a warm window; smoke drifts."""
    s, ctx = surface(48, 48)
    ctx.move_to(4, 47)
    ctx.line_to(6, 20)
    ctx.line_to(24, 6)
    ctx.line_to(42, 20)
    ctx.line_to(44, 47)
    ctx.close_path()
    rgba(ctx, (0.42, 0.32, 0.30))
    ctx.fill_preserve()
    rgba(ctx, PALETTE["ink"])
    ctx.set_line_width(1.0)
    ctx.stroke()
    ctx.move_to(1, 22)
    ctx.line_to(24, 3)
    ctx.line_to(47, 22)
    rgba(ctx, PALETTE["moss"])
    ctx.set_line_width(3.5)
    ctx.stroke()
    flick = 0.85 + 0.15 * math.sin(t * math.tau * 3)
    glow(ctx, 34, 30, 9 * flick, PALETTE["amber"], 0.8)
    ctx.rectangle(31, 27, 6, 6)
    rgba(ctx, (1.0, 0.82, 0.45))
    ctx.fill()
    ctx.arc(17, 38, 6, math.pi, 0)
    ctx.line_to(23, 47)
    ctx.line_to(11, 47)
    ctx.close_path()
    rgba(ctx, (0.30, 0.18, 0.12))
    ctx.fill()
    for k in range(3):
        u = (t + k / 3.0) % 1.0
        glow(ctx, 36 + math.sin(u * 5) * 3, 10 - u * 10, 2 + 3 * u, (0.75, 0.72, 0.78), 0.35 * (1 - u))
    return s


def rufus(t):
    """Rufus, a sleepy fox-hound curled by the fire; he breathes and wags."""
    s, ctx = surface(48, 32)
    br = math.sin(t * math.tau * 2)
    wag = math.sin(t * math.tau * 6) * (1 if (t * 3) % 1 < 0.5 else 0.2)
    fur = (0.80, 0.46, 0.22)
    ctx.move_to(8, 26)
    ctx.curve_to(2, 24 - wag * 3, 3, 16 - wag * 4, 6, 14 - wag * 5)
    rgba(ctx, fur)
    ctx.set_line_width(3.0)
    ctx.stroke()
    ctx.save()
    ctx.translate(22, 24)
    ctx.scale(14, 7 + 0.6 * br)
    ctx.arc(0, 0, 1, 0, math.tau)
    ctx.restore()
    rgba(ctx, fur)
    ctx.fill_preserve()
    rgba(ctx, PALETTE["ink"])
    ctx.set_line_width(0.9)
    ctx.stroke()
    ctx.arc(36, 22, 5.5, 0, math.tau)
    rgba(ctx, fur)
    ctx.fill_preserve()
    rgba(ctx, PALETTE["ink"])
    ctx.stroke()
    ctx.move_to(33, 18)
    ctx.line_to(35, 12)
    ctx.line_to(38, 17)
    rgba(ctx, shade(fur, -0.2))
    ctx.fill()
    ctx.move_to(40, 23)
    ctx.line_to(43, 24)
    rgba(ctx, PALETTE["ink"])
    ctx.stroke()
    ctx.move_to(36, 21)
    ctx.line_to(38.5, 21)
    ctx.stroke()
    ctx.rectangle(8, 29, 30, 2)
    rgba(ctx, (0, 0, 0, 0.25))
    ctx.fill()
    return s


def fish(t):
    """A fat golden fish turning in a round bowl of water."""
    s, ctx = surface(40, 40)
    ctx.arc(20, 22, 17, 0, math.tau)
    rgba(ctx, (0.45, 0.65, 0.85, 0.35))
    ctx.fill_preserve()
    rgba(ctx, (0.85, 0.92, 1.0, 0.8))
    ctx.set_line_width(1.2)
    ctx.stroke()
    a = t * math.tau
    x = 20 + math.cos(a) * 7
    y = 24 + math.sin(a * 2) * 3
    facing = -1 if math.sin(a) > 0 else 1
    ctx.save()
    ctx.translate(x, y)
    ctx.scale(facing * (0.6 + 0.4 * abs(math.sin(a))), 1)
    ctx.move_to(-6, 0)
    ctx.curve_to(-4, -5, 4, -5, 6, 0)
    ctx.curve_to(4, 5, -4, 5, -6, 0)
    ctx.move_to(-5, 0)
    ctx.line_to(-10, -4 + math.sin(a * 6))
    ctx.line_to(-10, 4 + math.sin(a * 6))
    ctx.close_path()
    rgba(ctx, (0.98, 0.62, 0.22))
    ctx.fill()
    ctx.arc(3.5, -1, 0.9, 0, math.tau)
    rgba(ctx, PALETTE["ink"])
    ctx.fill()
    ctx.restore()
    for k in range(2):
        u = (t * 2 + k * 0.5) % 1.0
        ctx.arc(14 + k * 10, 30 - u * 22, 1.0, 0, math.tau)
        rgba(ctx, (1, 1, 1, 0.7 * (1 - u)))
        ctx.fill()
    return s


def container_box(w, h):
    s, ctx = surface(w, h)
    ctx.rectangle(0, 0, w, h)
    rgba(ctx, col("amber", 0.35))
    ctx.fill()
    return s


def build(cat):
    P = "People_116"
    cat.frames(P, 0, 0, [(person(20, 0.0), (32, 48))])
    for anim in sorted(PEOPLE):
        cat.frames(P, anim, 0, [(person(anim, f / (FRAMES - 1.0)), (32, 48)) for f in range(FRAMES)],
                   50, False, prefix="People_116.%d.%s" % (anim, PEOPLE[anim][0].split()[0].lower()))

    # Displays stand on the floor of their cell: bottom row at y + 15.
    # The action point of an altar is the middle of its top, where the item
    # placed on it is shown.
    C = "ContainerDisplay_84"
    cat.frames(C, 0, 0, [(chest(0), (20, 16))])
    cat.frames(C, 12, 0, [(furnace(f / 48.0), (24, 32)) for f in range(48)], 50)
    cat.frames(C, 13, 0, [(altar(k), (20, 24), (20, 10)) for k in range(3)], 0)
    cat.frames(C, 14, 0, [(chest(k), (20, 16)) for k in range(2)], 0)
    cat.frames(C, 15, 0, [(box(k), (20, 16)) for k in range(2)], 0)
    cat.frames(C, 16, 0, [(home(f / 54.0), (24, 38)) for f in range(54)], 50)
    cat.frames(C, 17, 0, [(rufus(f / 66.0), (24, 16)) for f in range(66)], 50)
    cat.frames(C, 18, 0, [(fish(f / 69.0), (20, 24)) for f in range(69)], 50)

    # ItemContainer_89 is never shown: its picture is the touch area, a
    # 48 x 40 box over the cell, with hot spot and action point at the cell
    # centre (a save at a container comes back to that cell).
    I = "ItemContainer_89"
    cat.frames(I, 0, 0, [(container_box(48, 40), (24, 24), (24, 24))])
    cat.frames(I, 12, 0, [(container_box(56, 44), (28, 28), (28, 28))])
    cat.frames(I, 12, 16, [(container_box(56, 44), (28, 28), (28, 28))])
