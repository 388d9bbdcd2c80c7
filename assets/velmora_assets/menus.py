"""Logos, the title sequence and the main menu screens.

The menu frames have a white page; on it sit dusk-painted bands and panels
with the palette's deep violet ink and amber accents.  Every word is set in
the game's own font.  Menu labels are centred on the selector stops, which
lie 100.4 pixels apart.
"""
import math

import cairo

from . import textfont
from .paint import PALETTE, col, glow, rgba, rng, surface, vgrad, value_noise, array_surface
import numpy as np

INK = PALETTE["ink"]
AMBER = PALETTE["amber"]
CREAM = PALETTE["cream"]
STEP = 100.4


def dusk_band(w, h, seed):
    """A wide strip of dusk sky over cave silhouettes."""
    s, ctx = surface(w, h)
    ctx.set_source(vgrad(ctx, 0, 0, 0, h, [(0, (0.16, 0.13, 0.30)), (0.6, (0.30, 0.22, 0.42)),
                                          (1, (0.55, 0.36, 0.38))]))
    ctx.rectangle(0, 0, w, h)
    ctx.fill()
    glow(ctx, w * 0.72, h * 0.9, h * 1.2, AMBER, 0.35)
    r = rng("band", seed)
    for layer, (c, base) in enumerate((((0.20, 0.17, 0.32), 0.55), ((0.11, 0.09, 0.19), 0.75))):
        ctx.move_to(0, h)
        x = 0
        while x <= w:
            ctx.line_to(x, h * base - r.random() * h * 0.25 - (8 if r.random() < 0.2 else 0))
            x += 14 + r.random() * 30
        ctx.line_to(w, h)
        ctx.close_path()
        rgba(ctx, c)
        ctx.fill()
    # hanging rock from the top edge
    ctx.move_to(0, 0)
    x = 0
    while x <= w:
        ctx.line_to(x, 4 + r.random() * 10)
        x += 10 + r.random() * 24
    ctx.line_to(w, 0)
    ctx.close_path()
    rgba(ctx, (0.09, 0.07, 0.15))
    ctx.fill()
    return s, ctx


def medallion(ctx, x, y, icon):
    glow(ctx, x, y, 30, AMBER, 0.25)
    ctx.arc(x, y, 22, 0, math.tau)
    rgba(ctx, (0.10, 0.08, 0.17, 0.85))
    ctx.fill_preserve()
    rgba(ctx, (0.85, 0.70, 0.42))
    ctx.set_line_width(1.4)
    ctx.stroke()
    ctx.save()
    ctx.translate(x, y)
    rgba(ctx, CREAM)
    ctx.set_line_width(1.6)
    ICONS[icon](ctx)
    ctx.restore()


def _i_book(ctx):
    ctx.move_to(-10, -7)
    ctx.curve_to(-5, -9, -1, -8, 0, -6)
    ctx.curve_to(1, -8, 5, -9, 10, -7)
    ctx.line_to(10, 8)
    ctx.curve_to(5, 6, 1, 7, 0, 9)
    ctx.curve_to(-1, 7, -5, 6, -10, 8)
    ctx.close_path()
    ctx.move_to(0, -6)
    ctx.line_to(0, 9)
    ctx.stroke()


def _i_flask(ctx):
    ctx.move_to(-3, -11)
    ctx.line_to(-3, -3)
    ctx.line_to(-10, 9)
    ctx.line_to(10, 9)
    ctx.line_to(3, -3)
    ctx.line_to(3, -11)
    ctx.stroke()
    ctx.move_to(-7, 4)
    ctx.line_to(7, 4)
    ctx.line_to(10, 9)
    ctx.line_to(-10, 9)
    ctx.close_path()
    rgba(ctx, AMBER)
    ctx.fill()


def _i_erase(ctx):
    ctx.arc(0, 0, 9, 0, math.tau)
    ctx.move_to(-6, -6)
    ctx.line_to(6, 6)
    ctx.stroke()


def _i_gear(ctx):
    for k in range(8):
        a = k * math.tau / 8
        ctx.move_to(math.cos(a) * 6, math.sin(a) * 6)
        ctx.line_to(math.cos(a) * 10, math.sin(a) * 10)
    ctx.stroke()
    ctx.arc(0, 0, 6, 0, math.tau)
    ctx.stroke()


def _i_note(ctx):
    ctx.move_to(-4, 6)
    ctx.line_to(-4, -9)
    ctx.line_to(7, -11)
    ctx.line_to(7, 4)
    ctx.stroke()
    ctx.arc(-7, 6, 3, 0, math.tau)
    ctx.fill()
    ctx.arc(4, 4, 3, 0, math.tau)
    ctx.fill()


