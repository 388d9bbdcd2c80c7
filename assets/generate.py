#!/usr/bin/python3
"""Velmora's data generator.

    /usr/bin/python3 assets/generate.py --game-dir GAME --font TTF --work-dir DIR
                     [--contact-sheet PNG] [--no-audio]

Writes World/Sprites.dat, World/Images.txt, World/Animations.txt,
World/Sounds/*, World/Music/*, World/Ambiance/* and Data/Blank Item.png
into the game directory.  Everything is made from fixed seeds: the same
sources give the same bytes.
"""
import argparse
import os
import sys
import time


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--game-dir", required=True)
    ap.add_argument("--font", required=True)
    ap.add_argument("--work-dir", required=True)
    ap.add_argument("--contact-sheet")
    ap.add_argument("--no-audio", action="store_true")
    args = ap.parse_args()

    # Fontconfig sees only the game's own font, with its cache in the build
    # directory, so the glyphs never depend on what the machine has installed.
    os.makedirs(args.work_dir, exist_ok=True)
    conf = os.path.join(args.work_dir, "fonts.conf")
    with open(conf, "w") as f:
        f.write('<?xml version="1.0"?>\n<!DOCTYPE fontconfig SYSTEM "fonts.dtd">\n<fontconfig>\n'
                "<dir>%s</dir>\n<cachedir>%s</cachedir>\n</fontconfig>\n"
                % (os.path.dirname(os.path.abspath(args.font)), os.path.join(os.path.abspath(args.work_dir), "fc")))
    os.environ["FONTCONFIG_FILE"] = conf

    sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
    from velmora_assets import pictures
    start = time.time()
    audio = None
    if not args.no_audio:
        from velmora_assets import sound
        audio = sound.start(args.game_dir, args.work_dir)
    cat = pictures.build_all(args.game_dir)
    print("pictures: %d image entries, %d active types, %.1f s"
          % (len(cat.entries), len(cat.types), time.time() - start))
    if args.contact_sheet:
        from velmora_assets import contact
        contact.render(cat, args.contact_sheet)
    if audio:
        audio.finish()
        print("sounds and music done, %.1f s" % (time.time() - start))
    return 0


if __name__ == "__main__":
    sys.exit(main())
