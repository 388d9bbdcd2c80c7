"""Hedgehogs, spikes, exploders and their bullets, birds, step smoke."""
import math

import cairo

from .paint import PALETTE, col, glow, mirrored, mix, rgba, rng, shade, smooth_closed, surface

INK = PALETTE["ink"]


def hedgehog(t, walking):
    """Facing right; feet on row 39 of a 48 x 40 picture (hot spot 24, 24)."""
    s, ctx = surface(48, 40)
    ph = t * math.tau
    bob = (-abs(math.sin(ph)) * 1.2) if walking else 0.4 * math.sin(ph)
    sniff = 0 if walking else 1.2 * max(0.0, math.sin(ph * 2))
    cx, cy = 23, 30 + bob
    # legs
    for k, off in enumerate((-7, -2, 4, 8)):
        swing = math.sin(ph * 2 + k * math.pi) * 2.5 if walking else 0
        ctx.move_to(cx + off, cy + 3)
        ctx.line_to(cx + off + swing, 39)
        ctx.set_line_width(2.2)
        rgba(ctx, (0.30, 0.20, 0.16))
        ctx.stroke()
    # spiny coat: a fan of spikes over the back
    spikes = []
    for i in range(15):
        a = math.pi * (1.05 + i / 14.0 * 0.9)
        ln = 11 + (2.5 if i % 2 else 0) + 0.8 * math.sin(ph * 2 + i)
        spikes.append((cx - 1 + math.cos(a) * ln * 1.25, cy + math.sin(a) * ln))
        a2 = a + 0.1
        spikes.append((cx - 1 + math.cos(a2) * 7 * 1.25, cy + math.sin(a2) * 7))
    ctx.move_to(cx - 14, cy + 4)
    for p in spikes:
        ctx.line_to(*p)
    ctx.line_to(cx + 10, cy + 2)
    ctx.close_path()
    g = cairo.LinearGradient(0, cy - 14, 0, cy + 4)
    g.add_color_stop_rgb(0, 0.50, 0.40, 0.34)
    g.add_color_stop_rgb(1, 0.26, 0.18, 0.16)
    ctx.set_source(g)
    ctx.fill_preserve()
    rgba(ctx, INK)
    ctx.set_line_width(0.9)
    ctx.stroke()
    # face and belly
    ctx.save()
    ctx.translate(cx + 9, cy + 0.5 - sniff * 0.3)
    ctx.rotate(0.15 - sniff * 0.05)
    ctx.move_to(-5, -5)
    ctx.curve_to(2, -6, 8, -2, 10 + sniff, 1)
    ctx.curve_to(7, 3, 0, 5, -5, 4)
    ctx.close_path()
    rgba(ctx, (0.83, 0.68, 0.52))
    ctx.fill_preserve()
    rgba(ctx, INK)
    ctx.stroke()
    ctx.arc(10 + sniff, 1, 1.5, 0, math.tau)
    rgba(ctx, (0.12, 0.08, 0.10))
    ctx.fill()
    ctx.arc(3, -2, 1.1, 0, math.tau)
    ctx.fill()
    ctx.restore()
    return s


def spikes(variant):
    """Deadly crystal spikes standing on the floor line (row 19)."""
    r = rng("spikes", variant)
    s, ctx = surface(36, 22)
    glow(ctx, 18, 18, 16, (0.9, 0.2, 0.35), 0.35)
    n = 5 + variant % 2
    for i in range(n):
        x = 3 + i * (30.0 / (n - 1))
        hgt = 10 + r.random() * 8
        lean = (r.random() - 0.5) * 4
        ctx.move_to(x - 3, 20)
        ctx.line_to(x + lean, 20 - hgt)
        ctx.line_to(x + 3, 20)
        ctx.close_path()
        g = cairo.LinearGradient(0, 20 - hgt, 0, 20)
        g.add_color_stop_rgb(0, 1.0, 0.75, 0.8)
        g.add_color_stop_rgb(0.35, 0.85, 0.18, 0.30)
        g.add_color_stop_rgb(1, 0.35, 0.08, 0.22)
        ctx.set_source(g)
        ctx.fill_preserve()
        rgba(ctx, (0.2, 0.04, 0.1))
        ctx.set_line_width(0.8)
        ctx.stroke()
    ctx.rectangle(0, 19, 36, 3)
    rgba(ctx, (0.25, 0.1, 0.18))
    ctx.fill()
    return s