def _i_scroll(ctx):
    ctx.rectangle(-7, -9, 14, 18)
    ctx.stroke()
    for y in (-4, 0, 4):
        ctx.move_to(-4, y)
        ctx.line_to(4, y)
    ctx.stroke()


def _i_door(ctx):
    ctx.move_to(-7, 10)
    ctx.line_to(-7, -4)
    ctx.arc(0, -4, 7, math.pi, 0)
    ctx.line_to(7, 10)
    ctx.stroke()
    ctx.arc(3, 3, 1.2, 0, math.tau)
    ctx.fill()


def _numeral(n):
    def f(ctx):
        textfont.draw(ctx, str(n), 0, 7, 22, CREAM, "center")
    return f


def _i_back(ctx):
    ctx.move_to(8, 0)
    ctx.line_to(-8, 0)
    ctx.move_to(-3, -6)
    ctx.line_to(-9, 0)
    ctx.line_to(-3, 6)
    ctx.stroke()


def _i_quality(ctx):
    for k, hgt in enumerate((5, 9, 13)):
        ctx.rectangle(-9 + k * 7, 8 - hgt, 4, hgt)
    ctx.fill()


def _i_window(ctx):
    ctx.rectangle(-10, -7, 20, 15)
    ctx.stroke()
    ctx.move_to(-10, -3)
    ctx.line_to(10, -3)
    ctx.stroke()


ICONS = {"book": _i_book, "flask": _i_flask, "erase": _i_erase, "gear": _i_gear, "note": _i_note,
         "scroll": _i_scroll, "door": _i_door, "back": _i_back, "quality": _i_quality,
         "window": _i_window, "1": _numeral(1), "2": _numeral(2), "3": _numeral(3)}


def menu_band(first_stop, icons):
    s, ctx = dusk_band(800, 76, len(icons))
    for k, icon in enumerate(icons):
        medallion(ctx, first_stop + k * STEP, 37, icon)
    return s


def label(text, centre_offset, size=14):
    """A backdrop label: text centred at centre_offset from its left edge."""
    probe, pctx = surface(4, 4)
    w = max(int(round(2 * centre_offset)), int(math.ceil(textfont.width(pctx, text, size))) + 2)
    s, ctx = surface(w, 18)
    textfont.draw(ctx, text, centre_offset, 13, size, INK, "center")
    return s


def centred_text(text, size=14, color=INK, height=18):
    probe, pctx = surface(4, 4)
    w = int(math.ceil(textfont.width(pctx, text, size))) + 4
    s, ctx = surface(w, height)
    textfont.draw(ctx, text, w / 2.0, height - 5, size, color, "center")
    return s


def selector():
    s, ctx = surface(64, 64)
    glow(ctx, 32, 32, 32, AMBER, 0.55)
    ctx.arc(32, 32, 25, 0, math.tau)
    rgba(ctx, (1.0, 0.86, 0.55, 0.95))
    ctx.set_line_width(2.5)
    ctx.stroke()
    return s


def erase_blob(t):
    s, ctx = surface(96, 40)
    ctx.save()
    ctx.translate(48, 20)
    ctx.scale(0.25 + 0.75 * t, 0.35 + 0.65 * t)
    glow(ctx, 0, 0, 46, (0.95, 0.35, 0.30), 1.0, (0.0, 0.6, 1.0))
    ctx.restore()
    return s


def logo(kind):
    """Full-frame logos (800 x 512) on the white page."""
    s, ctx = surface(800, 512)
    rgba(ctx, (1, 1, 1))
    ctx.paint()
    if kind == 0:
        # the project's mark: an alembic in a ring
        ctx.arc(400, 220, 70, 0, math.tau)
        rgba(ctx, INK)
        ctx.set_line_width(3)
        ctx.stroke()
        ctx.save()
        ctx.translate(400, 222)
        ctx.scale(3.2, 3.2)
        rgba(ctx, INK)
        ctx.set_line_width(1.4)
        _i_flask(ctx)
        ctx.restore()
        textfont.draw(ctx, "VELMORA", 400, 350, 40, INK, "center", 10)
        textfont.draw(ctx, "a project in pictures, sound and code", 400, 380, 15, (0.45, 0.40, 0.55), "center")
    elif kind == 1:
        # the engine
        for k in range(3):
            ctx.arc(400, 215, 30 + k * 18, -math.pi * (0.9 - k * 0.1), math.pi * (0.1 + k * 0.15))
            rgba(ctx, (AMBER if k == 1 else INK))
            ctx.set_line_width(5 - k)
            ctx.stroke()
        textfont.draw(ctx, "CORVANE", 400, 340, 40, INK, "center", 10)
        textfont.draw(ctx, "the engine that runs Velmora", 400, 370, 15, (0.45, 0.40, 0.55), "center")
    else:
        textfont.draw(ctx, "Every picture and every sound", 400, 236, 22, INK, "center")
        textfont.draw(ctx, "in this game is drawn and played by code", 400, 268, 22, INK, "center")
        ctx.move_to(300, 300)
        ctx.line_to(500, 300)
        rgba(ctx, AMBER)
        ctx.set_line_width(2)
        ctx.stroke()
    return s


