"""Text drawn with the game's font, Ubuntu Mono (found through fontconfig)."""
import cairo

FAMILY = "Ubuntu Mono"


def set_font(ctx, size):
    ctx.select_font_face(FAMILY, cairo.FONT_SLANT_NORMAL, cairo.FONT_WEIGHT_NORMAL)
    ctx.set_font_size(size)
    opts = cairo.FontOptions()
    opts.set_antialias(cairo.ANTIALIAS_GRAY)
    opts.set_hint_style(cairo.HINT_STYLE_SLIGHT)
    ctx.set_font_options(opts)


def width(ctx, text, size):
    set_font(ctx, size)
    return ctx.text_extents(text).x_advance


def draw(ctx, text, x, y, size, color, align="left", tracking=0.0):
    """Draw text with its baseline at y; align 'left', 'center' or 'right'."""
    set_font(ctx, size)
    total = sum(ctx.text_extents(ch).x_advance + tracking for ch in text) - tracking
    if align == "center":
        x -= total / 2.0
    elif align == "right":
        x -= total
    ctx.set_source_rgba(*(tuple(color) + (1.0,))[:4])
    for ch in text:
        ctx.move_to(x, y)
        ctx.show_text(ch)
        x += ctx.text_extents(ch).x_advance + tracking
    return total
