"""The two bitmap fonts of the text blitter (TextBlitter_143).

Animation 12 is font 0 (interface text, 14 px), animation 13 font 1 (the
larger caption font, 18 px).  Frame 0 is the glyph for a character that is
not in the set, frame f + 1 the character at position f of the set.  Every
glyph picture is one line cell tall with the hot spot at its top left and
the action point at its advance, where the next letter starts.  The blitter
adds one pixel of letter spacing after every glyph, so the advance given is
the font's own advance less that pixel: text keeps the font's natural pitch.
"""
import math

from . import textfont
from .paint import surface

# The blitter's character set: printable ASCII without the double quote and
# the backslash, then (ISO 8859-1) E acute, e acute, the double quote,
# U acute and u acute.
CHARACTER_SET = ("".join(chr(c) for c in range(0x21, 0x7F) if c not in (0x22, 0x5C))
                 + "\u00c9\u00e9\"\u00da\u00fa")
assert len(CHARACTER_SET) == 97

LETTER_SPACING = 1
FONTS = {12: (14, 17, 13, (0.97, 0.93, 0.84)), 13: (18, 22, 17, (1.0, 1.0, 1.0))}


def glyph(ch, size, cell, baseline, color):
    probe, pctx = surface(4, 4)
    textfont.set_font(pctx, size)
    advance = int(round(pctx.text_extents(ch if ch else "M").x_advance)) - LETTER_SPACING
    w = advance + 4
    s, ctx = surface(w, cell)
    if ch:
        # a soft dark halo keeps light letters readable over any scenery
        for dx, dy in ((-1, 0), (1, 0), (0, -1), (0, 1), (1, 1)):
            textfont.draw(ctx, ch, 1 + dx, baseline + dy, size, (0.05, 0.03, 0.10, 0.55))
        textfont.draw(ctx, ch, 1, baseline, size, color)
    else:
        # unknown character: a small hollow box
        ctx.rectangle(2.5, cell - baseline + 0.5, advance - 3, baseline - 4)
        ctx.set_source_rgba(*color, 0.8)
        ctx.set_line_width(1)
        ctx.stroke()
    return s, advance


def build(cat):
    T = "TextBlitter_143"
    size, cell, baseline, color = FONTS[12]
    pic, adv = glyph("?", size, cell, baseline, color)
    cat.frames(T, 0, 0, [(pic, (0, 0), (adv, 0))])
    for anim, (size, cell, baseline, color) in sorted(FONTS.items()):
        pics = []
        for ch in [""] + list(CHARACTER_SET):
            pic, adv = glyph(ch, size, cell, baseline, color)
            pics.append((pic, (0, 0), (adv, 0)))
        cat.frames(T, anim, 0, pics, 0)
