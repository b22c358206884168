"""Sound-activated recording and the silence alarm in the real program, on sound played into a
null sink of the test's own whose monitor is the default source."""

import subprocess
import time
import unittest
import wave

import desktop
from desktop import MAIN_TITLE

# The threshold of these tests, as a 16-bit magnitude (-30 dBFS).
LOUD = 1037


def pactl(*args):
    return subprocess.run(["pactl", *args], capture_output=True, text=True, check=True).stdout.strip()


def sink_latency(name):
    """The latency a sink reports, in seconds."""
    found = False
    for line in pactl("list", "sinks").splitlines():
        found = found or line.strip() == f"Name: {name}"
        if found and line.startswith("\tLatency:"):
            return int(line.split()[1]) / 1e6
    return float("inf")


class BurstSink:
    """A null sink "bursts", its monitor the default source, kept rendering smoothly by a listener
    at 20 ms as a desktop's would be (a new one first renders a lump of 2 s, and its monitor
    hands a new reader nothing until that is played out). Sound is played into it on demand: a 1000 Hz sine at
    -6 dBFS (the server's own sine module, loaded and unloaded) or white noise."""

    def __init__(self, folder):
        self.module = pactl("load-module", "module-null-sink", "sink_name=bursts",
                            "sink_properties=device.description=Bursts")
        pactl("set-default-source", "bursts.monitor")
        self._listener = subprocess.Popen(["parec", "-d", "bursts.monitor", "--latency-msec=20"],
                                          stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                          stderr=subprocess.DEVNULL, preexec_fn=desktop._die_with_test)
        desktop.wait_for("the burst sink to run smoothly", lambda: sink_latency("bursts") < 0.1)

    def close(self):
        self._listener.kill()
        self._listener.wait()
        pactl("unload-module", self.module)

    def start_tone(self):
        """Starts the sine; returns what stop_tone() takes."""
        return pactl("load-module", "module-sine", "sink=bursts", "frequency=1000")

    def stop_tone(self, sine):
        pactl("unload-module", sine)

    def tone(self, seconds):
        sine = self.start_tone()
        time.sleep(seconds)  # the burst's length: the stimulus, not a wait
        self.stop_tone(sine)

    def noise(self, seconds, dbfs):
        """Plays white noise whose peaks stay at `dbfs`; returns once it has played."""
        sox = subprocess.Popen(["sox", "-n", "-r", "44100", "-c", "1", "-b", "16", "-e", "signed", "-t", "raw",
                                "-", "synth", str(seconds), "whitenoise", "vol", str(10 ** (dbfs / 20))],
                               stdout=subprocess.PIPE)
        subprocess.run(["pacat", "-d", "bursts", "--raw", "--format=s16le", "--rate=44100", "--channels=1",
                        "--latency-msec=20"], stdin=sox.stdout, check=True)
        sox.stdout.close()
        sox.wait()


def loud_span(path):
    """Where the first and the last sample at or above the threshold lie in a WAV file, and its
    length, in seconds."""
    with wave.open(str(path)) as w:
        rate, channels, frames = w.getframerate(), w.getnchannels(), w.getnframes()
        data = memoryview(w.readframes(frames)).cast("h")
    loud = [i // channels for i in range(0, len(data), channels) if abs(data[i]) >= LOUD]
    return loud[0] / rate, (loud[-1] + 1) / rate, frames / rate


class SoundActivation(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desktop = cls.enterClassContext(desktop.Desktop())

    def setUp(self):
        self.sink = BurstSink(self.desktop.root)
        self.addCleanup(self.sink.close)

    def start(self, name, activation, health):
        tavrik = self.enterContext(self.desktop.program(name))
        tavrik.write_settings(outputfolder="", filename="take", datetime="0", existedfile="0")
        with open(tavrik.settings_file, "a") as settings:
            for section, values in (("activation", activation), ("health", health)):
                settings.write(f"[{section}]\n" + "".join(f"{k}={v}\n" for k, v in values.items()))
        tavrik.start()
        tavrik.focus(tavrik.window(MAIN_TITLE))
        tavrik.keys("ctrl+r")
        tavrik.wait_for("the recording stream",
                        lambda: 'application.name = "Tavrik"' in pactl("list", "source-outputs"))
        return tavrik

    def stop_and_exit(self, tavrik):
        tavrik.keys("ctrl+s")
        tavrik.keys("ctrl+x")
        self.assertEqual(tavrik.wait_exit(), 0, tavrik.stderr())

    def test_one_file_per_burst(self):
        # Guards against events cut late or early, pre-roll lost to the capture path's latency,
        # a file held open past its hold time, bursts closer than the hold split in two, and
        # quiet noise that starts a file.
        tavrik = self.start("bursts", {"enabled": 1, "threshold": -30, "hold": 2, "preroll": 1},
                            {"silencealarm": 0})
        time.sleep(2)  # armed and quiet before the first burst: room for its pre-roll
        onsets = []
        for burst in range(3):
            sine = self.sink.start_tone()
            began = time.monotonic()
            tavrik.wait_for(f"the file of burst {burst + 1}",
                            lambda: len(list(tavrik.app_dir.glob("take*.WAV"))) > burst, 5)
            onsets.append(time.monotonic() - began)
            time.sleep(began + 2 - time.monotonic())  # the rest of the 2 s burst
            self.sink.stop_tone(sine)
            time.sleep(6)  # the rest of the 8 s period
        self.sink.tone(2)
        time.sleep(1)  # the gap between two bursts, shorter than the hold
        self.sink.tone(2)
        self.sink.noise(5, -50)
        self.stop_and_exit(tavrik)

        takes = sorted(tavrik.app_dir.glob("take*.WAV"), key=lambda p: p.stat().st_mtime)
        self.assertEqual(len(takes), 4, [p.name for p in takes])
        spans = [loud_span(take) for take in takes]
        for take, (first, last, length) in zip(takes, spans):
            print(f"\n{take.name}: tone at {first:.3f} s, file ends {length - last:.3f} s after it, "
                  f"{length:.2f} s long", flush=True)
        for take, (first, last, length) in zip(takes, spans):
            self.assertAlmostEqual(first, 1.0, delta=0.1, msg=take.name)
            self.assertAlmostEqual(length - last, 2.0, delta=0.3, msg=take.name)
        self.assertAlmostEqual(loud_span(takes[-1])[1] - loud_span(takes[-1])[0], 5.0, delta=0.3)
        print(f"sound to file on disk: {', '.join(f'{s:.3f}' for s in onsets)} s", flush=True)

    def test_silence_alarm_reaches_the_desktop(self):
        # Guards against an alarm that never leaves the window, repeats, or is not raised again
        # after sound came back: the window may be hidden for hours.
        notifications = desktop.BusStandIn(self.desktop.root, "fake_notifications.py", self.desktop.bus)
        self.addCleanup(notifications.close)
        tavrik = self.start("silence", {"enabled": 0}, {"silencealarm": 2})
        expected = "notify Tavrik|No sound|No sound for 2 s: is the input muted?"

        def alarms():
            return [line for line in notifications.lines if line.startswith("notify ")]
        tavrik.wait_for("the first alarm", alarms, 10)
        self.sink.tone(1)
        tavrik.wait_for("the second alarm", lambda: len(alarms()) >= 2, 10)
        self.stop_and_exit(tavrik)
        self.assertEqual(alarms(), [expected, expected])


if __name__ == "__main__":
    unittest.main()
