"""Faults that strike the real program in the middle of a recording: what is kept, how much is
lost, and what the user is told."""

import os
import signal
import subprocess
import time
import unittest
import wave
from pathlib import Path

import desktop
from desktop import MAIN_TITLE, WAV_BYTES_PER_SECOND

SERVER_SCRIPT = Path(os.environ["TAVRIK_TEST_SUPPORT"]) / "pulse-server.sh"


def seconds_by_readers(path):
    """The lengths sox and ffprobe read from a WAV file."""
    sox = desktop.seconds_in(path)
    probe = float(subprocess.run(["ffprobe", "-v", "error", "-show_entries", "format=duration",
                                  "-of", "csv=p=0", str(path)], capture_output=True, text=True,
                                 check=True).stdout)
    return sox, probe


class PrivateServer:
    """A PulseAudio server of the test's own, which it may kill without disturbing others."""

    def __init__(self, folder):
        self.folder = folder

    def start(self):
        subprocess.run(["bash", str(SERVER_SCRIPT), "start", str(self.folder)], check=True,
                       stdout=subprocess.DEVNULL)

    def kill(self):
        os.kill(int((self.folder / "pulse.pid").read_text()), signal.SIGKILL)

    def environment(self):
        return {"PULSE_SERVER": f"unix:{self.folder}/native",
                "PULSE_RUNTIME_PATH": str(self.folder / "runtime")}

    def __enter__(self):
        self.start()
        return self

    def __exit__(self, *exc):
        subprocess.run(["bash", str(SERVER_SCRIPT), "stop", str(self.folder)],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


class SmallDisk:
    """A 1 MiB tmpfs, mounted for the context."""

    def __init__(self, folder):
        self.folder = folder

    def __enter__(self):
        self.folder.mkdir()
        mounted = subprocess.run(["mount", "-t", "tmpfs", "-o", "size=1m", "tmpfs", str(self.folder)],
                                 capture_output=True, text=True)
        if mounted.returncode != 0:
            raise unittest.SkipTest(f"cannot mount a small disk here: {mounted.stderr.strip()}")
        return self

    def __exit__(self, *exc):
        subprocess.run(["umount", "-l", str(self.folder)], check=False)


class Faults(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desktop = cls.enterClassContext(desktop.Desktop())

    def start_recording(self, tavrik, take):
        tavrik.start()
        tavrik.focus(tavrik.window(MAIN_TITLE))
        tavrik.keys("ctrl+r")
        tavrik.wait_for(f"{take.name} to get sound", lambda: take.exists() and take.stat().st_size > 1024)
        return time.monotonic()

    def report(self, row, lost, told):
        print(f"\n{row}: {lost:.2f} s lost; told: {told.strip()}", flush=True)

    def test_server_killed_and_restarted(self):
        # Guards against a dead server leaving the file unreadable or losing what was written
        # before it died, and against a program that cannot record again once a server is back.
        server = self.enterContext(PrivateServer(self.desktop.root / "server"))
        tavrik = self.enterContext(self.desktop.program("server_restart"))
        tavrik.write_settings(outputfolder="", filename="take", datetime="0", existedfile="0")
        tavrik.extra_environment.update(server.environment())
        take = tavrik.app_dir / "take.WAV"
        began = self.start_recording(tavrik, take)
        tavrik.wait_for("3 s in take.WAV", lambda: take.stat().st_size > 3 * WAV_BYTES_PER_SECOND, 20)

        told_before = tavrik.stderr()
        server.kill()
        recorded_for = time.monotonic() - began
        told = tavrik.wait_for("the user to be told", lambda: tavrik.stderr()[len(told_before):], 10)
        sox, probe = seconds_by_readers(take)
        self.assertAlmostEqual(sox, probe, delta=0.1)
        lost = max(0.0, recorded_for - sox)
        self.report("server killed", lost, told)
        self.assertLessEqual(lost, 1.0)

        # Back without a restart of the program: Record works once the server is.
        server.start()
        again = None
        deadline = time.monotonic() + 15
        while again is None and time.monotonic() < deadline:
            tavrik.keys("ctrl+r")
            again = self.poll_new_take(tavrik, take)
        self.assertIsNotNone(again, "no recording after the server came back\n" + tavrik.stderr())
        tavrik.keys("ctrl+s")
        tavrik.keys("ctrl+x")
        self.assertEqual(tavrik.wait_exit(), 0, tavrik.stderr())

    def poll_new_take(self, tavrik, first):
        """A second take with 2 s of sound, or None when none began within 3 s."""
        deadline = time.monotonic() + 3
        while time.monotonic() < deadline:
            for p in tavrik.app_dir.glob("take*.WAV"):
                if p != first and p.stat().st_size > 1024:
                    tavrik.wait_for(f"2 s in {p.name}", lambda: p.stat().st_size > 2 * WAV_BYTES_PER_SECOND, 10)
                    return p
            time.sleep(0.05)
        return None

    def test_disk_fills(self):
        # Guards against a full disk leaving a file that readers reject or a user left unaware,
        # even with the window hidden: the desktop's notification service hears of it once.
        disk = self.enterContext(SmallDisk(self.desktop.root / "small"))
        notifications = desktop.BusStandIn(self.desktop.root, "fake_notifications.py", self.desktop.bus)
        self.addCleanup(notifications.close)
        tavrik = self.enterContext(self.desktop.program("disk_full"))
        tavrik.write_settings(outputfolder=str(disk.folder), filename="take", datetime="0",
                              existedfile="0")
        take = disk.folder / "take.WAV"
        self.start_recording(tavrik, take)
        told = tavrik.wait_for("the user to be told", lambda: "Recording stopped" in tavrik.stderr() and
                               tavrik.stderr(), 10)
        size = take.stat().st_size
        sox, probe = seconds_by_readers(take)
        self.assertAlmostEqual(sox, probe, delta=0.1)
        # Every sample written is in the header's count: no more than a header is unaccounted for.
        with wave.open(str(take)) as w:
            self.assertLessEqual(size - w.getnframes() * w.getsampwidth() * w.getnchannels(), 80)
        self.report("disk full", 0.0, told)
        notified = tavrik.wait_for("the desktop to be told", lambda: [
            line for line in notifications.lines if line.startswith("notify Tavrik|Recording stopped|")], 10)
        self.assertEqual(len(notified), 1, notifications.lines)
        self.assertIn("are free on the disk", notified[0])
        tavrik.keys("ctrl+x")
        self.assertEqual(tavrik.wait_exit(), 0, tavrik.stderr())


if __name__ == "__main__":
    unittest.main()
