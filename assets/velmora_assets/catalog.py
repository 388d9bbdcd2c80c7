"""The image table and the animation table as the game reads them.

Every picture becomes one entry of the image table (a PNG stream inside
Sprites.dat with its hot spot and action point); every active type gets its
image sequences, one per (animation, direction), listed in Animations.txt.
"""
import os

from .pngio import encode_rgba, surface_to_rgba


class Entry:
    def __init__(self, index, name, rgba, hotspot, action):
        self.index = index
        self.name = name
        self.rgba = rgba
        self.hotspot = hotspot
        self.action = action
        self.png = encode_rgba(rgba)
        self.offset = -1


class Sequence:
    def __init__(self, animation, direction, speed, loop, back_to, names):
        self.animation = animation
        self.direction = direction
        self.speed = speed
        self.loop = loop
        self.back_to = back_to
        self.names = names


class Catalog:
    def __init__(self):
        self.entries = []
        self.by_name = {}
        self.types = {}  # class name -> list of Sequence, in definition order

    # -- images -------------------------------------------------------------
    def image(self, name, picture, hotspot=(0, 0), action=None, premultiplied=False):
        """Add one picture (a cairo surface or an RGBA array); returns its name."""
        if name in self.by_name:
            raise ValueError("duplicate image entry " + name)
        if " " in name:
            raise ValueError("image entry names have no blanks: " + name)
        rgba = picture if hasattr(picture, "shape") else surface_to_rgba(picture, premultiplied)
        hx, hy = int(round(hotspot[0])), int(round(hotspot[1]))
        ax, ay = (hx, hy) if action is None else (int(round(action[0])), int(round(action[1])))
        entry = Entry(len(self.entries), name, rgba, (hx, hy), (ax, ay))
        self.entries.append(entry)
        self.by_name[name] = entry
        return name

    # -- animations ---------------------------------------------------------
    def sequence(self, type_name, animation, direction, names, speed=0, loop=True, back_to=0):
        if not 0 <= direction < 32:
            raise ValueError("direction out of range")
        if not names:
            raise ValueError("a sequence needs at least one image")
        for n in names:
            if n not in self.by_name:
                raise ValueError("unknown image entry " + n)
        seqs = self.types.setdefault(type_name, [])
        for s in seqs:
            if s.animation == animation and s.direction == direction:
                raise ValueError("sequence defined twice: %s %d %d" % (type_name, animation, direction))
        seqs.append(Sequence(animation, direction, speed, loop, back_to, list(names)))

    def frames(self, type_name, animation, direction, pictures, speed=0, loop=True,
               back_to=0, prefix=None):
        """Add pictures [(picture, hotspot, action)] as entries and as one sequence."""
        prefix = prefix or "%s.%d.%d" % (type_name, animation, direction)
        names = []
        for i, item in enumerate(pictures):
            pic, hot = item[0], item[1]
            act = item[2] if len(item) > 2 else None
            names.append(self.image("%s.%02d" % (prefix, i), pic, hot, act))
        self.sequence(type_name, animation, direction, names, speed, loop, back_to)
        return names

    # -- output -------------------------------------------------------------
    def write(self, world_dir):
        os.makedirs(world_dir, exist_ok=True)
        offset = 0
        with open(os.path.join(world_dir, "Sprites.dat"), "wb") as f:
            for e in self.entries:
                e.offset = offset
                f.write(e.png)
                offset += len(e.png)
        with open(os.path.join(world_dir, "Images.txt"), "w", encoding="ascii", newline="\n") as f:
            f.write("# Velmora image table: one entry per line, in Sprites.dat order.\n")
            f.write("# index name offset hotspot_x hotspot_y action_x action_y\n")
            for e in self.entries:
                f.write("%d %s %d %d %d %d %d\n" % (e.index, e.name, e.offset, e.hotspot[0],
                                                   e.hotspot[1], e.action[0], e.action[1]))
        with open(os.path.join(world_dir, "Animations.txt"), "w", encoding="ascii", newline="\n") as f:
            f.write("# Velmora animation table: one image sequence per line, grouped by type.\n")
            f.write("# type animation direction min_speed max_speed loop back_to image...\n")
            for type_name in sorted(self.types):
                for s in self.types[type_name]:
                    f.write("%s %d %d %d %d %d %d %s\n" % (type_name, s.animation, s.direction,
                                                          s.speed, s.speed, 1 if s.loop else 0,
                                                          s.back_to, " ".join(s.names)))