def title():
    s, ctx = surface(400, 100)
    textfont.draw(ctx, "VELMORA", 200, 78, 76, INK, "center", 4)
    return s


def hline(w, h, color, alpha=1.0):
    s, ctx = surface(w, h)
    g = cairo.LinearGradient(0, 0, w, 0)
    g.add_color_stop_rgba(0, color[0], color[1], color[2], 0)
    g.add_color_stop_rgba(0.15, color[0], color[1], color[2], alpha)
    g.add_color_stop_rgba(0.85, color[0], color[1], color[2], alpha)
    g.add_color_stop_rgba(1, color[0], color[1], color[2], 0)
    ctx.set_source(g)
    ctx.rectangle(0, h / 2.0 - 1, w, 2)
    ctx.fill()
    return s


def glint(bright):
    s, ctx = surface(120, 12)
    g = cairo.LinearGradient(0, 0, 120, 0)
    g.add_color_stop_rgba(0, 1, 0.8, 0.4, 0)
    g.add_color_stop_rgba(0.5, 1, 0.85, 0.5, 0.9 if bright else 0.4)
    g.add_color_stop_rgba(1, 1, 0.8, 0.4, 0)
    ctx.set_source(g)
    ctx.rectangle(0, 4, 120, 4)
    ctx.fill()
    glow(ctx, 60, 6, 6, (1, 0.95, 0.8), 0.9 if bright else 0.3)
    return s


def cover(w, h, c):
    s, ctx = surface(w, h)
    rgba(ctx, c)
    ctx.paint()
    return s


def info_page(heading, lines, seed):
    """An information panel of 800 x 240: a dusk painting with set text.

    The text keeps to the upper part; the links of the page sit below it.
    """
    s, ctx = dusk_band(800, 240, seed)
    ctx.rectangle(0, 0, 800, 240)
    rgba(ctx, (0.05, 0.04, 0.10, 0.45))
    ctx.fill()
    textfont.draw(ctx, heading, 400, 34, 24, AMBER, "center", 2)
    for k, text in enumerate(lines):
        textfont.draw(ctx, text, 400, 60 + 18 * k, 14, CREAM, "center")
    return s


def link_text(text, bright):
    """A link, drawn additively over an information panel."""
    probe, pctx = surface(4, 4)
    w = int(math.ceil(textfont.width(pctx, text, 16))) + 16
    s, ctx = surface(w, 26)
    if bright:
        glow(ctx, w / 2.0, 13, w / 2.0, AMBER, 0.35)
    textfont.draw(ctx, text, w / 2.0, 18, 16, (1.0, 0.78, 0.40) if bright else (0.70, 0.52, 0.30), "center")
    ctx.move_to(8, 22)
    ctx.line_to(w - 8, 22)
    rgba(ctx, (1.0, 0.78, 0.40, 0.9 if bright else 0.4))
    ctx.set_line_width(1)
    ctx.stroke()
    return s


