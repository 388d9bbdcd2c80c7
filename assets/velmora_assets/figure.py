"""A small articulated figure in side view, facing right.

The alchemist and the people are drawn with it: a pose gives the joint
angles, a look gives the silhouette and the colours.  Angles are radians;
for limbs 0 hangs straight down and positive turns forward (towards +x).
"""
import math

from .paint import PALETTE, rgba, shade, smooth_closed

INK = PALETTE["ink"]

REST = {
    "bob": 0.0, "lean": 0.0, "head": 0.0,
    "front_leg": (0.05, 0.05), "back_leg": (-0.05, 0.05),
    "front_arm": (0.15, 0.25), "back_arm": (-0.1, 0.2),
    "flare": 0.0, "hem_lift": 0.0,
}


def pose(**kw):
    p = dict(REST)
    p.update(kw)
    return p


def _limb(x, y, a, bend, l1, l2):
    kx, ky = x + math.sin(a) * l1, y + math.cos(a) * l1
    b = a + bend
    return (kx, ky), (kx + math.sin(b) * l2, ky + math.cos(b) * l2)


def _leg(x, y, a, bend, l1, l2):
    # a knee bends backwards: the shin turns against the thigh
    kx, ky = x + math.sin(a) * l1, y + math.cos(a) * l1
    b = a - bend
    return (kx, ky), (kx + math.sin(b) * l2, ky + math.cos(b) * l2)


def _stroke_fill(ctx, fill, lw):
    rgba(ctx, fill)
    ctx.fill_preserve()
    rgba(ctx, INK)
    ctx.set_line_width(lw)
    ctx.stroke()


def _line(ctx, pts, color, width, lw):
    # an outlined thick line: ink below, colour on top
    ctx.set_line_width(width + 2 * lw)
    rgba(ctx, INK)
    ctx.move_to(*pts[0])
    for p in pts[1:]:
        ctx.line_to(*p)
    ctx.stroke()
    ctx.set_line_width(width)
    rgba(ctx, color)
    ctx.move_to(*pts[0])
    for p in pts[1:]:
        ctx.line_to(*p)
    ctx.stroke()


