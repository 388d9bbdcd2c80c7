#!/usr/bin/python3
"""Checks the generated game data in a game directory.

    /usr/bin/python3 assets/check_tables.py GAME_DIR

Every image entry must decode from Sprites.dat at its offset, offsets must
strictly increase, every sequence must name existing entries, and every
animation, direction and frame count the game relies on must be there.
"""
import io
import os
import sys
import wave

import cairo

ACTIVES_WITH_ONLY_ANIMATION_0 = [
    "FrameVariables_13", "KeyboardVariables_34", "FrameVariables_37", "SceneryGeneratorVariables_68",
    "SceneryGeneratorConstants_69", "KeyboardVariables_83", "AmbianceVolumes_109", "AmbianceFrequencies_110",
    "MusicValues_111", "SoundValues_112", "FrameVariables_115", "TextGenerator_141", "LastTextInfo_142",
    "MainMenuSelector_30", "SlotMenuSelector_33", "OptionsMenuSelector_39", "HoldEnterToEraseLabel_49",
    "RestartTheGameForWindowModeToUpdate_55", "Glow1_71", "Glow2_76", "Glow3_77", "Glow4_78", "Fog5_79",
    "Fog6_80", "PlayerItemBackground_88", "ContainerItemBackground_91", "Equipped_93",
    "PlayerItemsBackground_101", "BlockedTransferBackground_114", "SpeechBubbleBackground_117",
    "WinSprite_126", "HiddenSavepoint_129", "UsageInfoBackground_130", "EraseBlob_35",
]
BACKDROPS = ["TitleLine_18", "Title_19", "DocumentaryTitle_20", "SubLine_21", "VelmoraTitle_29", "MainMenu_31",
             "SlotMenu_32", "OptionsMenu_38", "TutorialLabel_41", "PlayLabel_42", "EraseLabel_43",
             "OptionsLabel_44", "FilmMusicLabel_45", "CreditsLabel_46", "ExitLabel_47", "BackLabel_48",
             "Alchemyinfo_60", "Ostrelinfo_61", "PressEnterToContinue_62", "Quilloninfo_63"]

