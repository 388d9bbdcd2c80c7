"""Sound effects, ambiance beds and music, made in a second process while
the pictures are drawn, and encoded by oggenc where the format is Ogg."""
import math
import multiprocessing
import os

import numpy as np

from . import music
from .synth import band, decay, env, loop_crossfade, normalise, reverb, start_ogg, write_wav

SR = 44100  # the game pitches effects and ambiance in Hz around 44100

MUSIC_DIR = "Music"
AMBIANCE_DIR = "Ambiance"
AMBIANCE = ["Wind", "Cave Drips", "Water", "Night Insects"]


def _noise(n, seed):
    return np.random.default_rng(seed).standard_normal(n)


def footstep(seed):
    r = np.random.default_rng(seed)
    n = int(0.18 * SR)
    t = np.arange(n) / SR
    thump = np.sin(2 * np.pi * (70 + 30 * r.random()) * t) * decay(n, SR, 0.03)
    crunch = band(_noise(n, seed + 1), SR, 400 + 300 * r.random(), 2500 + 1500 * r.random())
    grains = np.zeros(n)
    for _ in range(6):
        i = int(r.random() * 0.05 * SR)
        grains[i:i + 300] += r.standard_normal(300) * np.exp(-np.arange(300) / 60.0)
    crunch = crunch * decay(n, SR, 0.04) + band(grains, SR, 800, 5000) * 0.5
    return normalise(thump * 0.9 + crunch * 0.6, 0.7)


def bubbles(n, count, seed, lo=300, hi=900, start=0.0, spread=1.0):
    r = np.random.default_rng(seed)
    y = np.zeros(n)
    for _ in range(count):
        i = int((start + r.random() * spread) * (n - 4000))
        m = int(0.03 * SR + r.random() * 0.04 * SR)
        tt = np.arange(m) / SR
        f0 = lo + r.random() * (hi - lo)
        y[i:i + m] += np.sin(2 * np.pi * f0 * (1 + 8 * tt) * tt) * np.exp(-tt * 60) * (0.3 + r.random() * 0.5)
    return y


def underwater_step(seed):
    n = int(0.3 * SR)
    t = np.arange(n) / SR
    thump = band(np.sin(2 * np.pi * 55 * t) * decay(n, SR, 0.06) + _noise(n, seed) * decay(n, SR, 0.05) * 0.3,
                 SR, None, 600)
    return normalise(thump + bubbles(n, 4, seed + 5, 250, 700) * 0.5, 0.65)


def splash(down, seed):
    n = int((0.9 if down else 0.6) * SR)
    t = np.arange(n) / SR
    body = band(_noise(n, seed), SR, 300, 6000) * np.exp(-t * (5 if down else 8)) * env(n, SR, 0.01, 0.1)
    low = band(_noise(n, seed + 1), SR, None, 400) * np.exp(-t * 6) * (0.8 if down else 0.3)
    drops = bubbles(n, 14 if down else 8, seed + 2, 500, 1500, 0.1, 0.8) * 0.35
    return normalise(body + low + drops, 0.75)


def hurt():
    n = int(0.9 * SR)
    t = np.arange(n) / SR
    f = 320 * np.exp(-t * 0.8)
    ph = 2 * np.pi * np.cumsum(f) / SR
    voice = sum(np.sin(ph * k) / k for k in range(1, 8))
    voice = band(voice, SR, 250, 1800) * env(n, SR, 0.03, 0.4)
    thud = np.sin(2 * np.pi * 60 * t) * decay(n, SR, 0.12)
    return normalise(voice * 0.7 + thud, 0.8)


def exploder_appear():
    n = int(0.7 * SR)
    t = np.arange(n) / SR
    whoosh = band(_noise(n, 41), SR, 300, 3000) * (t / t[-1]) ** 2 * env(n, SR, 0.01, 0.08)
    rise = np.sin(2 * np.pi * np.cumsum(150 + 500 * (t / t[-1]) ** 2) / SR) * env(n, SR, 0.2, 0.1) * 0.4
    return normalise(whoosh + rise, 0.75)


def exploder_attack():
    n = int(0.8 * SR)
    t = np.arange(n) / SR
    boom = np.sin(2 * np.pi * np.cumsum(90 * np.exp(-t * 4) + 40) / SR) * decay(n, SR, 0.18)
    pop = band(_noise(n, 42), SR, 200, 5000) * decay(n, SR, 0.05)
    crackle = band(bubbles(n, 10, 43, 1500, 3000, 0.05, 0.5), SR, 1000, None) * 0.4
    return normalise(boom + pop * 0.8 + crackle, 0.85)


def chime(notes, spacing, length, bright=1.0):
    n = int(length * SR)
    y = np.zeros(n)
    for k, f in enumerate(notes):
        i = int(k * spacing * SR)
        m = n - i
        tt = np.arange(m) / SR
        y[i:] += (np.sin(2 * np.pi * f * tt) + 0.3 * bright * np.sin(2 * np.pi * 2.01 * f * tt) * np.exp(-tt * 8)) \
            * np.exp(-tt * 7) * np.clip(tt / 0.003, 0, 1)
    return y


def move_cursor():
    return normalise(chime([1175.0], 0, 0.14, 0.5), 0.5)


def select():
    return normalise(chime([659.3, 987.8], 0.07, 0.5), 0.6)


def erase():
    n = int(1.4 * SR)
    t = np.arange(n) / SR
    f = 300 + 500 * t / t[-1]
    y = np.sin(2 * np.pi * np.cumsum(f) / SR) * 0.5
    y += band(_noise(n, 61), SR, 2000, 8000) * 0.25 * (t / t[-1])
    y *= (0.6 + 0.4 * np.sin(2 * np.pi * 9 * t)) * env(n, SR, 0.05, 0.1)
    return normalise(y, 0.55)


