"""The real program in a Wayland session (weston, Qt's wayland platform), driven the way a
Wayland user drives it: the desktop's own key bindings run `tavrik --record` and `--stop`,
and logging out sends SIGTERM."""

import re
import signal
import unittest

import desktop
from desktop import MAIN_TITLE, WAV_BYTES_PER_SECOND, seconds_in, tone_windows


class Wayland(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desktop = cls.enterClassContext(desktop.WaylandDesktop())

    def test_records_by_command_and_ends_with_the_session(self):
        # Guards against a program that cannot show its window on Wayland, names it so that the
        # desktop cannot tie it to its menu entry, stays silent about the missing global
        # hotkeys, records nothing from the commands a key binding runs, or loses the file
        # or crashes when the session ends.
        tavrik = self.enterContext(self.desktop.program("wayland"))
        tavrik.write_settings(outputfolder="", filename="take", datetime="0", existedfile="0")
        # The client's side of the protocol goes to stderr: what it asked the compositor for.
        tavrik.extra_environment["WAYLAND_DEBUG"] = "client"
        tavrik.start()
        tavrik.wait_for("the main window on the compositor", lambda: re.search(
            r'xdg_toplevel@(\d+)\.set_title\("' + re.escape(MAIN_TITLE) + r'"\)', tavrik.stderr()), 15)
        self.assertIn('set_app_id("org.tavrik.Tavrik")', tavrik.stderr())
        self.assertIn("offers no global hotkeys", tavrik.stderr())

        self.assertEqual(tavrik.command("--record"), 0)
        take = tavrik.app_dir / "take.WAV"
        tavrik.wait_for("3 s in take.WAV",
                        lambda: take.exists() and take.stat().st_size > 3 * WAV_BYTES_PER_SECOND + 1024, 20)
        self.assertEqual(tavrik.command("--stop"), 0)
        journal = tavrik.app_dir / "recording.journal"
        tavrik.wait_for("the recording to close", lambda: not journal.exists())
        stopped = take.stat().st_size
        self.assertEqual(tavrik.command("--record"), 0)
        second = tavrik.app_dir / "take_2.WAV"
        tavrik.wait_for("a second recording", lambda: second.exists() and journal.exists())

        tavrik.process.send_signal(signal.SIGTERM)
        status = tavrik.wait_exit()

        self.assertEqual(status, 0, "exit status (negative: killed by that signal)\n" + tavrik.stderr()[-3000:])
        self.assertFalse(journal.exists(), "the session's end left the recording unclosed")
        self.assertEqual(take.stat().st_size, stopped)
        for path, at_least in ((take, 3.0), (second, 0.0)):
            seconds = seconds_in(path)
            self.assertGreaterEqual(seconds, at_least, path.name)
            self.assertGreaterEqual(tone_windows(path), int(seconds * 4) - 1, f"{path.name} lacks the tone")


if __name__ == "__main__":
    unittest.main()