# (type, animation, directions that must be defined, least number of frames)
REQUIRED = [
    ("Logotypes_11", 0, [0, 1, 2], 1),
    ("LeftSlider_14", 0, [0, 1], 1), ("RightSlider_15", 0, [0, 1], 1),
    ("TitleFader_16", 0, [0, 1], 1), ("TheGameFader_17", 0, [0, 1], 1),
    ("ScreenFader_36", 0, [0, 1], 1), ("DeathFader_132", 0, [0, 1], 1), ("WinFader_127", 0, [0, 1], 1),
    ("QualityLabel_50", 0, [0], 3), ("FullscreenLabel_51", 0, [0], 2),
    ("Slot1Label_52", 0, [0], 2), ("Slot2Label_53", 0, [0], 2), ("Slot3Label_54", 0, [0], 2),
    ("VelmoraLink_56", 0, [0, 1], 1), ("OstrelBandcampLink_57", 0, [0, 1], 1), ("OstrelLink_58", 0, [0, 1], 1),
    ("TarrowinLink_64", 0, [0, 1], 1), ("GreenlightLink_65", 0, [0, 1], 1),
    ("GradientBottom_66", 0, [1], 1),
    ("TilePaster_67", 12, [0, 1, 7, 8, 9, 15, 16, 17, 23, 24, 25, 31], 1),
    ("TilePaster_67", 13, [0, 8, 16, 24], 1), ("TilePaster_67", 14, [0, 8, 16, 24], 1),
    ("TilePaster_67", 15, [0, 16], 1), ("TilePaster_67", 16, [], 1), ("TilePaster_67", 17, [0, 8, 16], 1),
    ("TilePaster_67", 18, [0, 8, 16, 24], 1), ("TilePaster_67", 19, list(range(8)), 1),
    ("ObstacleTilePaster_81", 0, [4, 12, 16, 20, 28], 1),
    ("SineRotator_70", 12, [], 1), ("SineRotator_70", 13, [], 1), ("SineRotator_70", 14, [], 1),
    ("SineRotator_70", 15, [], 1), ("SineRotator_70", 16, [], 1), ("SineRotator_70", 17, [], 1),
    ("SineRotator_70", 18, [], 1), ("SineRotator_70", 19, [], 1), ("SineRotator_70", 20, [], 1),
    ("Glow1_71", 0, [], 2), ("Fog5_79", 0, [], 3), ("Fog6_80", 0, [], 3),
    ("StaticDecorationAnimation_73", 12, [], 3), ("StaticDecorationAnimation_73", 13, [], 1),
    ("StaticDecorationAnimation_73", 14, [], 1), ("StaticDecorationAnimation_73", 15, [], 1),
    ("StaticDecorationAnimation_73", 16, [], 62), ("StaticDecorationAnimation_73", 17, [], 1),
    ("Firefly_75", 1, [], 1),
    ("TheAlchemist_82", 1, [0, 16], 2), ("TheAlchemist_82", 2, [0, 16], 2), ("TheAlchemist_82", 7, [0, 16], 1),
    ("TheAlchemist_82", 8, [0, 16], 1), ("TheAlchemist_82", 9, [0, 16], 2), ("TheAlchemist_82", 14, [0, 16], 2),
    ("TheAlchemist_82", 15, [0, 16], 2), ("TheAlchemist_82", 12, [], 1), ("TheAlchemist_82", 13, [], 1),
    ("TheAlchemist_82", 16, [], 1),
    ("ContainerDisplay_84", 12, [], 1), ("ContainerDisplay_84", 13, [], 3), ("ContainerDisplay_84", 14, [], 2),
    ("ContainerDisplay_84", 15, [], 2), ("ContainerDisplay_84", 16, [], 1), ("ContainerDisplay_84", 17, [], 1),
    ("ContainerDisplay_84", 18, [], 1),
    ("ItemContainer_89", 12, [0, 16], 1),
    ("ItemMarker_92", 1, [0, 16], 1), ("ItemMarker_92", 2, [0, 16], 1),
    ("WaterSurface_94", 0, [1, 2, 3, 4], 1), ("WaterWave_97", 0, [1], 1),
    ("WaterSurfaceGlimmer_98", 0, [], 1),
    ("WaterBubble_96", 1, [], 24), ("WaterDistortion_100", 0, [16], 1),
    ("AutomaticallyPlacedBackgrounds_99", 12, [], 1),
    ("ContainerItemsBackground_102", 0, [0, 16], 1),
    ("Stream_104", 0, [1, 2], 60),
    ("Walker_105", 12, [0, 4, 12, 16], 1), ("Dangers_106", 12, [], 1),
    ("Effect_107", 12, [], 2), ("PlayerInteractionLight_108", 0, [1, 2], 1),
    ("People_116", 12, [], 2), ("People_116", 13, [], 2), ("People_116", 14, [], 2), ("People_116", 15, [], 2),
    ("People_116", 16, [], 2), ("People_116", 17, [], 2), ("People_116", 18, [], 2), ("People_116", 19, [], 2),
    ("People_116", 20, [], 2), ("People_116", 21, [], 2), ("People_116", 22, [], 2), ("People_116", 23, [], 2),
    ("People_116", 24, [], 2),
    ("Exploder_118", 1, [], 2), ("Exploder_118", 2, [], 2),
    ("Bullet_119", 12, [], 1), ("Bullet_119", 13, [], 24), ("StepSmoke_120", 12, [], 1),
    ("Birdfly_125", 1, [], 2), ("Birdfly_125", 2, [], 2),
    ("DropRow_131", 0, [1], 1), ("Teleporter_133", 0, [], 1),
    ("TextBlitter_143", 12, [0], 98), ("TextBlitter_143", 13, [0], 98),
]

SOUNDS = (["Footstep Dirt %s.wav" % c for c in "ABCDEFGHI"] + ["Splash Up.wav", "Splash Down.wav", "Hurt.ogg"]
          + ["Footstep Underwater %s.wav" % c for c in "ABC"]
          + ["Exploder Appear.wav", "Exploder Attack.wav", "Move Cursor.wav", "Select.wav", "Erase.wav",
             "Complete Erase.wav"])


class Checks:
    def __init__(self):
        self.passed = 0
        self.failed = 0

    def check(self, ok, what):
        if ok:
            self.passed += 1
        else:
            self.failed += 1
            print("FAILED: " + what)