def complete_erase():
    n = int(1.0 * SR)
    t = np.arange(n) / SR
    whoosh = band(_noise(n, 62), SR, 400, 4000) * np.exp(-t * 5) * env(n, SR, 0.005, 0.2)
    low = chime([196.0, 233.1, 293.7], 0.0, 1.0, 0.3) * 0.6
    return normalise(whoosh + low, 0.65)


def wind(seconds, seed):
    n = int(seconds * SR)
    t = np.arange(n) / SR
    base = _noise(n, seed)
    slow = 0.55 + 0.45 * np.sin(2 * np.pi * t / 7.3) * np.sin(2 * np.pi * t / 3.1 + 1)
    lowband = band(base, SR, 120, 700) * slow
    whistle = band(_noise(n, seed + 1), SR, 700, 1400) * (0.3 + 0.3 * np.sin(2 * np.pi * t / 5.2)) * 0.4
    return lowband + whistle


def cave(seconds, seed):
    n = int(seconds * SR)
    r = np.random.default_rng(seed)
    y = band(_noise(n, seed), SR, 40, 180) * 0.3
    t = 0.3
    while t < seconds - 0.5:
        i = int(t * SR)
        m = int(0.25 * SR)
        tt = np.arange(m) / SR
        f = 900 + r.random() * 1400
        y[i:i + m] += np.sin(2 * np.pi * f * (1 + 0.6 * tt) * tt) * np.exp(-tt * 30) * (0.3 + 0.6 * r.random())
        t += 0.4 + r.random() * 1.6
    st = reverb(np.stack([y, y], axis=1), SR, 3.5, 0.55, seed)
    return st.mean(axis=1)


def water(seconds, seed):
    n = int(seconds * SR)
    t = np.arange(n) / SR
    flow = band(_noise(n, seed), SR, 200, 2500) * (0.7 + 0.3 * np.sin(2 * np.pi * t / 4.1))
    return flow * 0.6 + bubbles(n, int(seconds * 6), seed + 3, 400, 1200) * 0.5


def insects(seconds, seed):
    n = int(seconds * SR)
    t = np.arange(n) / SR
    r = np.random.default_rng(seed)
    y = band(_noise(n, seed), SR, 2000, 6000) * 0.03
    for k in range(3):
        f = 4200 + 700 * k
        rate = 14 + 4 * k + r.random() * 3
        chirp = (np.sin(2 * np.pi * rate * t) > 0.3).astype(float)
        gate = (np.sin(2 * np.pi * t / (1.7 + 0.6 * k) + k) > -0.2).astype(float)
        gate = band(gate, SR, None, 20)
        y += np.sin(2 * np.pi * f * t) * band(chirp, SR, None, 200) * gate * (0.25 - 0.05 * k)
    return y


def make_effects(sounds_dir):
    os.makedirs(sounds_dir, exist_ok=True)
    wavs = {}
    for k, letter in enumerate("ABCDEFGHI"):
        wavs["Footstep Dirt %s.wav" % letter] = footstep(100 + k)
    for k, letter in enumerate("ABC"):
        wavs["Footstep Underwater %s.wav" % letter] = underwater_step(200 + k)
    wavs["Splash Up.wav"] = splash(False, 300)
    wavs["Splash Down.wav"] = splash(True, 301)
    wavs["Exploder Appear.wav"] = exploder_appear()
    wavs["Exploder Attack.wav"] = exploder_attack()
    wavs["Move Cursor.wav"] = move_cursor()
    wavs["Select.wav"] = select()
    wavs["Erase.wav"] = erase()
    wavs["Complete Erase.wav"] = complete_erase()
    for name in sorted(wavs):
        write_wav(os.path.join(sounds_dir, name), wavs[name], SR)
    return hurt()


def _job(game_dir, work_dir):
    world = os.path.join(game_dir, "World")
    tmp = os.path.join(work_dir, "audio")
    os.makedirs(tmp, exist_ok=True)
    encoders = []

    def ogg(name, x, sr, dest):
        wav = os.path.join(tmp, os.path.basename(dest)[:-4] + ".wav")
        write_wav(wav, x, sr)
        encoders.append(start_ogg(wav, dest))

    sounds = os.path.join(world, "Sounds")
    ogg("Hurt", make_effects(sounds), SR, os.path.join(sounds, "Hurt.ogg"))
    amb = os.path.join(world, AMBIANCE_DIR)
    os.makedirs(amb, exist_ok=True)
    for k, (name, fn) in enumerate(zip(AMBIANCE, (wind, cave, water, insects))):
        x = loop_crossfade(fn(26.0, 900 + k), SR, 2.0)
        ogg(name, normalise(x, 0.6), SR, os.path.join(amb, name + ".ogg"))
    mus = os.path.join(world, MUSIC_DIR)
    os.makedirs(mus, exist_ok=True)
    for title in music.SONGS:
        ogg(title, music.Song(title).render(), music.SR, os.path.join(mus, title + ".ogg"))
    failed = [p.args for p in encoders if p.wait() != 0]
    if failed:
        raise SystemExit("oggenc failed: %s" % failed)


class _Running:
    def __init__(self, proc):
        self.proc = proc

    def finish(self):
        self.proc.join()
        if self.proc.exitcode != 0:
            raise SystemExit("sound generation failed")


def start(game_dir, work_dir):
    proc = multiprocessing.get_context("fork").Process(target=_job, args=(game_dir, work_dir))
    proc.start()
    return _Running(proc)
