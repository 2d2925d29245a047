#!/usr/bin/env python3
"""Writes the alarm's ringtone into src/assets/files/ringtone.wav.

Run it again after changing the tune or the bell:  python3 tools/make_ringtone.py
Only the Python standard library is used, and the result is the same bytes on every run.

The clip is a soft tubular-bell chime: two four-note changes in the manner of a clock tower,
each bell struck with its hum tone and a few partials that die away faster than the
fundamental, so it sounds like a bell and not like a beeper. The program plays the clip in a
loop, so it starts at silence and its last bell has died away before the end: the loop has no
click at the seam.

The file has the exact shape the program carries: a RIFF/WAVE file of 330,044 bytes with one
PCM format chunk (1 channel, 22,050 samples a second, 16 bits, block align 2, 44,100 bytes a
second) and one data chunk of 330,000 bytes (165,000 samples, about 7.48 seconds).
"""

import math
import os
import struct

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "assets", "files",
                   "ringtone.wav")

RATE = 22050
SAMPLES = 165000  # 330,000 bytes of 16-bit mono
PEAK = 0.70 * 32767  # about -3 dB, loud enough to wake, never clipped

# Pitches in Hz.
G4, C5, D5, E5 = 392.00, 523.25, 587.33, 659.26

# (start in seconds, pitch, loudness). Two changes of four bells; the last bell of each
# change is struck a little harder and left to ring.
STRIKES = [
    (0.05, E5, 0.85), (0.60, C5, 0.80), (1.15, D5, 0.80), (1.70, G4, 1.00),
    (2.90, G4, 0.85), (3.45, D5, 0.80), (4.00, E5, 0.85), (4.55, C5, 1.00),
]

# A bell's spectrum: (ratio to the strike pitch, amplitude, decay time in seconds). The hum
# tone an octave down rings longest; the upper partials are slightly stretched, as on a real
# tube, and fade quickly, which gives the strike its shimmer.
PARTIALS = [
    (0.50, 0.22, 1.60),
    (1.00, 1.00, 1.10),
    (2.00, 0.42, 0.70),
    (3.01, 0.20, 0.45),
    (4.17, 0.12, 0.25),
    (5.43, 0.07, 0.15),
]

ATTACK = 0.004  # seconds: soft enough not to click, short enough to sound struck
FADE_OUT = 0.60  # the last part of the clip is eased to silence for a clean loop


def render():
    mix = [0.0] * SAMPLES
    for start, pitch, loudness in STRIKES:
        first = int(start * RATE)
        for ratio, amplitude, decay in PARTIALS:
            frequency = pitch * ratio
            if frequency >= RATE / 2:
                continue
            # Ring until the partial has fallen below -80 dB or the clip ends.
            length = min(SAMPLES - first, int(decay * math.log(10000.0) * RATE))
            step = 2.0 * math.pi * frequency / RATE
            fall = math.exp(-1.0 / (decay * RATE))
            level = loudness * amplitude
            for n in range(length):
                t = n / RATE
                envelope = level * (t / ATTACK if t < ATTACK else 1.0)
                mix[first + n] += envelope * math.sin(step * n)
                level *= fall
    return mix


def shape(mix):
    peak = max(abs(v) for v in mix) or 1.0
    fade_from = SAMPLES - int(FADE_OUT * RATE)
    out = []
    for n, value in enumerate(mix):
        gain = PEAK / peak
        if n >= fade_from:
            x = (SAMPLES - 1 - n) / (SAMPLES - 1 - fade_from)
            gain *= 0.5 - 0.5 * math.cos(math.pi * x)
        out.append(max(-32768, min(32767, int(round(value * gain)))))
    return out


def wav_bytes(samples):
    data = struct.pack("<%dh" % len(samples), *samples)
    fmt = struct.pack("<HHIIHH", 1, 1, RATE, RATE * 2, 2, 16)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + \
        struct.pack("<I", len(data)) + data
    return b"RIFF" + struct.pack("<I", len(body)) + body


def main():
    blob = wav_bytes(shape(render()))
    assert len(blob) == 330044, len(blob)
    with open(OUT, "wb") as f:
        f.write(blob)
    print("wrote %s (%d bytes)" % (os.path.normpath(OUT), len(blob)))


if __name__ == "__main__":
    main()
