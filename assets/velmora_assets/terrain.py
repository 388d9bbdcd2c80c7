"""The painters of the level generator and the terrain decorations.

TilePaster_67 pastes what is seen, ObstacleTilePaster_81 what is solid; the
screen is built from 32-pixel tiles.  Rock tiles are 36 x 36 with the hot
spot at the centre: the 2-pixel margin carries the irregular rim, so rock
meets air with a ragged edge while the masks stay exact 32-pixel cells.
"""
import math

import cairo
import numpy as np

from .paint import (PALETTE, array_surface, blob, col, glow, mirrored, mix, rgba, rng, rotated,
                    shade, smooth_closed, smooth_open, surface, value_noise)

TILE = 32


def _rock_texture(size, seed, base=None):
    base = np.array(base or PALETTE["rock"])
    n1 = value_noise(size, size, 9, seed)
    n2 = value_noise(size, size, 4, seed + 1)
    n = 0.5 + 0.6 * (0.65 * n1 + 0.35 * n2 - 0.5)
    dark = np.array(PALETTE["rock_dark"])
    light = np.array(PALETTE["slate"])
    t = n[:, :, None]
    c = dark + (base - dark) * np.clip(t * 1.6, 0, 1) + (light - base) * np.clip(t * 2 - 1.1, 0, 1)
    img = np.concatenate([c, np.ones((size, size, 1))], axis=2)
    return img


def rock_tile(variant):
    r = rng("rock", variant)
    size = 36
    img = _rock_texture(size, 100 + variant)
    s = array_surface(img)
    out, ctx = surface(size, size)
    # ragged rim: the tile is the cell plus up to two pixels of crumbling edge
    pts = []
    for side in range(4):
        for k in range(6):
            u = 2 + k * 32 / 6.0
            d = 2 - r.random() * 2.2
            if side == 0:
                pts.append((u, d))
            elif side == 1:
                pts.append((size - d, u))
            elif side == 2:
                pts.append((size - u, size - d))
            else:
                pts.append((d, size - u))
    smooth_closed(ctx, pts)
    ctx.set_source_surface(s, 0, 0)
    ctx.fill()
    # one or two embedded stones, kept clear of the cell edges so that
    # neighbouring tiles join without a visible grid
    for _ in range(1 + variant % 2):
        x, y = 10 + r.random() * 16, 10 + r.random() * 16
        blob(ctx, x, y, 2.5 + r.random() * 2.5, 1.8 + r.random() * 1.5, r, 7, 0.25)
        rgba(ctx, mix(PALETTE["rock_light"], PALETTE["slate"], r.random()) + (0.35,))
        ctx.fill_preserve()
        rgba(ctx, col("rock_dark", 0.35))
        ctx.set_line_width(0.7)
        ctx.stroke()
    ctx.move_to(6 + r.random() * 8, 6 + r.random() * 20)
    for _ in range(3):
        ctx.rel_line_to(3 + r.random() * 5, r.random() * 6 - 3)
    rgba(ctx, col("rock_dark", 0.7))
    ctx.set_line_width(0.7)
    ctx.stroke()
    # cool highlight in one corner to keep the dusk light
    return out


def grass_top(variant):
    """Grass and moss along the top of rock; soil line 6 px under the hot spot."""
    r = rng("grass", variant)
    w, h = 48, 30
    s, ctx = surface(w, h)
    soil = 22
    # moss cushion over the rim
    pts = [(2, soil + 2)]
    for i in range(9):
        pts.append((4 + i * 5, soil - 2 - r.random() * 3))
    pts.append((46, soil + 2))
    pts += [(40, soil + 6 + r.random() * 2), (24, soil + 7), (8, soil + 5 + r.random() * 2)]
    smooth_closed(ctx, pts)
    ctx.set_source(_vertical(soil - 5, soil + 7, PALETTE["moss_light"], PALETTE["moss"]))
    ctx.fill()
    for i in range(22):
        x = 4 + r.random() * 40
        hgt = 6 + r.random() * (14 if variant % 2 == 0 else 10)
        lean = (r.random() - 0.5) * 8
        ctx.move_to(x - 1.2, soil)
        ctx.curve_to(x, soil - hgt * 0.5, x + lean * 0.5, soil - hgt * 0.8, x + lean, soil - hgt)
        ctx.curve_to(x + lean * 0.4, soil - hgt * 0.7, x + 1.2, soil - hgt * 0.4, x + 1.2, soil)
        ctx.close_path()
        c = mix(PALETTE["grass"], PALETTE["moss_light"], r.random())
        rgba(ctx, shade(c, (r.random() - 0.5) * 0.3))
        ctx.fill()
    if variant % 2 == 1:
        for _ in range(3):  # small amber flowers
            x, y = 8 + r.random() * 32, soil - 6 - r.random() * 6
            glow(ctx, x, y, 3.5, PALETTE["amber"], 0.5)
            ctx.arc(x, y, 1.1, 0, math.tau)
            rgba(ctx, col("amber"))
            ctx.fill()
    return s, (24, soil - 6)


