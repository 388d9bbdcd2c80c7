"""The credits picture each world folder ships as Credits.png.

The Credits frame scrolls it up over its white page, 48 pixels from the left
edge, so the picture is 704 pixels wide and leaves its background
transparent.  Pure black would be transparent too (the frame keys it out),
so the darkest colour used is the palette's ink.  Every line states a fact
about how this game is made.
"""
from . import textfont
from .menus import dusk_band, hline, title
from .paint import PALETTE, col, surface

WIDTH = 704
INK = PALETTE["ink"]
AMBER_DEEP = PALETTE["amber_deep"]
MUTED = (0.45, 0.40, 0.55)

# (heading, lines) in reading order.
SECTIONS = [
    ("A game by", ["the developers of the Velmora project"]),
    ("Engine", ["Corvane, written for Velmora by the same developers:",
                "frames, layers and animated objects,", "drawn with OpenGL and heard through OpenAL"]),
    ("Pictures", ["every picture is drawn by code", "when the game is built"]),
    ("Music and sound", ["the songs, the ambiance and every effect", "are synthesised by code when the game is built"]),
    ("Worlds", ["written by hand as plain text files"]),
    ("Type", ["Ubuntu Mono", "under the Ubuntu Font Licence"]),
    ("Built with", ["GLFW, GLEW, libpng, FreeType and FTGL,", "OpenAL Soft, Ogg Vorbis,",
                    "Python with pycairo and NumPy"]),
]

TOP = 350          # the first heading's baseline
HEADING_GAP = 34   # heading baseline to its first line
LINE_GAP = 24
SECTION_GAP = 84   # last line of a section to the next heading
BAND = 120


def build(cat):
    """The credits pictures by world folder; nothing goes into the catalogue."""
    return {"World": picture("a journey in alchemy"), "Tutorial": picture("the tutorial")}


def picture(subtitle):
    height = TOP
    for _, lines in SECTIONS:
        height += HEADING_GAP + LINE_GAP * (len(lines) - 1) + SECTION_GAP
    height += 120 + BAND

    s, ctx = surface(WIDTH, height)
    band, _ = dusk_band(WIDTH, BAND, "credits-top")
    ctx.set_source_surface(band, 0, 0)
    ctx.paint()
    ctx.set_source_surface(title(), (WIDTH - 400) / 2.0, BAND + 24)
    ctx.paint()
    textfont.draw(ctx, subtitle, WIDTH / 2.0, BAND + 150, 18, MUTED, "center")
    ctx.set_source_surface(hline(420, 8, col("amber")), (WIDTH - 420) / 2.0, BAND + 166)
    ctx.paint()

    y = TOP
    for heading, lines in SECTIONS:
        textfont.draw(ctx, heading.upper(), WIDTH / 2.0, y, 15, AMBER_DEEP, "center", 3)
        y += HEADING_GAP
        for k, text in enumerate(lines):
            textfont.draw(ctx, text, WIDTH / 2.0, y + k * LINE_GAP, 19, INK, "center")
        y += LINE_GAP * (len(lines) - 1) + SECTION_GAP

    textfont.draw(ctx, "Thank you for playing", WIDTH / 2.0, y + 20, 22, INK, "center")
    band, _ = dusk_band(WIDTH, BAND, "credits-bottom")
    ctx.set_source_surface(band, 0, height - BAND)
    ctx.paint()
    return s
