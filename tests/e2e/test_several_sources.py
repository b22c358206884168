"""Recording two sources at once in the real program: one of them vanishes midway, and the
recording goes on with the other, the user told on the status line and by the desktop."""

import subprocess
import time
import unittest

import desktop
from desktop import MAIN_TITLE, WAV_BYTES_PER_SECOND
from test_sound_activation import BurstSink, pactl


class SeveralSources(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desktop = cls.enterClassContext(desktop.Desktop())

    def test_a_source_that_vanishes_leaves_the_other_recording(self):
        # Guards against a recording of two sources that ends, or goes on unannounced, when
        # one of them vanishes, and against a program that cannot exit cleanly afterwards.
        sink = BurstSink(self.desktop.root)
        notifications = desktop.BusStandIn(self.desktop.root, "fake_notifications.py", self.desktop.bus)
        self.addCleanup(notifications.close)
        tavrik = self.enterContext(self.desktop.program("two"))
        tavrik.write_settings(outputfolder="", filename="call", datetime="0", existedfile="0")
        with open(tavrik.settings_file, "a") as settings:
            settings.write("[mix]\nsources=tonesink.monitor|bursts.monitor\nlayout=1\n")
        tavrik.start()
        tavrik.focus(tavrik.window(MAIN_TITLE))
        tavrik.keys("ctrl+r")
        take = tavrik.app_dir / "call.WAV"
        tavrik.wait_for("2 s in call.WAV", lambda: take.exists() and take.stat().st_size > 2 * WAV_BYTES_PER_SECOND)
        began = time.monotonic()
        sink.close()
        told = tavrik.wait_for("the desktop to be told", lambda: [
            line for line in notifications.lines if line.startswith("notify Tavrik|Source lost|")], 10)
        self.assertIn('"Monitor of Bursts" is not available', told[0])
        size = take.stat().st_size
        tavrik.wait_for("the recording to go on", lambda: take.stat().st_size > size + WAV_BYTES_PER_SECOND, 5)
        self.assertLess(time.monotonic() - began, 6)
        tavrik.keys("ctrl+s")
        tavrik.keys("ctrl+x")
        self.assertEqual(tavrik.wait_exit(), 0, tavrik.stderr())
        self.assertIn('Sources kept in time with "Monitor of Tone"', tavrik.stderr())
        self.assertEqual(len([n for n in notifications.lines if n.startswith("notify ")]), 1, notifications.lines)
        # The tone goes on in the left channel to the end.
        self.assertGreater(desktop.tone_windows(take), 4 * 3)


if __name__ == "__main__":
    unittest.main()