def roots_below(variant):
    """Roots, moss and drips hanging under rock; rim 6 px above the hot spot."""
    r = rng("roots", variant)
    w, h = 48, 34
    s, ctx = surface(w, h)
    rim = 2
    pts = [(2, rim - 2), (46, rim - 2)]
    for i in range(9, -1, -1):
        pts.append((4 + i * 4.4, rim + 2 + r.random() * 4))
    smooth_closed(ctx, pts)
    rgba(ctx, col("moss", 0.95))
    ctx.fill()
    for i in range(6):
        x = 5 + r.random() * 38
        length = 10 + r.random() * 20
        pts = [(x, rim)]
        for k in range(1, 5):
            pts.append((x + math.sin(k * 1.3 + r.random() * 2) * 2.5, rim + length * k / 4))
        smooth_open(ctx, pts)
        ctx.set_line_width(2.0 - i * 0.2)
        rgba(ctx, shade(PALETTE["root"], 0.1 * (r.random() - 0.5)))
        ctx.stroke()
    for _ in range(2):
        x, y = 8 + r.random() * 32, rim + 8 + r.random() * 18
        ctx.move_to(x, y - 2.5)
        ctx.curve_to(x + 1.6, y, x + 1.6, y + 1.8, x, y + 1.8)
        ctx.curve_to(x - 1.6, y + 1.8, x - 1.6, y, x, y - 2.5)
        rgba(ctx, col("mist", 0.75))
        ctx.fill()
    return s, (24, rim + 6)


def _vertical(y0, y1, c0, c1):
    g = cairo.LinearGradient(0, y0, 0, y1)
    g.add_color_stop_rgb(0, *c0[:3])
    g.add_color_stop_rgb(1, *c1[:3])
    return g


def back_wall(variant, tone=0.0):
    """A 32 x 32 cave back-wall tile: dim, soft, clearly behind the rock."""
    img = _rock_texture(TILE, 300 + variant, PALETTE["rock_dark"])
    img[:, :, :3] = img[:, :, :3] * (0.85 + tone)
    return array_surface(img)


def back_detail(variant):
    """Cracks, lichen and crystals laid over a back wall (four kinds)."""
    r = rng("detail", variant)
    s, ctx = surface(TILE, TILE)
    if variant == 0:
        for _ in range(4):
            x, y = r.random() * 32, r.random() * 32
            glow(ctx, x, y, 4, PALETTE["moss_light"], 0.35)
    elif variant == 1:
        ctx.move_to(4, 6)
        for _ in range(5):
            ctx.rel_line_to(5, r.random() * 8 - 2)
        rgba(ctx, col("night", 0.6))
        ctx.set_line_width(1.0)
        ctx.stroke()
    elif variant == 2:
        for k in range(3):
            x = 10 + k * 6
            ctx.move_to(x, 28)
            ctx.line_to(x + 2, 14 + r.random() * 6)
            ctx.line_to(x + 4, 28)
            ctx.close_path()
            rgba(ctx, (0.55, 0.62, 0.95, 0.55))
            ctx.fill()
        glow(ctx, 16, 22, 12, (0.5, 0.6, 1.0), 0.25)
    else:
        for _ in range(6):
            x, y = r.random() * 32, r.random() * 32
            ctx.arc(x, y, 0.8 + r.random(), 0, math.tau)
            rgba(ctx, (0.8, 0.7, 0.5, 0.4))
            ctx.fill()
    return s


