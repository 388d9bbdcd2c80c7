"""Builds every picture of the game in a fixed order and writes the tables."""
import os

from . import alchemist, credits, creatures, fonts, holders, interface, menus, people, scenery, terrain, water
from .catalog import Catalog
from .pngio import encode_rgba, surface_to_rgba

# The order fixes the layout of Sprites.dat; new art goes at the end so the
# offsets of what exists stay put.
BUILDERS = [menus, holders, terrain, scenery, water, alchemist, people, creatures, interface, fonts, credits]


def build_all(game_dir):
    cat = Catalog()
    blank = None
    credit_pictures = {}
    for module in BUILDERS:
        made = module.build(cat)
        if module is interface:
            blank = made
        elif module is credits:
            credit_pictures = made
    world = os.path.join(game_dir, "World")
    cat.write(world)
    data = os.path.join(game_dir, "Data")
    os.makedirs(data, exist_ok=True)
    with open(os.path.join(data, "Blank Item.png"), "wb") as f:
        f.write(encode_rgba(surface_to_rgba(blank)))
    # Each world folder of the game directory carries its own credits.
    for folder, picture in credit_pictures.items():
        os.makedirs(os.path.join(game_dir, folder), exist_ok=True)
        with open(os.path.join(game_dir, folder, "Credits.png"), "wb") as f:
            f.write(encode_rgba(surface_to_rgba(picture)))
    return cat
