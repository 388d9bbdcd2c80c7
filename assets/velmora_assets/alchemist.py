"""TheAlchemist_82: the player's hooded alchemist.

Geometry (one tile is 32 pixels; a saved position is the centre of a cell):
  * every shown frame is 48 x 48 with its hot spot at (24, 32); the feet
    touch row 47, that is y + 15, so standing at the centre of a cell whose
    floor starts at the next cell boundary (y + 16) he stands on the ground
    and is one tile tall (head top near y - 15);
  * animation 12, the movement box: 16 x 29, hot spot (8, 13): it covers
    x - 8 .. x + 7 and y - 13 .. y + 15, so it fits a one-tile corridor and
    a one-tile shaft with room to spare, and its bottom row is the feet;
  * animation 13, the wall probe box: 16 x 23, hot spot (8, 13): the same
    sides, but it stops 6 pixels above the feet, so ground, slopes and
    one-pixel steps never read as walls;
  * animation 16, the hazard box: 12 x 24, hot spot (6, 11): a little
    smaller than the body, so grazing a spike is forgiven;
  * animation 15, swimming: drawn lying with the head to the right (angle 0
    is swimming right; the game turns him with the angle), hot spot at the
    middle of the body (24, 24).
Directions: 0 faces right and 16 faces left for every shown animation, as
the game turns him by direction.  For swimming the left-facing sequence is
the right one mirrored top to bottom: heading left the game turns him by
about 180 degrees, and the mirror keeps his head up and his back on top.
Frame counts per facing: standing 24, walking 24, jumping 12, falling 12,
climbing 16, hanging 16, swimming 18 (2 x 122 + 1 + 3 boxes = 248 images).
"""
import math

from . import figure
from .paint import col, flipped_v, mirrored, rgba, surface

NAME = "TheAlchemist_82"
LOOK = {
    "robe": (0.82, 0.60, 0.22),
    "hood": (0.74, 0.52, 0.18),
    "sleeve": (0.78, 0.56, 0.20),
    "skin": (0.93, 0.76, 0.60),
    "satchel": True,
    "mantle": (0.70, 0.48, 0.16),
    "vial": (0.55, 0.95, 0.80),
    "belt": (0.42, 0.26, 0.12),
    "scale": 1.0,
    "hem": 0.80,
    "width": 1.45,
    "head_size": 0.95,
}
W = H = 48
HOT = (24, 32)


def _frame(p, swim=False):
    s, ctx = surface(W, H)
    if swim:
        # lie the body down: head to the right, centred on the hot spot
        ctx.translate(24, 24)
        ctx.rotate(math.pi / 2)
        ctx.translate(-24, -24 + 0.0)
        figure.draw(ctx, 24, 39, p, LOOK)
    else:
        figure.draw(ctx, 24, 47.6, p, LOOK)
    return s


def _stand(t):
    b = math.sin(t * math.tau)
    return figure.pose(bob=0.35 * b, front_arm=(0.12 + 0.05 * b, 0.35), back_arm=(-0.08, 0.3),
                       head=0.04 * b)


def _walk(t):
    a = math.sin(t * math.tau)
    c = math.cos(t * math.tau)
    return figure.pose(
        bob=-0.9 * abs(c) + 0.3, lean=0.08,
        front_leg=(0.5 * a, 0.15 + 0.55 * max(0.0, -c)),
        back_leg=(-0.5 * a, 0.15 + 0.55 * max(0.0, c)),
        front_arm=(-0.45 * a + 0.1, 0.4), back_arm=(0.45 * a, 0.4),
        flare=0.8 * abs(a))


def _jump(t):
    e = min(1.0, t * 2.0)
    w = math.sin(t * math.tau * 2) * 0.08
    return figure.pose(
        bob=-1.0 * e, lean=0.12,
        front_leg=(0.9 * e, 1.4 * e), back_leg=(0.1 * e, 1.2 * e),
        front_arm=(1.4 + 0.9 * e + w, 0.3), back_arm=(1.0 + 0.8 * e - w, 0.3),
        flare=1.0 + 0.6 * e, hem_lift=2.0 * e)


def _fall(t):
    w = math.sin(t * math.tau)
    return figure.pose(
        bob=-0.6, lean=-0.05,
        front_leg=(0.25 + 0.1 * w, 0.35), back_leg=(-0.25 - 0.1 * w, 0.25),
        front_arm=(2.3 + 0.25 * w, -0.3), back_arm=(2.0 - 0.25 * w, -0.2),
        flare=2.2 + 0.5 * w, hem_lift=3.0, head=-0.1)


def _climb(t):
    a = math.sin(t * math.tau)
    return figure.pose(
        bob=-0.5 + 0.8 * a, lean=0.05,
        front_leg=(0.9 + 0.5 * a, 1.3 + 0.5 * a), back_leg=(0.7 - 0.5 * a, 1.2 - 0.5 * a),
        front_arm=(2.55 + 0.35 * a, -0.55), back_arm=(2.55 - 0.35 * a, -0.55),
        hem_lift=1.0, head=-0.15)


def _hang(t):
    a = math.sin(t * math.tau)
    return figure.pose(
        bob=1.5, lean=0.06 * a,
        front_leg=(0.35 * a + 0.1, 0.3 + 0.2 * max(0, a)), back_leg=(-0.35 * a - 0.05, 0.3 + 0.2 * max(0, -a)),
        front_arm=(math.pi - 0.12 + 0.18 * a, 0.0), back_arm=(math.pi + 0.12 + 0.18 * a, 0.0),
        flare=0.6 * abs(a), head=0.1)


def _swim(t):
    a = t * math.tau
    k = math.sin(a * 2)
    return figure.pose(
        lean=0.0,
        front_leg=(0.25 * k, 0.35 + 0.2 * k), back_leg=(-0.25 * k, 0.35 - 0.2 * k),
        front_arm=(math.pi - 0.3 + 1.4 * math.sin(a), 0.2), back_arm=(math.pi + 0.3 - 1.4 * math.sin(a), 0.2),
        flare=-0.6, head=-0.2)


def _box(w, h, color):
    s, ctx = surface(w, h)
    rgba(ctx, color)
    ctx.rectangle(0, 0, w, h)
    ctx.fill()
    return s


def build(cat):
    pics = {}
    moves = [  # animation, pose, frames, speed, back_to, swim
        (1, _stand, 24, 50, 0, False),
        (2, _walk, 24, 100, 0, False),
        (7, _jump, 12, 65, 6, False),
        (8, _fall, 12, 65, 0, False),
        (9, _climb, 16, 75, 0, False),
        (14, _hang, 16, 65, 0, False),
        (15, _swim, 18, 50, 0, True),
    ]
    still = _frame(_stand(0.0))
    cat.frames(NAME, 0, 0, [(still, HOT)])
    for anim, fn, n, speed, back_to, swim in moves:
        right = [_frame(fn(i / n), swim) for i in range(n)]
        hot = (24, 24) if swim else HOT
        left = [flipped_v(f) if swim else mirrored(f) for f in right]
        cat.frames(NAME, anim, 0, [(f, hot) for f in right], speed, True, back_to)
        cat.frames(NAME, anim, 16, [(f, hot) for f in left], speed, True, back_to)
        pics[anim] = right
    cat.frames(NAME, 12, 0, [(_box(16, 29, col("amber", 0.8)), (8, 13))])
    cat.frames(NAME, 13, 0, [(_box(16, 23, col("mist", 0.8)), (8, 13))])
    cat.frames(NAME, 16, 0, [(_box(12, 24, col("blood", 0.8)), (6, 11))])
    return pics