def back_edge():
    """Where a back wall ends on its left: the wall fades into open air."""
    s, ctx = surface(TILE, TILE)
    img = back_wall(7)
    g = cairo.LinearGradient(0, 0, 20, 0)
    g.add_color_stop_rgba(0, 0, 0, 0, 0)
    g.add_color_stop_rgba(1, 0, 0, 0, 1)
    ctx.set_source_surface(img, 0, 0)
    ctx.mask(g)
    return s


def masonry(shape):
    """Built stone for H: 'full', or a ramp 'rise_right' / 'rise_left'."""
    s, ctx = surface(TILE, TILE)
    if shape == "full":
        ctx.rectangle(0, 0, 32, 32)
    elif shape == "rise_right":  # solid lower right, like obstacle 12
        ctx.move_to(32, 0)
        ctx.line_to(32, 32)
        ctx.line_to(0, 32)
        ctx.close_path()
    else:  # solid lower left, like obstacle 4
        ctx.move_to(0, 0)
        ctx.line_to(32, 32)
        ctx.line_to(0, 32)
        ctx.close_path()
    ctx.save()
    ctx.clip()
    rgba(ctx, (0.36, 0.30, 0.40))
    ctx.paint()
    for row in range(4):
        y = row * 8
        off = 8 if row % 2 else 0
        for k in range(-1, 3):
            x = off + k * 16
            ctx.rectangle(x + 0.8, y + 0.8, 14.4, 6.4)
            rgba(ctx, shade((0.46, 0.40, 0.50), (((row * 7 + k * 3) % 5) - 2) * 0.05))
            ctx.fill()
    glow(ctx, 8, 4, 20, PALETTE["amber"], 0.12)
    ctx.restore()
    return s


def back_foliage(variant):
    """h: hanging leaves over the dark, four orientations of one motif."""
    r = rng("foliage", 0)
    s, ctx = surface(TILE, TILE)
    for _ in range(7):
        x, y = r.random() * 32, r.random() * 24
        ctx.save()
        ctx.translate(x, y)
        ctx.rotate(r.random() * 0.8 + 1.2)
        ctx.scale(5, 2.2)
        ctx.arc(0, 0, 1, 0, math.tau)
        ctx.restore()
        rgba(ctx, mix((0.16, 0.25, 0.22), (0.22, 0.32, 0.26), r.random()) + (0.85,))
        ctx.fill()
    s = rotated(s, variant)
    return s


def crystal(variant):
    """©: eight glowing clusters of crystals and mushrooms on the back wall."""
    r = rng("crystal", variant)
    s, ctx = surface(TILE, TILE)
    warm = variant % 2 == 0
    hue = PALETTE["amber"] if warm else (0.55, 0.75, 1.0)
    glow(ctx, 16, 22, 16, hue, 0.35)
    if variant < 4:
        for k in range(3 + variant % 2):
            x = 8 + k * 5 + r.random() * 2
            hgt = 8 + r.random() * 10
            ctx.move_to(x - 2.5, 30)
            ctx.line_to(x - 0.5, 30 - hgt)
            ctx.line_to(x + 1.5, 30 - hgt + 2)
            ctx.line_to(x + 2.5, 30)
            ctx.close_path()
            rgba(ctx, hue + (0.85,))
            ctx.fill_preserve()
            rgba(ctx, (1, 1, 1, 0.5))
            ctx.set_line_width(0.6)
            ctx.stroke()
    else:
        for k in range(3):
            x, y = 8 + k * 8 + r.random() * 2, 30 - k % 2 * 3
            ctx.move_to(x, y)
            ctx.line_to(x, y - 7 - r.random() * 5)
            rgba(ctx, (0.85, 0.8, 0.7))
            ctx.set_line_width(1.6)
            ctx.stroke()
            ctx.save()
            ctx.translate(x, y - 10)
            ctx.scale(4.5, 2.6)
            ctx.arc(0, 0, 1, math.pi, 2 * math.pi)
            ctx.restore()
            ctx.close_path()
            rgba(ctx, hue + (0.95,))
            ctx.fill()
    return s