def draw(ctx, gx, gy, p, look):
    """Draw the figure with its feet on (gx, gy)."""
    s = look.get("scale", 1.0)
    lw = 0.9 * s
    robe = look["robe"]
    robe_dark = shade(robe, -0.35)
    skin = look.get("skin", (0.93, 0.76, 0.60))
    thigh, shin = 6.8 * s * look.get("legs", 1.0), 6.6 * s * look.get("legs", 1.0)
    hip = (gx, gy - (thigh + shin) * 0.98 + p["bob"] * s)
    torso = 9.5 * s * look.get("torso", 1.0)
    lean = p["lean"]
    neck = (hip[0] + math.sin(lean) * torso, hip[1] - math.cos(lean) * torso)
    width = look.get("width", 1.0) * s
    shoulder = (neck[0] - math.sin(lean) * 1.2 * s, neck[1] + math.cos(lean) * 1.2 * s)
    upper, fore = 5.0 * s, 4.8 * s
    boots = look.get("boots", (0.25, 0.17, 0.14))

    legs = {}
    for side in ("back_leg", "front_leg"):
        a, bend = p[side]
        legs[side] = _leg(hip[0], hip[1], a, bend, thigh, shin)
    arms = {}
    for side in ("back_arm", "front_arm"):
        a, bend = p[side]
        arms[side] = _limb(shoulder[0], shoulder[1], a, bend, upper, fore)

    def draw_leg(side, shade_f):
        knee, foot = legs[side]
        _line(ctx, [hip, knee, foot], shade(look.get("trousers", robe_dark), shade_f), 2.6 * s, lw)
        ctx.save()
        ctx.translate(foot[0] + 0.9 * s, foot[1] - 0.9 * s)
        ctx.scale(2.2 * s, 1.3 * s)
        ctx.arc(0, 0, 1, 0, math.tau)
        ctx.restore()
        _stroke_fill(ctx, shade(boots, shade_f), lw)

    def draw_arm(side, shade_f, sleeve):
        elbow, hand = arms[side]
        _line(ctx, [shoulder, elbow, hand], shade(sleeve, shade_f), 2.8 * s, lw)
        ctx.arc(hand[0], hand[1], 1.35 * s, 0, math.tau)
        _stroke_fill(ctx, shade(skin, shade_f), lw * 0.8)
        return hand

    sleeve = look.get("sleeve", robe)
    draw_arm("back_arm", -0.3, sleeve)
    prop = look.get("back_prop")
    if prop:
        prop(ctx, arms["back_arm"][1], s, p)
    draw_leg("back_leg", -0.25)
    if look.get("short_robe"):
        draw_leg("front_leg", 0.0)

    # robe or tunic: from the shoulders to a hem around the knees
    kf, kb = legs["front_leg"][0], legs["back_leg"][0]
    hem_len = look.get("hem", 0.72)
    hem_y = hip[1] + (thigh + shin) * hem_len - p["hem_lift"] * s
    front_x = max(kf[0], kb[0], hip[0]) + (2.6 + p["flare"]) * width
    back_x = min(kf[0], kb[0], hip[0]) - (2.6 + p["flare"] * 1.3) * width
    half = 3.1 * width
    nx, ny = -math.cos(lean), -math.sin(lean)  # towards the back
    pts = [
        (neck[0] + half * 0.6 * -nx, neck[1] + half * 0.6 * -ny),
        (hip[0] - nx * half * 1.05, hip[1] - ny * half * 1.05),
        (front_x, hem_y - 0.6 * s),
        ((front_x + back_x) / 2, hem_y + 0.9 * s),
        (back_x, hem_y - 0.3 * s),
        (hip[0] + nx * half * 1.15, hip[1] + ny * half * 1.15),
        (neck[0] + half * 0.7 * nx, neck[1] + half * 0.7 * ny),
    ]
    smooth_closed(ctx, pts)
    rgba(ctx, robe)
    ctx.fill_preserve()
    ctx.save()
    ctx.clip_preserve()
    # soft side light from the front, shadow at the back
    import cairo
    g = cairo.LinearGradient(back_x, 0, front_x, 0)
    g.add_color_stop_rgba(0, robe_dark[0], robe_dark[1], robe_dark[2], 0.85)
    g.add_color_stop_rgba(0.55, robe[0], robe[1], robe[2], 0.0)
    g.add_color_stop_rgba(1, 1, 0.95, 0.8, 0.25)
    ctx.set_source(g)
    ctx.fill_preserve()
    ctx.restore()
    rgba(ctx, INK)
    ctx.set_line_width(lw)
    ctx.stroke()
    belt = look.get("belt")
    if belt:
        ctx.move_to(hip[0] - nx * half * 1.1, hip[1] - ny * half * 1.1 - 1.5 * s)
        ctx.line_to(hip[0] + nx * half * 1.2, hip[1] + ny * half * 1.2 - 1.5 * s)
        ctx.set_line_width(1.4 * s)
        rgba(ctx, belt)
        ctx.stroke()
    if not look.get("short_robe"):
        draw_leg("front_leg", 0.0)

    if look.get("satchel"):
        # strap across the chest and the bag on the back hip
        bx, by = hip[0] + nx * 3.0 * s, hip[1] - 1.0 * s
        ctx.move_to(neck[0] - nx * 2.0 * s, neck[1] + 0.5 * s)
        ctx.line_to(bx, by)
        ctx.set_line_width(1.1 * s)
        rgba(ctx, (0.36, 0.22, 0.12))
        ctx.stroke()
        ctx.save()
        ctx.translate(bx, by + 1.5 * s)
        ctx.rotate(lean * 0.5)
        ctx.rectangle(-2.8 * s, -2.2 * s, 5.6 * s, 4.6 * s)
        ctx.restore()
        _stroke_fill(ctx, (0.48, 0.29, 0.15), lw)
        ctx.move_to(bx - 2.6 * s, by + 0.2 * s)
        ctx.line_to(bx + 2.6 * s, by + 0.2 * s)
        ctx.set_line_width(0.8 * s)
        rgba(ctx, (0.30, 0.17, 0.09))
        ctx.stroke()

    mantle = look.get("mantle")
    if mantle:
        # a short cape over the shoulders, part of the hood
        mid = (neck[0] + (hip[0] - neck[0]) * 0.55, neck[1] + (hip[1] - neck[1]) * 0.55)
        smooth_closed(ctx, [
            (neck[0] - nx * half * 0.2, neck[1] - ny * half * 0.2 - 0.8 * s),
            (neck[0] - nx * half * 1.05, neck[1] - ny * half * 1.05 + 1.0 * s),
            (mid[0] - nx * half * 1.2, mid[1] - ny * half * 1.2),
            (mid[0] + nx * half * 0.2, mid[1] + ny * half * 0.2 + 0.8 * s),
            (mid[0] + nx * half * 1.35, mid[1] + ny * half * 1.35 - 0.5 * s),
            (neck[0] + nx * half * 1.1, neck[1] + ny * half * 1.1),
        ])
        _stroke_fill(ctx, mantle, lw)
    vial = look.get("vial")
    if vial:
        vx, vy = hip[0] - nx * half * 0.9, hip[1] - 0.6 * s
        ctx.arc(vx, vy, 2.6 * s, 0, math.tau)
        rgba(ctx, vial + (0.35,))
        ctx.fill()
        ctx.arc(vx, vy, 1.1 * s, 0, math.tau)
        rgba(ctx, (1.0, 0.95, 0.7))
        ctx.fill()

    # head
    hr = 3.9 * s * look.get("head_size", 1.0)
    ha = lean + p["head"]
    head = (neck[0] + math.sin(ha) * (hr + 0.6 * s), neck[1] - math.cos(ha) * (hr + 0.6 * s))
    hood = look.get("hood")
    if hood:
        hc = hood
        ctx.save()
        ctx.translate(*head)
        ctx.rotate(ha)
        # the pointed hood falls backwards
        ctx.move_to(hr * 1.05, -hr * 0.1)
        ctx.curve_to(hr * 1.0, -hr * 1.25, -hr * 0.4, -hr * 1.35, -hr * 1.0, -hr * 0.9)
        ctx.curve_to(-hr * 1.5, -hr * 0.6, -hr * 1.9, -hr * 0.1, -hr * 2.1, hr * 0.4)
        ctx.curve_to(-hr * 1.5, hr * 0.5, -hr * 1.3, hr * 1.2, -hr * 0.9, hr * 1.3)
        ctx.curve_to(-hr * 0.2, hr * 1.45, hr * 0.6, hr * 1.3, hr * 1.1, hr * 0.9)
        ctx.close_path()
        _stroke_fill(ctx, hc, lw)
        # shadowed face opening with a glint of eyes
        ctx.arc(hr * 0.35, hr * 0.15, hr * 0.72, 0, math.tau)
        rgba(ctx, (0.20, 0.13, 0.12))
        ctx.fill()
        ctx.arc(hr * 0.62, hr * 0.3, hr * 0.38, 0, math.tau)
        rgba(ctx, shade(skin, -0.15))
        ctx.fill()
        ctx.arc(hr * 0.55, 0.0, 0.55 * s, 0, math.tau)
        rgba(ctx, (1.0, 0.86, 0.5))
        ctx.fill()
        ctx.restore()
    else:
        ctx.arc(head[0], head[1], hr, 0, math.tau)
        _stroke_fill(ctx, skin, lw)
        ctx.arc(head[0] + hr * 0.45, head[1] - hr * 0.1, 0.55 * s, 0, math.tau)
        rgba(ctx, INK)
        ctx.fill()
        dress = look.get("head_dress")
        if dress:
            ctx.save()
            ctx.translate(*head)
            ctx.rotate(ha)
            dress(ctx, hr, s, lw)
            ctx.restore()
    draw_arm("front_arm", 0.05, sleeve)
    prop = look.get("front_prop")
    if prop:
        prop(ctx, arms["front_arm"][1], s, p)
    return {"hip": hip, "neck": neck, "head": head, "hands": (arms["front_arm"][1], arms["back_arm"][1])}