def exploder(kind, t, open_amount, pulse):
    """A spiky pod on the floor; 48 x 48, base on row 40 (hot spot 24, 24)."""
    s, ctx = surface(48, 48)
    cx, base = 24, 40
    body = 8 + 2 * open_amount + 0.8 * pulse
    cy = base - body * 0.8
    hot = (1.0, 0.45, 0.15) if kind == 1 else (0.9, 0.2, 0.5)
    if open_amount > 0:
        glow(ctx, cx, cy, 12 + 10 * open_amount, hot, 0.45 * open_amount + 0.2 * pulse)
    n = 12
    pts = []
    for i in range(n * 2):
        a = math.pi + i / (n * 2 - 1.0) * math.pi
        if i % 2:
            ln = body + (2 + 8 * open_amount) * (1 + 0.15 * pulse)
        else:
            ln = body
        pts.append((cx + math.cos(a) * ln, cy + math.sin(a) * ln * 0.95))
    ctx.move_to(cx - body, base)
    for p in pts:
        ctx.line_to(*p)
    ctx.line_to(cx + body, base)
    ctx.close_path()
    g = cairo.RadialGradient(cx - 3, cy - 4, 1, cx, cy, body + 8)
    g.add_color_stop_rgb(0, *mix(PALETTE["rock_light"], hot, 0.4 * open_amount))
    g.add_color_stop_rgb(1, *PALETTE["rock_dark"])
    ctx.set_source(g)
    ctx.fill_preserve()
    rgba(ctx, INK)
    ctx.set_line_width(1.0)
    ctx.stroke()
    if kind == 1:
        # a glowing eye that opens
        ctx.save()
        ctx.translate(cx, cy + 1)
        ctx.scale(4.0, max(0.3, 3.0 * open_amount))
        ctx.arc(0, 0, 1, 0, math.tau)
        ctx.restore()
        rgba(ctx, (1.0, 0.85 - 0.2 * pulse, 0.4))
        ctx.fill()
    else:
        # jaws: teeth along a mouth that gapes
        gap = 5 * open_amount * (0.6 + 0.4 * pulse)
        ctx.rectangle(cx - 7, cy - gap / 2, 14, gap)
        rgba(ctx, (0.2, 0.02, 0.08))
        ctx.fill()
        for k in range(5):
            x = cx - 6 + k * 3
            ctx.move_to(x, cy - gap / 2)
            ctx.line_to(x + 1.5, cy - gap / 2 + 2.5)
            ctx.line_to(x + 3, cy - gap / 2)
            ctx.move_to(x, cy + gap / 2)
            ctx.line_to(x + 1.5, cy + gap / 2 - 2.5)
            ctx.line_to(x + 3, cy + gap / 2)
            rgba(ctx, (0.95, 0.92, 0.85))
            ctx.fill()
    return s


def bolt():
    s, ctx = surface(24, 12)
    glow(ctx, 14, 6, 9, (1.0, 0.55, 0.2), 0.7)
    ctx.move_to(2, 6)
    ctx.curve_to(8, 3, 16, 3, 20, 6)
    ctx.curve_to(16, 9, 8, 9, 2, 6)
    rgba(ctx, (1.0, 0.9, 0.6))
    ctx.fill()
    return s


def impact(t):
    s, ctx = surface(32, 32)
    r = rng("impact", 0)
    a = max(0.0, 1 - t)
    glow(ctx, 16, 16, 4 + 12 * t, (1.0, 0.55, 0.2), 0.9 * a)
    for k in range(8):
        ang = k * math.tau / 8 + r.random() * 0.4
        d = 3 + 12 * t
        ctx.arc(16 + math.cos(ang) * d, 16 + math.sin(ang) * d, 1.4 * a + 0.2, 0, math.tau)
        rgba(ctx, (1.0, 0.8, 0.5, a))
        ctx.fill()
    return s


