"""The songs: a menu theme and the gameplay songs, written by rule.

A song is a chord progression in a mode, arranged in sections (intro, A, B,
A, outro) for a soft pad, a bass, an electric piano, a plucked arpeggio and
a lead (flute or bells) singing a melody made of chord tones on the strong
beats and scale steps between them.  The same seed gives the same song.
"""
import math
import random

import numpy as np

from .synth import Instruments, normalise, reverb

SR = 22050

MODES = {"major": [0, 2, 4, 5, 7, 9, 11], "minor": [0, 2, 3, 5, 7, 8, 10], "dorian": [0, 2, 3, 5, 7, 9, 10]}

# title: (root midi, mode, tempo, progression in scale degrees for A and B, lead, seed)
SONGS = {
    "Menu Theme": (62, "dorian", 72, ([0, 5, 3, 4], [5, 3, 0, 4]), "flute", 1),
    "Lanterns Below": (65, "major", 84, ([0, 4, 5, 3], [3, 4, 0, 5]), "bell", 2),
    "Moss and Stone": (57, "minor", 76, ([0, 5, 2, 6], [3, 0, 4, 4]), "flute", 3),
    "Dew Altar": (63, "major", 66, ([0, 3, 5, 4], [1, 4, 0, 3]), "bell", 4),
    "Night Orchard": (67, "dorian", 88, ([0, 3, 0, 6], [5, 3, 6, 4]), "flute", 5),
}


def _chord(scale, root, degree, octave=0):
    """Triad (and a soft seventh) on a scale degree, as midi notes."""
    notes = []
    for step in (0, 2, 4, 6):
        d = degree + step
        notes.append(root + scale[d % 7] + 12 * (d // 7) + 12 * octave)
    return notes


class Song:
    def __init__(self, title):
        self.title = title
        self.root, mode, self.tempo, self.prog, self.lead, seed = SONGS[title]
        self.scale = MODES[mode]
        self.r = random.Random(seed * 7919)
        self.beat = 60.0 / self.tempo
        self.bar = 4 * self.beat
        self.inst = Instruments(SR)
        # intro 4, A 8, B 8, A 8, B 4, outro 4 bars
        self.sections = [("intro", 4), ("A", 8), ("B", 8), ("A", 8), ("B", 4), ("outro", 4)]
        bars = sum(n for _, n in self.sections)
        self.length = bars * self.bar + 4.0
        self.mix = np.zeros((int(self.length * SR) + SR * 3, 2))

    def put(self, kind, midi, start, dur, vol, pan):
        y = self.inst.note(kind, midi, dur) * vol
        i = int(start * SR)
        j = min(len(self.mix), i + len(y))
        left = math.cos((pan + 1) * math.pi / 4)
        right = math.sin((pan + 1) * math.pi / 4)
        self.mix[i:j, 0] += y[: j - i] * left
        self.mix[i:j, 1] += y[: j - i] * right

    def scale_note(self, deg):
        return self.root + self.scale[deg % 7] + 12 * (deg // 7)

    def melody(self, chords):
        """Four bars of melody over four chords, as (beat offset, degree, beats)."""
        rhythms = [[2, 1, 1], [1, 1, 2], [1.5, 0.5, 2], [3, 1], [1, 1, 1, 1], [2, 2], [1, 0.5, 0.5, 2]]
        line = []
        deg = 7 + chords[0]
        for b, chord in enumerate(chords):
            rhythm = self.r.choice(rhythms) if b < 3 else [2, 2]
            t = 0.0
            for k, d in enumerate(rhythm):
                tones = [chord + 7, chord + 9, chord + 11]
                if k == 0 or d >= 2:
                    deg = min(tones, key=lambda x: abs(x - deg) + self.r.random() * 1.5)
                else:
                    deg += self.r.choice([-1, 1, 1, -1, 2, -2])
                deg = max(3, min(13, deg))
                line.append((b * 4 + t, deg, d))
                t += d
        # the phrase comes home to the root
        line[-1] = (line[-1][0], 7, line[-1][2])
        return line

    def render(self):
        t = 0.0
        melodies = {"A": self.melody(self.prog[0]), "B": self.melody(self.prog[1])}
        for name, bars in self.sections:
            prog = self.prog[1] if name == "B" else self.prog[0]
            for b in range(bars):
                degree = prog[b % 4]
                start = t + b * self.bar
                chord = _chord(self.scale, self.root - 12, degree)
                for n in chord[:3]:
                    self.put("pad", n, start, self.bar, 0.9, -0.3 + 0.3 * (n % 3))
                if name != "intro":
                    bass = self.root - 24 + self.scale[degree % 7]
                    self.put("bass", bass, start, self.beat * 2, 1.0, 0.0)
                    self.put("bass", bass + 7, start + 2 * self.beat, self.beat * 1.5, 0.7, 0.0)
                if name in ("A", "outro"):
                    for k, n in enumerate(chord[1:]):
                        self.put("epiano", n, start + k * 0.02 + self.beat * (0 if b % 2 else 1), self.beat * 1.5,
                                 0.55, 0.25)
                if name in ("B", "intro"):
                    arp = chord + [chord[1] + 12]
                    for k in range(8):
                        self.put("pluck", arp[[0, 1, 2, 4, 3, 2, 1, 2][k]] + 12, start + k * self.beat / 2,
                                 self.beat / 2, 0.45 if name == "B" else 0.3, 0.45 - 0.1 * k)
                if name in ("A", "B") and b % 4 == 0:
                    for off, deg, d in melodies[name]:
                        if (b // 4) % 2 == 1 and self.r.random() < 0.3:
                            deg += self.r.choice([-1, 1])  # a small variation on the repeat
                        self.put(self.lead, self.scale_note(deg), start + off * self.beat, d * self.beat * 0.95,
                                 0.85, -0.15)
            t += bars * self.bar
        # the last chord rings out
        for n in _chord(self.scale, self.root - 12, 0)[:3]:
            self.put("pad", n, t, self.bar * 1.5, 0.9, 0.0)
        self.put("bell", self.root + 12, t, 2.0, 0.6, 0.2)
        out = reverb(self.mix, SR, 2.8, 0.32, 17)
        out = out[: int((t + self.bar * 1.5 + 1.5) * SR)]
        fade = int(1.5 * SR)
        out[-fade:] *= np.linspace(1, 0, fade)[:, None]
        return normalise(out, 0.8)
