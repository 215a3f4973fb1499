# SPDX-License-Identifier: GPL-3.0-or-later
"""Sound files for the command line's Python tests."""
import struct
import wave


def write_wave(path, rate, seconds, f0_start, f0_end, pause=None):
    """A sawtooth gliding from f0_start to f0_end Hz, 16-bit mono; `pause` (start, end) in
    seconds is left silent."""
    count = int(rate * seconds)
    phase = 0.0
    frames = bytearray()
    for i in range(count):
        f0 = f0_start + (f0_end - f0_start) * i / count
        phase = (phase + f0 / rate) % 1.0
        silent = pause is not None and pause[0] <= i / rate < pause[1]
        frames += struct.pack("<h", 0 if silent else int(12000 * (2 * phase - 1)))
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(bytes(frames))
