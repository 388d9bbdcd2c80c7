"""The item interface, speech bubble, interaction lights, savepoints,
teleporter, faders of the gameplay frame, and the empty item slot."""
import math

import cairo

from .paint import PALETTE, col, glow, rgba, rng, shade, surface
from . import textfont

PLATE = (0.12, 0.10, 0.20, 0.86)
EDGE = (0.80, 0.66, 0.40, 0.9)


def rounded(ctx, x, y, w, h, r):
    ctx.new_sub_path()
    ctx.arc(x + w - r, y + r, r, -math.pi / 2, 0)
    ctx.arc(x + w - r, y + h - r, r, 0, math.pi / 2)
    ctx.arc(x + r, y + h - r, r, math.pi / 2, math.pi)
    ctx.arc(x + r, y + r, r, math.pi, 1.5 * math.pi)
    ctx.close_path()


def plate(w, h, fill=PLATE, edge=EDGE, radius=6):
    s, ctx = surface(w, h)
    rounded(ctx, 1, 1, w - 2, h - 2, radius)
    g = cairo.LinearGradient(0, 0, 0, h)
    g.add_color_stop_rgba(0, *shade(fill[:3], 0.12), fill[3])
    g.add_color_stop_rgba(1, *fill)
    ctx.set_source(g)
    ctx.fill_preserve()
    rgba(ctx, edge)
    ctx.set_line_width(1.2)
    ctx.stroke()
    return s, ctx


def rows(w):
    """Fifteen item rows, 24 pixels apart; the last row starts at y 336."""
    s, ctx = plate(w, 360)
    for r in range(15):
        rounded(ctx, 3, r * 24 + 2, w - 6, 20, 4)
        rgba(ctx, (1, 1, 1, 0.05 if r % 2 else 0.09))
        ctx.fill()
    return s


def title_plate(reacting=None):
    s, ctx = plate(180, 34)
    if reacting is not None:
        # bubbles rise through the plate while a reaction runs
        r = rng("react", 0)
        glow(ctx, 160, 17, 20, PALETTE["amber"], 0.5 + 0.3 * math.sin(reacting * math.tau))
        for k in range(6):
            u = (reacting + k / 6.0) % 1.0
            x = 148 + r.random() * 24 + math.sin(u * 8 + k) * 2
            ctx.arc(x, 30 - u * 26, 1.5 + u, 0, math.tau)
            rgba(ctx, (1.0, 0.85, 0.5, 0.9 * (1 - u)))
            ctx.fill()
    else:
        ctx.arc(164, 17, 6, 0, math.tau)
        rgba(ctx, col("amber", 0.7))
        ctx.set_line_width(1.5)
        ctx.stroke()
    return s


def marker(state, toward_left):
    s, ctx = surface(180, 24)
    c = {0: (0.80, 0.80, 0.90), 1: (0.98, 0.78, 0.35), 2: (0.92, 0.30, 0.32)}[state]
    rounded(ctx, 1, 1, 178, 22, 5)
    rgba(ctx, c + (0.18,))
    ctx.fill_preserve()
    rgba(ctx, c + (0.95,))
    ctx.set_line_width(1.6)
    ctx.stroke()
    if state:
        # an arrow pointing where the item would go
        x = 172 if not toward_left else 8
        d = 1 if not toward_left else -1
        ctx.move_to(x - 5 * d, 6)
        ctx.line_to(x, 12)
        ctx.line_to(x - 5 * d, 18)
        rgba(ctx, c)
        ctx.set_line_width(2.0)
        ctx.stroke()
        if state == 2:
            ctx.move_to(x - 10 * d - 3, 8)
            ctx.line_to(x - 10 * d + 3, 16)
            ctx.move_to(x - 10 * d + 3, 8)
            ctx.line_to(x - 10 * d - 3, 16)
            ctx.stroke()
    return s


def equipped():
    s, ctx = surface(20, 24)
    glow(ctx, 10, 12, 9, PALETTE["amber"], 0.6)
    ctx.move_to(10, 5)
    ctx.line_to(15, 12)
    ctx.line_to(10, 19)
    ctx.line_to(5, 12)
    ctx.close_path()
    rgba(ctx, (1.0, 0.85, 0.45))
    ctx.fill_preserve()
    rgba(ctx, PALETTE["ink"])
    ctx.set_line_width(1.0)
    ctx.stroke()
    return s


def speech_bubble():
    """192 x 142: body 0..128, tail down to the speaker; text box from (10, 9)."""
    s, ctx = surface(192, 142)
    rounded(ctx, 2, 2, 188, 124, 14)
    ctx.move_to(84, 124)
    ctx.line_to(96, 140)
    ctx.line_to(108, 124)
    g = cairo.LinearGradient(0, 0, 0, 140)
    g.add_color_stop_rgba(0, 0.20, 0.17, 0.32, 0.92)
    g.add_color_stop_rgba(1, 0.11, 0.09, 0.19, 0.92)
    ctx.set_source(g)
    ctx.fill()
    rounded(ctx, 2, 2, 188, 124, 14)
    rgba(ctx, EDGE)
    ctx.set_line_width(1.4)
    ctx.stroke()
    # outline the tail too, leaving the body's edge open where they join
    ctx.move_to(85, 125.5)
    ctx.line_to(96, 140)
    ctx.line_to(107, 125.5)
    ctx.stroke()
    ctx.rectangle(86, 124, 20, 2.5)
    g2 = cairo.LinearGradient(0, 0, 0, 140)
    g2.add_color_stop_rgba(0, 0.20, 0.17, 0.32, 0.92)
    g2.add_color_stop_rgba(1, 0.11, 0.09, 0.19, 0.92)
    ctx.set_source(g2)
    ctx.fill()
    return s