def obstacle(shape):
    s, ctx = surface(TILE, TILE)
    # exact shapes, no antialiasing: the masks are what the feet stand on
    ctx.set_antialias(cairo.ANTIALIAS_NONE)
    corners = {
        "full": [(0, 0), (32, 0), (32, 32), (0, 32)],
        4: [(0, 0), (32, 32), (0, 32)],      # solid lower left
        12: [(32, 0), (32, 32), (0, 32)],    # solid lower right
        20: [(0, 0), (32, 0), (32, 32)],     # solid upper right
        28: [(0, 0), (32, 0), (0, 32)],      # solid upper left
    }[shape]
    ctx.move_to(*corners[0])
    for p in corners[1:]:
        ctx.line_to(*p)
    ctx.close_path()
    rgba(ctx, (0.9, 0.2, 0.5, 1.0))
    ctx.fill()
    return s


def slope_piece(variant):
    """Visible rock of a slope: solid lower left (angle 0), grass on the diagonal."""
    r = rng("slope", variant)
    size = 36
    tex = array_surface(_rock_texture(size, 500 + variant))
    s, ctx = surface(size, size)
    ctx.move_to(1, 1)
    ctx.line_to(size - 1, size - 1)
    ctx.line_to(size - 1, size + 1)
    ctx.line_to(1, size + 1)
    ctx.close_path()
    ctx.set_source_surface(tex, 0, 0)
    ctx.fill()
    # moss and grass along the diagonal, growing up and to the right
    for i in range(14):
        t = 0.05 + i / 14.0 * 0.9
        x, y = 2 + t * 32, 2 + t * 32
        hgt = 4 + r.random() * 6
        ctx.move_to(x - 1, y + 1)
        ctx.line_to(x + hgt * 0.5 + (r.random() - 0.5) * 3, y - hgt * 0.7)
        ctx.line_to(x + 1.5, y + 1.5)
        ctx.close_path()
        rgba(ctx, mix(PALETTE["grass"], PALETTE["moss_light"], r.random()))
        ctx.fill()
    ctx.move_to(1, 2)
    ctx.line_to(size - 2, size - 1)
    rgba(ctx, col("moss"))
    ctx.set_line_width(2.4)
    ctx.stroke()
    return s


def inner_corner(variant):
    """A fillet of moss and pebbles where floor (below) meets wall (left)."""
    r = rng("corner", variant)
    s, ctx = surface(TILE, TILE)
    ctx.move_to(0, 32)
    ctx.line_to(0, 32 - 10 - r.random() * 6)
    ctx.curve_to(2, 26, 6, 30, 10 + r.random() * 6, 32)
    ctx.close_path()
    rgba(ctx, col("moss"))
    ctx.fill()
    for _ in range(3):
        blob(ctx, 3 + r.random() * 6, 29 - r.random() * 4, 2, 1.4, r, 6, 0.2)
        rgba(ctx, col("rock_light", 0.9))
        ctx.fill()
    for i in range(5):
        x = 2 + i * 2.5
        ctx.move_to(x, 31)
        ctx.line_to(x + 2 + r.random() * 2, 24 - r.random() * 5)
        rgba(ctx, col("grass"))
        ctx.set_line_width(1.0)
        ctx.stroke()
    return s


def hanging_vine(variant):
    """V: roots and vines hanging from the hot spot (angle 0 hangs down)."""
    r = rng("vine", variant)
    w, h = 24, 56
    s, ctx = surface(w, h)
    length = 26 + r.random() * 26
    pts = [(12, 0)]
    for k in range(1, 7):
        pts.append((12 + math.sin(k * 0.9 + variant) * 3, length * k / 6))
    smooth_open(ctx, pts)
    rgba(ctx, (0.28, 0.36, 0.22))
    ctx.set_line_width(1.6)
    ctx.stroke()
    for k in range(2, 7):
        x, y = pts[k]
        side = 1 if k % 2 else -1
        ctx.save()
        ctx.translate(x, y)
        ctx.rotate(side * 0.9)
        ctx.scale(3.5, 1.6)
        ctx.arc(side, 0, 1, 0, math.tau)
        ctx.restore()
        rgba(ctx, mix(PALETTE["moss"], PALETTE["moss_light"], r.random()))
        ctx.fill()
    if variant % 3 == 0:
        x, y = pts[-1]
        glow(ctx, x, y + 2, 6, PALETTE["amber"], 0.7)
    return s


