"""Small synthesiser: soft instruments, filters, reverb and file writers."""
import math
import os
import subprocess
import wave

import numpy as np


def band(x, sr, lo, hi):
    """Band-pass by FFT mask with soft shoulders (lo or hi may be None)."""
    n = len(x)
    spectrum = np.fft.rfft(x)
    f = np.fft.rfftfreq(n, 1.0 / sr)
    m = np.ones_like(f)
    if lo:
        m *= 1.0 / (1.0 + (lo / np.maximum(f, 1e-3)) ** 4)
    if hi:
        m *= 1.0 / (1.0 + (f / hi) ** 4)
    return np.fft.irfft(spectrum * m, n)


def env(n, sr, attack, release, hold=None):
    t = np.arange(n) / sr
    a = np.clip(t / max(attack, 1e-4), 0, 1)
    end = n / sr
    r = np.clip((end - t) / max(release, 1e-4), 0, 1)
    return a * r


def decay(n, sr, tau):
    return np.exp(-np.arange(n) / (sr * tau))


def hz(midi):
    return 440.0 * 2 ** ((midi - 69) / 12.0)


class Instruments:
    """Renders notes once and reuses them (a song repeats its notes a lot)."""

    def __init__(self, sr):
        self.sr = sr
        self.cache = {}

    def note(self, kind, midi, dur):
        key = (kind, midi, round(dur, 3))
        if key not in self.cache:
            self.cache[key] = getattr(self, "_" + kind)(hz(midi), dur)
        return self.cache[key]

    def _t(self, seconds):
        return np.arange(int(seconds * self.sr)) / self.sr

    def _epiano(self, f, dur):
        t = self._t(dur + 1.2)
        y = np.zeros_like(t)
        for k, amp in ((1, 1.0), (2, 0.35), (3, 0.12), (4, 0.05)):
            y += amp * np.sin(2 * np.pi * f * k * t + 0.3 * k) * np.exp(-t * (1.6 + 1.3 * k))
        y += 0.2 * np.sin(2 * np.pi * f * 1.003 * t) * np.exp(-t * 1.2)
        return y * env(len(t), self.sr, 0.004, 0.3) * 0.5

    def _pad(self, f, dur):
        t = self._t(dur + 0.8)
        y = np.zeros_like(t)
        for det in (-0.004, 0.0, 0.005):
            ph = 2 * np.pi * f * (1 + det) * t
            y += np.sin(ph) + 0.25 * np.sin(2 * ph) + 0.08 * np.sin(3 * ph)
        y *= 0.5 + 0.5 * (0.85 + 0.15 * np.sin(2 * np.pi * 0.3 * t))
        return y * env(len(t), self.sr, 0.6, 0.8) * 0.12

    def _pluck(self, f, dur):
        t = self._t(min(dur, 0.6) + 0.8)
        y = (np.sin(2 * np.pi * f * t) + 0.4 * np.sin(4 * np.pi * f * t) * np.exp(-t * 6)
             + 0.15 * np.sin(6 * np.pi * f * t) * np.exp(-t * 10))
        return y * np.exp(-t * 3.2) * env(len(t), self.sr, 0.002, 0.2) * 0.4

    def _bass(self, f, dur):
        t = self._t(dur + 0.3)
        y = np.sin(2 * np.pi * f * t) + 0.25 * np.sin(4 * np.pi * f * t) * np.exp(-t * 2)
        return y * np.exp(-t * 0.9) * env(len(t), self.sr, 0.02, 0.25) * 0.55

    def _flute(self, f, dur):
        t = self._t(dur + 0.25)
        vib = 1 + 0.004 * np.sin(2 * np.pi * 5.0 * t) * np.clip((t - 0.25) * 3, 0, 1)
        ph = 2 * np.pi * f * np.cumsum(vib) / self.sr
        y = np.sin(ph) + 0.18 * np.sin(2 * ph) + 0.06 * np.sin(3 * ph)
        breath = band(np.random.default_rng(int(f)).standard_normal(len(t)), self.sr, f * 0.8, f * 3) * 0.02
        return (y + breath) * env(len(t), self.sr, 0.06, 0.22) * 0.33

    def _bell(self, f, dur):
        t = self._t(2.5)
        y = np.zeros_like(t)
        for k, amp, d in ((1, 1.0, 1.2), (2.76, 0.4, 2.5), (5.4, 0.2, 4.0), (8.9, 0.08, 6.0)):
            y += amp * np.sin(2 * np.pi * f * k * t) * np.exp(-t * d)
        return y * env(len(t), self.sr, 0.002, 0.3) * 0.22


def reverb(stereo, sr, seconds, mix_amount, seed):
    """Convolution with decaying noise; different tails left and right."""
    n = int(seconds * sr)
    rng = np.random.default_rng(seed)
    out = np.empty_like(stereo)
    length = stereo.shape[0] + n
    size = 1 << int(math.ceil(math.log2(length)))
    for ch in range(2):
        ir = rng.standard_normal(n) * np.exp(-np.arange(n) / (sr * seconds / 5.0))
        ir = band(ir, sr, 200, 5000)
        ir /= np.sqrt(np.sum(ir ** 2))
        wet = np.fft.irfft(np.fft.rfft(stereo[:, ch], size) * np.fft.rfft(ir, size), size)[: stereo.shape[0]]
        out[:, ch] = stereo[:, ch] * (1 - mix_amount) + wet * mix_amount
    return out


def normalise(x, peak=0.89):
    m = np.max(np.abs(x))
    return x * (peak / m) if m > 0 else x


def loop_crossfade(x, sr, fade):
    """Make x loop seamlessly: its last `fade` seconds are folded into the start."""
    n = int(fade * sr)
    body = x[:-n].copy()
    ramp = np.linspace(0, 1, n)
    if x.ndim == 2:
        ramp = ramp[:, None]
    body[:n] = body[:n] * ramp + x[-n:] * (1 - ramp)
    return body


def write_wav(path, x, sr):
    x = np.clip(x, -1, 1)
    if x.ndim == 1:
        x = x[:, None]
    pcm = (x * 32767).astype("<i2")
    with wave.open(path, "wb") as w:
        w.setnchannels(pcm.shape[1])
        w.setsampwidth(2)
        w.setframerate(sr)
        w.writeframes(pcm.tobytes())


def start_ogg(wav_path, ogg_path, quality=4):
    """Encode with oggenc; a fixed serial number keeps the bytes reproducible."""
    return subprocess.Popen(["oggenc", "-Q", "-q", str(quality), "-s", "1", "--discard-comments",
                             "-o", ogg_path, wav_path])
