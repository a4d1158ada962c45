#!/usr/bin/env python3
"""Generate Tapwell's three sound effects.

Writes data/ding.wav, data/uhoh.wav and data/tada.wav next to the other
program data.  All three are mono, 16-bit PCM at 22050 Hz, short, soft
enough for a child's ears, and normalised to a peak of about -6 dBFS.

Only the standard library is used, and the random generator has a fixed
seed, so running the script again gives byte-identical files.

    python3 tools/make_waves.py
"""

import math
import os
import random
import struct
import wave

RATE = 22050
PEAK = 10 ** (-6.0 / 20.0)  # -6 dBFS
TWO_PI = 2.0 * math.pi

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA_DIR = os.path.join(ROOT, "data")

rng = random.Random(20240611)


def silence(seconds):
    return [0.0] * int(round(seconds * RATE))


def raised_cosine(i, n):
    """0 -> 1 over n samples, smooth at both ends."""
    if n <= 0:
        return 1.0
    return 0.5 - 0.5 * math.cos(math.pi * min(i, n) / n)


def envelope(n, attack, release):
    """Smooth fade-in of `attack` seconds and fade-out of `release` seconds."""
    a = max(1, int(attack * RATE))
    r = max(1, int(release * RATE))
    env = []
    for i in range(n):
        g = raised_cosine(i, a)
        left = n - 1 - i
        if left < r:
            g *= raised_cosine(left, r)
        env.append(g)
    return env


def mix_into(buf, sound, start_seconds):
    start = int(round(start_seconds * RATE))
    need = start + len(sound)
    if need > len(buf):
        buf.extend([0.0] * (need - len(buf)))
    for i, s in enumerate(sound):
        buf[start + i] += s


def normalise(samples, peak=PEAK):
    top = max(abs(s) for s in samples) or 1.0
    return [s * peak / top for s in samples]


def write_wav(name, samples):
    path = os.path.join(DATA_DIR, name)
    frames = bytearray()
    for s in samples:
        v = int(round(max(-1.0, min(1.0, s)) * 32767))
        frames += struct.pack("<h", v)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(bytes(frames))
    return path


# --- ding: a right key ------------------------------------------------------

def make_ding():
    """A small bright bell, 120 ms."""
    dur = 0.120
    n = int(dur * RATE)
    base = 1760.0
    # (ratio, level, decay per second) - slightly inharmonic, like a bell;
    # the upper partials die away faster than the fundamental.
    partials = [
        (1.000, 1.00, 28.0),
        (2.002, 0.35, 45.0),
        (2.756, 0.22, 60.0),
        (4.070, 0.10, 90.0),
    ]
    phases = [rng.uniform(0, TWO_PI) for _ in partials]
    env = envelope(n, attack=0.002, release=0.015)
    out = []
    for i in range(n):
        t = i / RATE
        s = 0.0
        for (ratio, level, decay), ph in zip(partials, phases):
            s += level * math.exp(-decay * t) * math.sin(TWO_PI * base * ratio * t + ph)
        out.append(s * env[i])
    return normalise(out)


# --- uh-oh: a wrong key -----------------------------------------------------

def soft_tone(freq, dur, vibrato_hz=6.0, vibrato_depth=0.006):
    """A gentle, slightly hollow tone: odd harmonics at low levels,
    a touch of vibrato, soft attack and release."""
    n = int(dur * RATE)
    harmonics = [(1, 1.0), (3, 0.18), (5, 0.06), (2, 0.08)]
    env = envelope(n, attack=0.012, release=0.045)
    out = []
    phase = 0.0
    for i in range(n):
        t = i / RATE
        f = freq * (1.0 + vibrato_depth * math.sin(TWO_PI * vibrato_hz * t))
        phase += TWO_PI * f / RATE
        s = 0.0
        for k, level in harmonics:
            s += level * math.sin(k * phase)
        out.append(s * env[i] * (1.0 - 0.25 * t / dur))
    return out


def make_uhoh():
    """Two soft tones falling, "uh" then "oh", about 330 ms."""
    buf = []
    mix_into(buf, soft_tone(440.0, 0.120), 0.0)
    mix_into(buf, soft_tone(330.0, 0.180), 0.150)
    return normalise(buf)


# --- ta-da: the end of a line -----------------------------------------------

def bright_note(freq, dur, decay):
    n = int(dur * RATE)
    harmonics = [(1, 1.0), (2, 0.40), (3, 0.22), (4, 0.10), (5, 0.05)]
    detune = rng.uniform(-0.6, 0.6)  # a little life between voices
    env = envelope(n, attack=0.006, release=0.060)
    out = []
    for i in range(n):
        t = i / RATE
        s = 0.0
        for k, level in harmonics:
            # higher harmonics fade sooner, so the note mellows as it rings
            s += level * math.exp(-decay * k * 0.5 * t) * math.sin(TWO_PI * (freq + detune) * k * t)
        out.append(s * env[i])
    return out


def make_tada():
    """A quick rising C-E-G, then a held C major chord that dies away; 1.0 s."""
    c5, e5, g5, c6 = 523.25, 659.26, 783.99, 1046.50
    buf = []
    step = 0.070
    for j, f in enumerate((c5, e5, g5)):
        mix_into(buf, [0.8 * s for s in bright_note(f, 0.110, 12.0)], j * step)
    chord_start = 3 * step
    chord_len = 1.000 - chord_start
    for f in (c5, e5, g5, c6):
        mix_into(buf, bright_note(f, chord_len, 3.2), chord_start)
    # pad or trim to exactly 1.0 s
    total = int(1.000 * RATE)
    buf = (buf + [0.0] * total)[:total]
    return normalise(buf)


def main():
    os.makedirs(DATA_DIR, exist_ok=True)
    for name, maker in (("ding.wav", make_ding),
                        ("uhoh.wav", make_uhoh),
                        ("tada.wav", make_tada)):
        path = write_wav(name, maker())
        with wave.open(path, "rb") as w:
            secs = w.getnframes() / w.getframerate()
        print("%-9s %.3f s  %d bytes" % (name, secs, os.path.getsize(path)))


if __name__ == "__main__":
    main()