def backdrop_mass(frame):
    """M/B/R: big soft shapes far behind, turned at random by the generator."""
    r = rng("mass", frame)
    s, ctx = surface(48, 48)
    if frame == 0:  # a boulder
        blob(ctx, 24, 24, 18, 15, r, 11, 0.15)
        ctx.set_source(cairo.RadialGradient(18, 16, 2, 24, 24, 22))
        g = ctx.get_source()
        g.add_color_stop_rgba(0, *PALETTE["slate"], 0.9)
        g.add_color_stop_rgba(1, *PALETTE["rock_dark"], 0.9)
        ctx.fill()
    elif frame == 1:  # a crystal cluster
        for k in range(5):
            ctx.save()
            ctx.translate(24, 30)
            ctx.rotate((k - 2) * 0.35)
            ctx.move_to(-4, 0)
            ctx.line_to(0, -20 - r.random() * 6)
            ctx.line_to(4, 0)
            ctx.close_path()
            ctx.restore()
            rgba(ctx, (0.45, 0.42, 0.75, 0.8))
            ctx.fill()
        glow(ctx, 24, 24, 22, (0.6, 0.6, 1.0), 0.3)
    else:  # a knot of roots
        for k in range(6):
            a = k * math.tau / 6 + r.random()
            ctx.move_to(24, 24)
            ctx.curve_to(24 + math.cos(a) * 10, 24 + math.sin(a) * 4, 24 + math.cos(a + 0.7) * 16,
                         24 + math.sin(a + 0.7) * 16, 24 + math.cos(a + 1) * 22, 24 + math.sin(a + 1) * 20)
            rgba(ctx, (0.24, 0.17, 0.20, 0.9))
            ctx.set_line_width(3.5 - k * 0.3)
            ctx.stroke()
    return s


def waterfall(frame, frames):
    """S/s: falling water, drawn additively; loops over the frames."""
    w, h = 32, 32
    s, ctx = surface(w, h)
    r = rng("fall", 0)
    streaks = [(r.random() * 28 + 2, r.random(), 0.6 + r.random() * 0.8, 6 + r.random() * 10)
               for _ in range(14)]
    t = frame / float(frames)
    for x, ph, spd, ln in streaks:
        y = ((ph + t * round(spd * 2)) % 1.0) * (h + ln) - ln
        g = cairo.LinearGradient(0, y, 0, y + ln)
        g.add_color_stop_rgba(0, 0.6, 0.8, 1.0, 0)
        g.add_color_stop_rgba(1, 0.75, 0.9, 1.0, 0.55)
        ctx.set_source(g)
        ctx.rectangle(x - 0.8, y, 1.6, ln)
        ctx.fill()
        # wrap around so the loop is seamless
        if y + ln > h:
            y2 = y - (h + ln)
            g = cairo.LinearGradient(0, y2, 0, y2 + ln)
            g.add_color_stop_rgba(0, 0.6, 0.8, 1.0, 0)
            g.add_color_stop_rgba(1, 0.75, 0.9, 1.0, 0.55)
            ctx.set_source(g)
            ctx.rectangle(x - 0.8, y2, 1.6, ln)
            ctx.fill()
    g = cairo.LinearGradient(0, 0, w, 0)
    g.add_color_stop_rgba(0, 0.3, 0.5, 0.8, 0)
    g.add_color_stop_rgba(0.5, 0.3, 0.5, 0.8, 0.25)
    g.add_color_stop_rgba(1, 0.3, 0.5, 0.8, 0)
    ctx.set_source(g)
    ctx.paint()
    return s


