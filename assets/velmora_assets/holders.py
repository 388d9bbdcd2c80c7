"""Active types that only carry values: never meant to be seen, they still
have a picture (a small token) because every active shows one image."""
import math

from .paint import rgba, surface

HOLDERS = ["FrameVariables_13", "KeyboardVariables_34", "FrameVariables_37", "SceneryGeneratorVariables_68",
           "SceneryGeneratorConstants_69", "KeyboardVariables_83", "AmbianceVolumes_109",
           "AmbianceFrequencies_110", "MusicValues_111", "SoundValues_112", "FrameVariables_115",
           "TextGenerator_141", "LastTextInfo_142"]


def token():
    s, ctx = surface(16, 16)
    ctx.arc(8, 8, 6.5, 0, math.tau)
    rgba(ctx, (0.55, 0.50, 0.70, 0.8))
    ctx.fill_preserve()
    rgba(ctx, (0.16, 0.12, 0.26))
    ctx.set_line_width(1)
    ctx.stroke()
    return s


def build(cat):
    name = cat.image("ValueHolder.token", token(), (8, 8))
    for t in HOLDERS:
        cat.sequence(t, 0, 0, [name], 50)