def build(cat):
    for d in range(3):
        cat.frames("Logotypes_11", 0, d, [(logo(d), (400, 256))])
    cat.image("Title_19", title())
    cat.image("TitleLine_18", hline(680, 8, AMBER))
    cat.image("DocumentaryTitle_20", label("a journey in alchemy", 103, 16))
    cat.image("SubLine_21", hline(300, 6, INK, 0.6))
    for name in ("LeftSlider_14", "RightSlider_15"):
        cat.frames(name, 0, 0, [(glint(False), (60, 6))])
        cat.frames(name, 0, 1, [(glint(True), (60, 6))])
    # The faders hide the title and its line, then grow transparent.  The
    # title frame does not scale them, so they are as large as what they hide
    # (the game's other faders are 32 x 32 and scaled to the screen).
    white = (1, 1, 1, 1)
    cat.frames("TitleFader_16", 0, 0, [(cover(700, 125, white), (0, 0))])
    cat.frames("TitleFader_16", 0, 1, [(cover(700, 125, white), (0, 0))])
    cat.frames("TheGameFader_17", 0, 0, [(cover(320, 52, white), (0, 0))])
    cat.frames("TheGameFader_17", 0, 1, [(cover(320, 52, white), (0, 0))])

    cat.image("VelmoraTitle_29", title())
    cat.image("MainMenu_31", menu_band(200 - STEP, ["book", "flask", "erase", "gear", "note", "scroll", "door"]))
    cat.image("SlotMenu_32", menu_band(248, ["1", "2", "3", "back"]))
    cat.image("OptionsMenu_38", menu_band(299, ["quality", "window", "back"]))
    main = [("TutorialLabel_41", "Tutorial", 69), ("PlayLabel_42", "Play", 184), ("EraseLabel_43", "Erase", 281),
            ("OptionsLabel_44", "Options", 375), ("CreditsLabel_46", "Credits", 577), ("ExitLabel_47", "Exit", 688)]
    for name, text, x in main:
        stop = 199 + (["Tutorial", "Play", "Erase", "Options", "Film", "Credits", "Exit"].index(text) - 1) * STEP
        cat.image(name, label(text, stop - x))
    # "Film & music" is set on two lines, starting 15 pixels higher
    s, ctx = surface(2 * (199 + 3 * STEP - 482) + 16, 34)
    c = 199 + 3 * STEP - 482
    # the stop is only 18 pixels right of the label's edge: a smaller size fits
    textfont.draw(ctx, "Film &", c, 13, 12, INK, "center")
    textfont.draw(ctx, "music", c, 28, 12, INK, "center")
    cat.image("FilmMusicLabel_45", s)
    cat.image("BackLabel_48", label("Back", 16))
    cat.image("PressEnterToContinue_62", label("Press Enter to continue", 92, 16))

    for name in ("MainMenuSelector_30", "SlotMenuSelector_33", "OptionsMenuSelector_39"):
        cat.frames(name, 0, 0, [(selector(), (32, 32))])
    cat.frames("EraseBlob_35", 0, 0, [(erase_blob(f / 17.0), (48, 20)) for f in range(18)], 26, False)
    hold = centred_text("Hold Enter to erase", 14, (0.70, 0.20, 0.22))
    cat.frames("HoldEnterToEraseLabel_49", 0, 0, [(hold, (hold.get_width() // 2, 9))])
    rs = centred_text("Restart the game for window mode to update", 14, (0.45, 0.40, 0.55))
    cat.frames("RestartTheGameForWindowModeToUpdate_55", 0, 0, [(rs, (rs.get_width() // 2, 9))])

    def labelled(name, texts):
        pics = [centred_text(t) for t in texts]
        w = max(p.get_width() for p in pics)
        cat.frames(name, 0, 0, [(p, (p.get_width() // 2, 5)) for p in pics], 0)
        return w

    labelled("QualityLabel_50", ["High", "Medium", "Low"])
    labelled("FullscreenLabel_51", ["Window", "Fullscreen"])
    for n in (1, 2, 3):
        labelled("Slot%dLabel_%d" % (n, 51 + n), ["New game", "Continue"])

    # Information pages: about the game, about its music, about its engine.
    cat.image("Alchemyinfo_60", info_page("Velmora", [
        "An alchemist wanders the dusk-lit caves and woods of Velmora, gathering",
        "what the world leaves behind. Furnaces, altars and old chests transmute",
        "what they are given: bring the right thing to the right place."], 11))
    cat.image("Ostrelinfo_61", info_page("Music and sound", [
        "The songs, the ambiance and every sound of Velmora are synthesised",
        "when the game is built: soft instruments, slow harmony, a little reverb,",
        "all rendered by the game's own generator."], 12))
    cat.image("Quilloninfo_63", info_page("The Corvane engine", [
        "Velmora runs on Corvane, a small engine of frames, layers and animated",
        "objects, drawn with OpenGL and heard through OpenAL."], 13))
    links = {"VelmoraLink_56": "Velmora on the web", "OstrelBandcampLink_57": "Listen to the music",
             "OstrelLink_58": "How the music is made", "TarrowinLink_64": "The Corvane engine",
             "GreenlightLink_65": "The project page"}
    for name, text in links.items():
        for d in (0, 1):
            pic = link_text(text, d == 1)
            cat.frames(name, 0, d, [(pic, (pic.get_width() // 2, 13))])
    # The menu's screen fader: direction 1 (its start) fades from dark.
    cat.frames("ScreenFader_36", 0, 0, [(cover(32, 32, (1, 1, 1, 1)), (0, 0))])
    cat.frames("ScreenFader_36", 0, 1, [(cover(32, 32, (0.05, 0.03, 0.08, 1)), (0, 0))])
