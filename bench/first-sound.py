#!/usr/bin/env python3
"""first-sound.py [--ready] CMD...: milliseconds from starting CMD until its sound reaches the
private server's sink "out", and the CPU seconds CMD used until it ended.

A listener records the sink's monitor first; the clock starts when CMD is started and
stops at the first listened sample above a threshold. Both players are measured the
same way, so the listener's own delay cancels out in their ratio. With --ready, CMD first
prints a line when it is up and starts playing when it reads a line: the clock then starts
at that line, as when a user presses Play in a running program."""
import os
import resource
import struct
import subprocess
import sys
import time

RATE = 44100
THRESHOLD = 1000

listener = subprocess.Popen(
    ["parec", "-d", "out.monitor", "--raw", "--format=s16le", f"--rate={RATE}",
     "--channels=1", "--latency-msec=5"], stdout=subprocess.PIPE)
# The listener runs once its first (silent) data arrives.
os.read(listener.stdout.fileno(), 2)
time.sleep(0.2)
ready = sys.argv[1] == "--ready"
command = sys.argv[2:] if ready else sys.argv[1:]
before = resource.getrusage(resource.RUSAGE_CHILDREN)
start = time.monotonic()
player = subprocess.Popen(command, stdin=subprocess.PIPE if ready else subprocess.DEVNULL,
                          stdout=subprocess.PIPE if ready else subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL)
if ready:
    player.stdout.readline()
    start = time.monotonic()
    player.stdin.write(b"\n")
    player.stdin.flush()
first = None
fd = listener.stdout.fileno()
while first is None:
    chunk = os.read(fd, 256)
    if not chunk:
        break
    samples = struct.unpack(f"<{len(chunk) // 2}h", chunk[: len(chunk) // 2 * 2])
    if any(abs(s) > THRESHOLD for s in samples):
        first = time.monotonic()
player.wait()
after = resource.getrusage(resource.RUSAGE_CHILDREN)
listener.terminate()
listener.wait()
cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
latency = (first - start) * 1000 if first else float("nan")
print(f"{latency:.1f} {cpu:.3f}")
