#!/usr/bin/env python3
"""Synthesizes the program's eight sound cues into assets/sounds/ (16-bit PCM mono 22050 Hz).

The two rolling sounds (rot2, gaveta) are restarted ten times a second while the wheels
turn, so each is a single short mechanical tick pattern well under 100 ms.
The noise is seeded: running the script again writes the same files.

Run from anywhere: python3 tools/make_sounds.py
"""

import math
import os
import random
import struct
import wave

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, os.pardir, "assets", "sounds")
RATE = 22050


def silence(seconds):
    return [0.0] * int(RATE * seconds)


def tone(freq, seconds, decay=0.0, harmonics=((1, 1.0),), attack=0.004, shape=None):
    """A tone with optional harmonics, exponential decay (per second) and a soft attack."""
    n = int(RATE * seconds)
    out = []
    for i in range(n):
        t = i / RATE
        v = 0.0
        for mult, amp in harmonics:
            v += amp * math.sin(2 * math.pi * freq * mult * t)
        env = math.exp(-decay * t) if decay else 1.0
        env *= min(1.0, t / attack) if attack else 1.0
        if shape:
            env *= shape(t, seconds)
        out.append(v * env)
    return out


def click(freq, seconds, decay, noise, rng):
    """A struck resonance: a damped sine with a burst of noise at its start."""
    n = int(RATE * seconds)
    out = []
    for i in range(n):
        t = i / RATE
        env = math.exp(-decay * t)
        burst = math.exp(-decay * 3 * t) * noise * (rng.random() * 2 - 1)
        out.append(env * math.sin(2 * math.pi * freq * t) + burst)
    return out


def mix(base, part, at):
    """Adds part into base starting at the time 'at' (seconds), growing base as needed."""
    start = int(RATE * at)
    if len(base) < start + len(part):
        base.extend([0.0] * (start + len(part) - len(base)))
    for i, v in enumerate(part):
        base[start + i] += v
    return base


def normalise(samples, peak):
    top = max(abs(v) for v in samples) or 1.0
    return [v * peak / top for v in samples]


def fade_out(samples, seconds):
    n = min(len(samples), int(RATE * seconds))
    for k in range(n):
        samples[len(samples) - n + k] *= 1.0 - k / n
    return samples


def write(name, samples, peak=0.8):
    samples = normalise(samples, peak)
    data = b"".join(struct.pack("<h", max(-32767, min(32767, int(v * 32767))))
                    for v in samples)
    with wave.open(os.path.join(OUT, name), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(data)


def lowpass(samples, alpha):
    out, y = [], 0.0
    for v in samples:
        y += alpha * (v - y)
        out.append(y)
    return out


def clicar(rng):
    # A switch being pressed: a bright snap and a softer release.
    s = click(3200, 0.03, 260, 0.9, rng)
    mix(s, [0.5 * v for v in click(1900, 0.03, 300, 0.5, rng)], 0.028)
    return fade_out(s, 0.005)


def zapt(rng):
    # A quick electric zap: a square-ish sweep falling fast.
    n = int(RATE * 0.22)
    out, phase = [], 0.0
    for i in range(n):
        t = i / RATE
        freq = 1800 * math.exp(-t * 14) + 140
        phase += 2 * math.pi * freq / RATE
        sq = math.tanh(4 * math.sin(phase))
        out.append(sq * math.exp(-t * 9) * (0.85 + 0.15 * (rng.random() * 2 - 1)))
    return fade_out(lowpass(out, 0.55), 0.02)


def rot2(rng):
    # One ratchet step of a counter wheel: two bright ticks.
    s = click(4200, 0.022, 420, 1.0, rng)
    mix(s, [0.7 * v for v in click(3600, 0.022, 420, 0.8, rng)], 0.045)
    s.extend(silence(0.02))
    return fade_out(s, 0.004)


def gaveta(rng):
    # The other rolling sound: a lower, woody rattle of three ticks.
    s = []
    for k, (freq, amp) in enumerate(((1300, 1.0), (1150, 0.75), (1250, 0.6))):
        mix(s, [amp * v for v in click(freq, 0.03, 200, 0.7, rng)], k * 0.03)
    s.extend(silence(0.01))
    return fade_out(lowpass(s, 0.6), 0.006)


def stop(rng):
    # Attention chime: two bell strikes, high then low.
    bell = ((1, 1.0), (2.0, 0.35), (3.01, 0.18), (4.2, 0.08))
    s = tone(1318.5, 0.6, decay=5.0, harmonics=bell)
    mix(s, tone(1046.5, 0.55, decay=5.5, harmonics=bell), 0.2)
    return fade_out(s, 0.06)


def abaixo(rng):
    # Refused: two short low buzzes.
    def buzz():
        n = int(RATE * 0.14)
        out = []
        for i in range(n):
            t = i / RATE
            saw = 2 * ((t * 110) % 1.0) - 1
            sq = 1.0 if math.sin(2 * math.pi * 55 * t) >= 0 else -1.0
            env = min(1.0, t / 0.006) * min(1.0, (0.14 - t) / 0.02)
            out.append((0.7 * saw + 0.3 * sq) * env)
        return lowpass(out, 0.35)
    s = buzz()
    mix(s, buzz(), 0.19)
    return s


def happy(rng):
    # Saved: a short rising arpeggio, the last note held.
    bright = ((1, 1.0), (2, 0.3), (3, 0.12))
    s = []
    notes = ((523.25, 0.0, 0.12), (659.25, 0.09, 0.12), (783.99, 0.18, 0.12),
             (1046.5, 0.27, 0.32))
    for freq, at, length in notes:
        mix(s, tone(freq, length, decay=6.0, harmonics=bright), at)
    return fade_out(s, 0.05)


def abretrena(rng):
    # A tape measure pulled out of its case: a run of clicks slowing down, over a hiss.
    s = silence(0.36)
    hiss = lowpass([(rng.random() * 2 - 1) for _ in range(len(s))], 0.25)
    for i, v in enumerate(hiss):
        t = i / RATE
        s[i] += 0.18 * v * math.sin(math.pi * min(1.0, t / 0.34))
    t, gap = 0.01, 0.012
    while t < 0.3:
        mix(s, [0.6 * v for v in click(2600 + rng.random() * 500, 0.012, 500, 0.6, rng)], t)
        t += gap
        gap *= 1.09
    mix(s, click(420, 0.05, 90, 0.5, rng), 0.31)
    return fade_out(s, 0.03)


CUES = {
    "Clicar.wav": clicar,
    "zapt.wav": zapt,
    "rot2.wav": rot2,
    "stop.wav": stop,
    "abaixo.wav": abaixo,
    "happy.wav": happy,
    "abretrena.wav": abretrena,
    "gaveta.wav": gaveta,
}


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, make in CUES.items():
        write(name, make(random.Random(name)))


if __name__ == "__main__":
    main()
