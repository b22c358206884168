#!/usr/bin/env python3
"""paced-writer.py SECONDS PATH SPEED [PATH SPEED ...]: writes to each PATH (a fifo, or - for
standard output) mono 16-bit little-endian sound meant for 44100 Hz, at SPEED times that pace by
this machine's clock, as a sound card whose clock runs fast or slow would deliver it. Every
stream carries the same sound by the clock: a 1000 Hz sine at half scale, silent for the first
10 ms of every second, so that where the seconds fall in a recording shows how the streams
line up."""

import array
import math
import sys
import time

RATE = 44100
STEP = 0.01  # seconds written per round
AHEAD = 0.05  # seconds written before the clock, so that a reader never waits


def sound(frame, speed):
    t = frame / (RATE * speed)
    if t % 1.0 < 0.01:
        return 0
    return int(16383 * math.sin(2 * math.pi * 1000 * t))


def main():
    seconds = float(sys.argv[1])
    streams = [(sys.stdout.buffer if p == "-" else open(p, "wb"), float(s))
               for p, s in zip(sys.argv[2::2], sys.argv[3::2])]
    written = [0] * len(streams)
    began = time.monotonic()
    while True:
        now = time.monotonic() - began
        if now > seconds:
            return
        for i, (out, speed) in enumerate(streams):
            due = int((now + AHEAD) * RATE * speed)
            if due > written[i]:
                out.write(array.array("h", (sound(n, speed) for n in range(written[i], due))).tobytes())
                out.flush()
                written[i] = due
        time.sleep(STEP)


if __name__ == "__main__":
    main()
