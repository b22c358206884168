"""Record, play and leave the real program by each way out a user has."""

import unittest

import desktop
from desktop import MAIN_TITLE, WAV_BYTES_PER_SECOND, seconds_in


class RecordPlayExit(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desktop = cls.enterClassContext(desktop.Desktop())

    def record_play_and_exit(self, name, leave):
        """Records 3 s, plays them, leaves by `leave`; the exit must be clean and store settings."""
        tavrik = self.enterContext(self.desktop.program(name))
        monitor = self.enterContext(desktop.SinkMonitor("out", self.desktop.root / f"{name}-out.raw"))
        tavrik.write_settings(outputfolder="", filename="take", datetime="0", existedfile="0")
        tavrik.start()
        main = tavrik.window(MAIN_TITLE)
        tavrik.focus(main)

        take = tavrik.app_dir / "take.WAV"
        tavrik.keys("ctrl+r")
        tavrik.wait_for("3 s in take.WAV",
                        lambda: take.exists() and take.stat().st_size > 3 * WAV_BYTES_PER_SECOND + 1024, 20)
        monitor.listen_from_now()
        # Stop, then select the new (last) row of the list and play it from the Edit menu: seven
        # tab stops lead from the first control to the list (Play is off while no row is
        # selected); End moves to the last row, Space selects it.
        tavrik.keys("ctrl+s", *["Tab"] * 7, "End", "space", "alt+e", "Return")
        tavrik.wait_for("a second of the recorded 1000 Hz tone played on the sink",
                        lambda: monitor.seconds_of_tone(1000) >= 1.0, 10)

        leave(tavrik, main)
        status = tavrik.wait_exit()

        seconds = seconds_in(take)
        self.assertGreaterEqual(seconds, 3.0)
        set_section = desktop.read_ini(tavrik.settings_file)["set"]
        self.assertEqual(set_section.get("outputformat"), "0", "settings.dat not written at exit")
        self.assertEqual(status, 0, "exit status (negative: killed by that signal)\n" + tavrik.stderr())

    def test_ctrl_x(self):
        # Guards against Ctrl+X after recording and playing ending in a crash instead of status 0.
        self.record_play_and_exit("ctrl_x", lambda tavrik, main: tavrik.keys("ctrl+x"))

    def test_file_menu_exit(self):
        # Guards against File > Exit after recording and playing ending in a crash instead of status 0.
        # File opens on its first command; Up wraps around to Exit, the last.
        self.record_play_and_exit("file_menu", lambda tavrik, main: tavrik.keys("alt+f", "Up", "Return"))

    def test_close_box(self):
        # Guards against the window's close box after recording and playing ending in a crash.
        self.record_play_and_exit("close_box", lambda tavrik, main: tavrik.click_close_box(main))


if __name__ == "__main__":
    unittest.main()