def main(game_dir):
    c = Checks()
    world = os.path.join(game_dir, "World")
    data = open(os.path.join(world, "Sprites.dat"), "rb").read()
    entries = {}
    sizes = {}
    pictures = {}
    last = -1
    for n, line in enumerate(l for l in open(os.path.join(world, "Images.txt")) if not l.startswith("#")):
        index, name, offset, hx, hy, ax, ay = line.split()
        offset = int(offset)
        c.check(int(index) == n, "index %s in order" % index)
        c.check(offset > last, "offset of %s increases" % name)
        last = offset
        try:
            pic = cairo.ImageSurface.create_from_png(io.BytesIO(data[offset:]))
            sizes[name] = (pic.get_width(), pic.get_height())
            pictures[name] = pic
        except Exception as e:  # a stream that does not decode
            c.check(False, "%s decodes (%s)" % (name, e))
        entries[name] = (int(hx), int(hy), int(ax), int(ay))
    seqs = {}
    for line in open(os.path.join(world, "Animations.txt")):
        if line.startswith("#"):
            continue
        f = line.split()
        t, anim, d, lo, hi, loop, back = f[0], int(f[1]), int(f[2]), int(f[3]), int(f[4]), int(f[5]), int(f[6])
        names = f[7:]
        c.check(0 <= d < 32 and lo == hi and loop in (0, 1) and 0 <= back < len(names),
                "sequence fields of %s %d %d" % (t, anim, d))
        c.check(all(n in entries for n in names), "images of %s %d %d exist" % (t, anim, d))
        c.check((t, anim, d) not in seqs, "%s %d %d defined once" % (t, anim, d))
        seqs[(t, anim, d)] = names
    types = {t for t, _, _ in seqs}
    for t in sorted(types):
        c.check((t, 0) in {(k[0], k[1]) for k in seqs}, "%s has animation 0" % t)
    for t in ACTIVES_WITH_ONLY_ANIMATION_0:
        c.check(t in types, "%s has animations" % t)
    for t, anim, dirs, least in REQUIRED:
        have = {d: n for (tt, a, d), n in seqs.items() if tt == t and a == anim}
        c.check(bool(have), "%s animation %d exists" % (t, anim))
        for d in dirs:
            c.check(d in have, "%s animation %d direction %d" % (t, anim, d))
        counted = [have[d] for d in dirs if d in have] if dirs else list(have.values())
        c.check(all(len(n) >= least for n in counted), "%s animation %d has %d frames" % (t, anim, least))
    for b in BACKDROPS:
        c.check(b in entries, "backdrop picture %s" % b)
    # pictures the game sizes or scales by known amounts
    for name in seqs[("GradientBottom_66", 0, 1)]:
        c.check(sizes.get(name) == (256, 256), "sky gradient is 256 x 256")
    for t in ("ScreenFader_36", "DeathFader_132", "WinFader_127"):
        for d in (0, 1):
            c.check(sizes.get(seqs[(t, 0, d)][0]) == (32, 32), "%s is 32 x 32" % t)
    rise = seqs[("WaterBubble_96", 1, 0)]
    xs = [entries[n][0] for n in rise]
    c.check(all(b < a for a, b in zip(xs, xs[1:])) and xs[0] - xs[-1] == 23, "bubble hot spots shift 23 px")
    for n in seqs[("TextBlitter_143", 12, 0)] + seqs[("TextBlitter_143", 13, 0)]:
        hx, hy, ax, ay = entries[n]
        c.check((hx, hy) == (0, 0) and ax > 0, "glyph %s: hot spot top left, advance in the action point" % n)
    # obstacle shapes are exact: (pixel, solid) for the full tile and the slopes
    shapes = {16: [((0, 0), 1), ((31, 31), 1), ((31, 0), 1)],
              4: [((1, 30), 1), ((30, 1), 0), ((0, 31), 1)], 12: [((30, 30), 1), ((1, 1), 0), ((31, 31), 1)],
              20: [((30, 1), 1), ((1, 30), 0)], 28: [((1, 1), 1), ((30, 30), 0)]}
    for d, probes in shapes.items():
        pic = pictures[seqs[("ObstacleTilePaster_81", 0, d)][0]]
        px = pic.get_data()
        for (x, y), solid in probes:
            a = px[y * pic.get_stride() + x * 4 + 3]
            c.check((a == 255) if solid else (a == 0), "obstacle %d at %d,%d" % (d, x, y))
        alphas = [px[y * pic.get_stride() + x * 4 + 3] for y in range(32) for x in range(32)]
        c.check(all(a in (0, 255) for a in alphas), "obstacle %d has hard edges" % d)
    # the alchemist stands on the cell floor: shown frames end 15 px below the hot spot
    for anim in (1, 2, 9, 14):
        for d in (0, 16):
            for n in seqs[("TheAlchemist_82", anim, d)]:
                c.check(sizes[n][1] - entries[n][1] == 16, "%s ends at y + 15" % n)
    box = seqs[("TheAlchemist_82", 12, 0)][0]
    c.check(sizes[box][1] - entries[box][1] == 16 and sizes[box][1] < 32 and sizes[box][0] < 32,
            "movement box: feet at y + 15 and smaller than a tile")
    for n in SOUNDS:
        path = os.path.join(world, "Sounds", n)
        c.check(os.path.isfile(path), "sound " + n)
        if n.endswith(".wav") and os.path.isfile(path):
            with wave.open(path) as w:
                c.check(w.getsampwidth() == 2 and w.getnframes() > 0, n + " is 16-bit PCM")
        elif os.path.isfile(path):
            c.check(open(path, "rb").read(4) == b"OggS", n + " is Ogg")
    for folder, least in (("Music", 5), ("Ambiance", 4)):
        files = [f for f in os.listdir(os.path.join(world, folder)) if f.endswith(".ogg")]
        c.check(len(files) >= least, "%d files in %s" % (least, folder))
        for f in files:
            c.check(open(os.path.join(world, folder, f), "rb").read(4) == b"OggS", f + " is Ogg")
    c.check(os.path.isfile(os.path.join(game_dir, "Data", "Blank Item.png")), "Blank Item.png")
    print("%d passed, %d failed" % (c.passed, c.failed))
    return 1 if c.failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