def fall_distortion(frame, frames):
    """The refraction texture under a waterfall (drawn by the offset effect)."""
    w, h = 32, 32
    y = np.arange(h)[:, None]
    x = np.arange(w)[None, :]
    t = frame / float(frames)
    v = 0.5 + 0.5 * np.sin((y / h + t) * math.tau * 2 + np.sin(x / 5.0))
    img = np.zeros((h, w, 4))
    img[:, :, 0] = v
    img[:, :, 1] = 0.5 + 0.5 * np.cos((y / h + t) * math.tau)
    img[:, :, 2] = 0.5
    img[:, :, 3] = 0.6 * np.sin(np.pi * (x + 0.5) / w)
    return array_surface(img)


def build(cat):
    T = "TilePaster_67"
    rock_dirs = [0, 1, 7, 8, 9, 15, 16, 17, 23, 24, 25, 31]
    cat.frames(T, 0, 0, [(rock_tile(99), (18, 18))])
    rocks = {}
    for i, d in enumerate(rock_dirs):
        rocks[d] = cat.frames(T, 12, d, [(rock_tile(i), (18, 18))])[0]
    for d, variant in ((0, 0), (16, 1)):
        pic, hot = grass_top(variant)
        cat.frames(T, 13, d, [(pic, hot)])
    for d, variant in ((8, 0), (24, 1)):
        pic, hot = roots_below(variant)
        cat.frames(T, 13, d, [(pic, hot)])
    for k, d in enumerate((0, 8, 16, 24)):
        cat.frames(T, 14, d, [(back_detail(k), (16, 16))])
    edge = back_edge()
    cat.frames(T, 15, 0, [(edge, (16, 16))])
    cat.frames(T, 15, 16, [(mirrored(edge), (16, 16))])
    cat.frames(T, 16, 0, [(back_wall(0), (16, 16))])
    cat.frames(T, 17, 8, [(masonry("full"), (16, 16))])
    cat.frames(T, 17, 16, [(masonry("rise_right"), (16, 16))])
    cat.frames(T, 17, 0, [(masonry("rise_left"), (16, 16))])
    for k, d in enumerate((0, 8, 16, 24)):
        cat.frames(T, 18, d, [(back_foliage(k), (16, 16))])
    for d in range(8):
        cat.frames(T, 19, d, [(crystal(d), (16, 16))])

    # Six shapes as the catalogue counts them: direction 0 repeats the full
    # tile so that any direction the paster is left in near 0 stays solid.
    O = "ObstacleTilePaster_81"
    cat.frames(O, 0, 16, [(obstacle("full"), (16, 16))])
    cat.frames(O, 0, 0, [(obstacle("full"), (16, 16))])
    for d in (4, 12, 20, 28):
        cat.frames(O, 0, d, [(obstacle(d), (16, 16))])

    # StaticDecorationAnimation_73 has 20 sequences and 100 images where the
    # catalogue counts 44 and 105: every animation the level generator forces
    # is here with its variants, the waterfall has the 64 frames its random
    # start frame (up to 61) needs, and its refraction loop 16; variants
    # beyond these would only repeat the same shapes under other directions.
    S = "StaticDecorationAnimation_73"
    cat.frames(S, 0, 0, [(hanging_vine(9), (12, 0))])
    cat.frames(S, 12, 0, [(backdrop_mass(f), (24, 24)) for f in range(3)])
    for k, d in enumerate(range(0, 32, 4)):
        cat.frames(S, 13, d, [(hanging_vine(k), (12, 0))])
    for k, d in enumerate((0, 8, 16, 24)):
        cat.frames(S, 14, d, [(slope_piece(k), (18, 18))])
    for k, d in enumerate((0, 8, 16, 24)):
        cat.frames(S, 15, d, [(inner_corner(k), (16, 16))])
    n = 64
    cat.frames(S, 16, 0, [(waterfall(f, n), (16, 16)) for f in range(n)], 90, True, 0)
    n = 16
    cat.frames(S, 17, 0, [(fall_distortion(f, n), (16, 16)) for f in range(n)], 90, True, 0)