def blank_item():
    s, ctx = surface(24, 24)
    rounded(ctx, 2, 2, 20, 20, 4)
    rgba(ctx, (1, 1, 1, 0.06))
    ctx.fill_preserve()
    ctx.set_dash([2, 2])
    rgba(ctx, (0.85, 0.78, 0.62, 0.45))
    ctx.set_line_width(1.0)
    ctx.stroke()
    return s


def interaction_light(kind):
    s, ctx = surface(48, 48)
    if kind == 0:
        glow(ctx, 24, 24, 10, PALETTE["amber"], 0.4)
    elif kind == 1:
        glow(ctx, 24, 24, 20, PALETTE["amber"], 0.8)
        ctx.arc(24, 24, 3, 0, math.tau)
        rgba(ctx, (1.0, 0.92, 0.7))
        ctx.fill()
    else:
        glow(ctx, 24, 24, 22, PALETTE["amber"], 0.7)
        for k in range(6):
            a = k * math.tau / 6
            ctx.arc(24, 24, 16, a, a + 0.6)
            rgba(ctx, (1.0, 0.85, 0.5, 0.95))
            ctx.set_line_width(2.0)
            ctx.stroke()
    return s


def disc(r, c):
    s, ctx = surface(2 * r, 2 * r)
    ctx.arc(r, r, r, 0, math.tau)
    rgba(ctx, c)
    ctx.fill()
    return s


def teleporter():
    s, ctx = surface(40, 40)
    glow(ctx, 20, 20, 20, (0.6, 0.5, 1.0), 0.9)
    for k in range(3):
        ctx.arc(20, 20, 6 + k * 5, k, k + 4.2)
        rgba(ctx, (0.85, 0.8, 1.0, 0.9 - k * 0.2))
        ctx.set_line_width(1.6)
        ctx.stroke()
    return s


def fader(c):
    s, ctx = surface(32, 32)
    rgba(ctx, c)
    ctx.paint()
    return s


def curtain(frame):
    """One row of the death curtain: 800 x 32, dripping at its lower edge."""
    r = rng("curtain", 0)
    s, ctx = surface(800, 32)
    ctx.move_to(0, 0)
    ctx.line_to(800, 0)
    ctx.line_to(800, 20)
    x = 800
    while x > 0:
        w = 10 + r.random() * 30
        d = 20 + r.random() * 10 + (frame * 2 if r.random() < 0.4 else 0)
        ctx.curve_to(x - w * 0.2, 20, x - w * 0.4, min(31, d), x - w / 2, min(31, d))
        ctx.curve_to(x - w * 0.6, min(31, d), x - w * 0.8, 20, x - w, 20)
        x -= w
    ctx.close_path()
    rgba(ctx, (0.10, 0.03, 0.08))
    ctx.fill()
    return s


def build(cat):
    cat.frames("PlayerItemsBackground_101", 0, 0, [(title_plate(), (0, 0))])
    cb = "ContainerItemsBackground_102"
    cat.frames(cb, 0, 0, [(title_plate(), (0, 0))])
    cat.frames(cb, 0, 16, [(title_plate(f / 18.0), (0, 0)) for f in range(18)], 75)
    cat.frames("PlayerItemBackground_88", 0, 0, [(rows(180), (0, 0), (0, 336))])
    cat.frames("ContainerItemBackground_91", 0, 0, [(rows(180), (0, 0), (0, 336))])
    cat.frames("ItemMarker_92", 0, 0, [(marker(0, False), (0, 0))])
    for anim in (1, 2):
        cat.frames("ItemMarker_92", anim, 0, [(marker(anim, False), (0, 0))])
        cat.frames("ItemMarker_92", anim, 16, [(marker(anim, True), (0, 0))])
    cat.frames("Equipped_93", 0, 0, [(equipped(), (0, 0))])
    s, _ = plate(357, 24, fill=(0.30, 0.08, 0.12, 0.9))
    cat.frames("BlockedTransferBackground_114", 0, 0, [(s, (0, 0))])
    s, _ = plate(226, 80)
    cat.frames("UsageInfoBackground_130", 0, 0, [(s, (6, 40))])
    cat.frames("SpeechBubbleBackground_117", 0, 0, [(speech_bubble(), (0, 0), (10, 9))])
    il = "PlayerInteractionLight_108"
    for k in range(3):
        cat.frames(il, 0, k, [(interaction_light(k), (24, 24))])
    cat.frames("WinSprite_126", 0, 0, [(disc(20, (1.0, 0.9, 0.5, 0.9)), (20, 20))])
    cat.frames("HiddenSavepoint_129", 0, 0, [(disc(16, (0.5, 0.9, 0.6, 0.9)), (16, 16))])
    cat.frames("Teleporter_133", 0, 1, [(teleporter(), (20, 20))])
    cat.frames("DropRow_131", 0, 0, [(curtain(0), (0, 0))])
    cat.frames("DropRow_131", 0, 1, [(curtain(f + 1), (0, 0)) for f in range(2)], 50)
    dark = (0.05, 0.03, 0.08, 1.0)
    for name, d0, d1 in (("DeathFader_132", (0.25, 0.02, 0.06, 1.0), dark),
                         ("WinFader_127", dark, (1.0, 1.0, 1.0, 1.0))):
        cat.frames(name, 0, 0, [(fader(d0), (0, 0))])
        cat.frames(name, 0, 1, [(fader(d1), (0, 0))])
    return blank_item()