def bird(t, flying):
    """Side view facing right, 32 x 32; feet at row 31 (hot spot 16, 31)."""
    s, ctx = surface(32, 32)
    ph = t * math.tau
    body = (0.28, 0.30, 0.48)
    belly = (0.90, 0.62, 0.36)
    cy = 23 if not flying else 20 + math.sin(ph) * 1.0
    peck = 0 if flying else max(0.0, math.sin(ph * 2)) ** 4 * 3
    look = 0 if flying else math.sin(ph) * 0.25
    if not flying:
        for dx in (-1.5, 1.5):
            ctx.move_to(16 + dx, cy + 4)
            ctx.line_to(16 + dx, 31)
            rgba(ctx, (0.35, 0.22, 0.18))
            ctx.set_line_width(1.0)
            ctx.stroke()
    # tail
    ctx.move_to(10, cy)
    ctx.line_to(3, cy - 3 + (0 if flying else 1))
    ctx.line_to(4, cy + 2)
    ctx.close_path()
    rgba(ctx, shade(body, -0.2))
    ctx.fill()
    # body
    ctx.save()
    ctx.translate(16, cy)
    ctx.scale(7, 5)
    ctx.arc(0, 0, 1, 0, math.tau)
    ctx.restore()
    g = cairo.LinearGradient(0, cy - 5, 0, cy + 5)
    g.add_color_stop_rgb(0, *body)
    g.add_color_stop_rgb(0.6, *body)
    g.add_color_stop_rgb(0.61, *belly)
    ctx.set_source(g)
    ctx.fill_preserve()
    rgba(ctx, INK)
    ctx.set_line_width(0.8)
    ctx.stroke()
    # head
    hx, hy = 22 + look * 2, cy - 4 + peck
    ctx.arc(hx, hy, 3.6, 0, math.tau)
    rgba(ctx, body)
    ctx.fill_preserve()
    rgba(ctx, INK)
    ctx.stroke()
    ctx.move_to(hx + 3, hy - 0.8)
    ctx.line_to(hx + 6.5, hy + 0.4)
    ctx.line_to(hx + 3, hy + 1.2)
    rgba(ctx, (0.95, 0.72, 0.25))
    ctx.fill()
    ctx.arc(hx + 1.2, hy - 0.8, 0.9, 0, math.tau)
    rgba(ctx, (1, 1, 1))
    ctx.fill()
    # wing
    up = math.sin(ph) if flying else -0.2
    ctx.move_to(12, cy - 1)
    ctx.curve_to(14, cy - 2 - 9 * up, 20, cy - 3 - 10 * up, 22, cy - 2 - 11 * up)
    ctx.curve_to(19, cy - 1, 16, cy + 1, 12, cy - 1)
    rgba(ctx, shade(body, 0.15))
    ctx.fill_preserve()
    rgba(ctx, INK)
    ctx.stroke()
    return s


def smoke():
    s, ctx = surface(16, 16)
    r = rng("smoke", 0)
    for _ in range(4):
        glow(ctx, 8 + (r.random() - 0.5) * 5, 8 + (r.random() - 0.5) * 4, 5, (0.78, 0.72, 0.66), 0.45)
    return s


def build(cat):
    W = "Walker_105"
    cat.frames(W, 0, 0, [(hedgehog(0, False), (24, 24), (14, 38))])
    for walking, n, d_right, d_left, speed in ((False, 31, 0, 16, 50), (True, 30, 4, 12, 100)):
        right = [hedgehog(i / n, walking) for i in range(n)]
        cat.frames(W, 12, d_right, [(f, (24, 24), (14, 38)) for f in right], speed)
        cat.frames(W, 12, d_left, [(mirrored(f), (24, 24), (34, 38)) for f in right], speed)

    D = "Dangers_106"
    cat.frames(D, 0, 0, [(spikes(9), (18, 16))])
    for k, d in enumerate((0, 6, 11, 16, 22, 27)):
        cat.frames(D, 12, d, [(spikes(k), (18, 16))])

    # Exploders: frame 0 is the sleeping pod; waking plays on from there and
    # then loops its threatening pulse (back-to frame 30).
    E = "Exploder_118"
    cat.frames(E, 0, 0, [(exploder(1, 0, 0, 0), (24, 24))])
    for kind in (1, 2):
        pics = []
        for f in range(70):
            wake = min(1.0, f / 30.0)
            wake = wake * wake * (3 - 2 * wake)
            pulse = 0.5 + 0.5 * math.sin((f - 30) / 40.0 * math.tau * (2 if kind == 1 else 4)) if f >= 30 else 0
            pics.append((exploder(kind, f / 70.0, wake, pulse), (24, 24)))
        cat.frames(E, kind, 0, pics, 100, True, 30)

    B = "Bullet_119"
    cat.frames(B, 0, 0, [(bolt(), (14, 6))])
    cat.frames(B, 12, 0, [(bolt(), (14, 6))])
    cat.frames(B, 13, 0, [(impact(f / 23.0), (16, 16)) for f in range(24)], 100, False)

    F = "Birdfly_125"
    cat.frames(F, 0, 0, [(bird(0, False), (16, 31))])
    cat.frames(F, 1, 0, [(bird(i / 47.0, False), (16, 31)) for i in range(47)], 50)
    cat.frames(F, 2, 0, [(bird(i / 16.0, True), (16, 24)) for i in range(48)], 100)

    M = "StepSmoke_120"
    cat.frames(M, 0, 0, [(smoke(), (8, 8))])
    cat.frames(M, 12, 0, [(smoke(), (8, 8))])
