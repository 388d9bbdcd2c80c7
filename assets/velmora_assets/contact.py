"""The contact sheet: every sequence of every type, labelled, for review."""
import math

import cairo

from . import textfont
from .paint import array_surface, surface

CELL = 72
PER_ROW = 10


def _thumb(ctx, entry, x, y, size):
    pic = array_surface(entry.rgba.astype(float) / 255.0)
    w, h = pic.get_width(), pic.get_height()
    k = min(1.0 if max(w, h) <= size else size / float(max(w, h)), 2.0)
    if max(w, h) * 2 <= size:
        k = 2.0
    ctx.save()
    ctx.translate(x + (size - w * k) / 2.0, y + (size - h * k) / 2.0)
    ctx.scale(k, k)
    ctx.set_source_surface(pic, 0, 0)
    ctx.paint()
    ctx.restore()


def render(cat, path, sheet_rows_per_page=None):
    """One PNG with a row per sequence: label, then up to ten frames spread
    over the sequence.  Returns the size of the sheet."""
    rows = []
    for type_name in sorted(cat.types):
        for s in cat.types[type_name]:
            rows.append((type_name, s))
    label_w = 230
    width = label_w + PER_ROW * CELL
    height = len(rows) * CELL
    out, ctx = surface(width, height)
    for i, (type_name, s) in enumerate(rows):
        y = i * CELL
        # alternate checker tones so both light and dark art show
        ctx.set_source_rgb(*((0.30, 0.29, 0.36) if i % 2 else (0.56, 0.56, 0.62)))
        ctx.rectangle(0, y, width, CELL)
        ctx.fill()
        textfont.draw(ctx, type_name, 6, y + 22, 14, (1, 1, 1))
        textfont.draw(ctx, "anim %d  dir %d" % (s.animation, s.direction), 6, y + 40, 13, (1, 0.9, 0.6))
        textfont.draw(ctx, "%d frames  speed %d%s" % (len(s.names), s.speed, "  loop" if s.loop else ""),
                      6, y + 57, 12, (0.85, 0.85, 0.95))
        n = len(s.names)
        picks = [s.names[int(round(k * (n - 1) / float(PER_ROW - 1)))] for k in range(PER_ROW)] if n > PER_ROW \
            else s.names
        for k, name in enumerate(picks):
            _thumb(ctx, cat.by_name[name], label_w + k * CELL + 2, y + 2, CELL - 4)
    out.write_to_png(path)
    return width, height
