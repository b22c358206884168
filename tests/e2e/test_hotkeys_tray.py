"""Global hotkeys, the tray icon and the close box, in the real program on a private display."""

import unittest

import desktop
from desktop import MAIN_TITLE, WAV_BYTES_PER_SECOND, seconds_in

TAKEN_R = ("Can not register the hotkeys CTRL+R ...this key is already registered by some other running "
           "applications.")
TAKEN_S = "Can not register the hotkeys CTRL+S ... this key is already registered by some other running applications."


def size(path):
    return path.stat().st_size if path.exists() else 0


class Hotkeys(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desktop = cls.enterClassContext(desktop.Desktop())

    def start_behind_another_program(self, name, *args):
        tavrik = self.enterContext(self.desktop.program(name))
        tavrik.write_settings(outputfolder="", filename="take", datetime="0", existedfile="0")
        tavrik.start(*args)
        main = tavrik.window(MAIN_TITLE)
        other = self.desktop.other_program(name)
        self.desktop.xdotool("windowfocus", "--sync", str(other))
        return tavrik, main, other

    def assert_left_behind(self, main, other):
        self.assertEqual(self.desktop.focused_window(), other, "the other program lost the focus")
        with desktop.X11(self.desktop.display) as x:
            stacking = x.children(x.root)
        self.assertGreater(stacking.index(other), stacking.index(main), "the main window came forward")

    def test_keys_work_while_another_program_has_the_focus(self):
        # Guards against Ctrl+R/Ctrl+S doing nothing while another program has the focus, failing
        # with Num Lock on, or pulling the main window forward.
        tavrik, main, other = self.start_behind_another_program("hotkeys")
        first, second, third = (tavrik.app_dir / n for n in ("take.WAV", "take_2.WAV", "take_3.WAV"))

        tavrik.keys("ctrl+r")
        tavrik.wait_for("a second in take.WAV", lambda: size(first) > WAV_BYTES_PER_SECOND, 15)
        # With Num Lock on, Ctrl+R while recording finishes the take and starts the next one.
        tavrik.keys("Num_Lock", "ctrl+r", "Num_Lock")
        tavrik.wait_for("a second in take_2.WAV", lambda: size(second) > WAV_BYTES_PER_SECOND, 15)
        closed = size(first)
        # The second Ctrl+S finds nothing to stop.
        tavrik.keys("ctrl+s", "ctrl+s", "ctrl+r")
        tavrik.wait_for("a second in take_3.WAV", lambda: size(third) > WAV_BYTES_PER_SECOND, 15)
        stopped = size(second)
        tavrik.wait_for("two seconds in take_3.WAV", lambda: size(third) > 2 * WAV_BYTES_PER_SECOND, 15)
        self.assertEqual(size(first), closed, "take.WAV grew after Ctrl+R started the next take")
        self.assertEqual(size(second), stopped, "take_2.WAV grew after Ctrl+S")
        self.assert_left_behind(main, other)
        self.assertNotIn("Can not register the hotkeys", tavrik.stderr())

        tavrik.keys("ctrl+s")
        tavrik.focus(main)
        tavrik.keys("ctrl+x")
        self.assertEqual(tavrik.wait_exit(), 0, tavrik.stderr())
        self.assertGreaterEqual(seconds_in(third), 2.0)

    def test_a_key_taken_by_another_program(self):
        # Guards against a Ctrl+R taken elsewhere silencing Ctrl+S too, or its message missing or repeated.
        with desktop.X11(self.desktop.display) as holder:
            holder.grab_ctrl_key("r")
            tavrik, main, other = self.start_behind_another_program("taken", "--record")
            first, second = tavrik.app_dir / "take.WAV", tavrik.app_dir / "take_2.WAV"
            tavrik.wait_for("a second in take.WAV", lambda: size(first) > WAV_BYTES_PER_SECOND, 15)
            tavrik.keys("ctrl+s")
            # A command from a second copy comes after the key: once it records, the key was handled.
            self.assertEqual(tavrik.command("--record"), 0)
            tavrik.wait_for("a second in take_2.WAV", lambda: size(second) > WAV_BYTES_PER_SECOND, 15)
            closed = size(first)
            tavrik.wait_for("two seconds in take_2.WAV", lambda: size(second) > 2 * WAV_BYTES_PER_SECOND, 15)
            self.assertEqual(size(first), closed, "Ctrl+S did not stop take.WAV")
            self.assert_left_behind(main, other)
        self.assertEqual(tavrik.stderr().count(TAKEN_R), 1, tavrik.stderr())
        self.assertNotIn(TAKEN_S, tavrik.stderr())


class Tray(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desktop = cls.enterClassContext(desktop.Desktop())
        cls.desktop.start_tray_host()

    def open_tray_menu(self, tavrik, icon):
        before = tavrik.shown_windows()
        self.desktop.xdotool("mousemove", "--window", str(icon), "10", "10", "click", "3")
        tavrik.wait_for("the tray menu", lambda: tavrik.shown_windows() - before)

    def test_close_box_keeps_recording_in_the_tray(self):
        # Guards against the close box ending the recording or the program when the tray can bring
        # the window back, the icon not bringing it back, or the tray menu's Exit losing the
        # running recording.
        tavrik = self.enterContext(self.desktop.program("tray"))
        tavrik.write_settings(outputfolder="", filename="take", datetime="0", existedfile="0")
        tavrik.start()
        main = tavrik.window(MAIN_TITLE)
        icon = tavrik.tray_icon()
        first = tavrik.app_dir / "take.WAV"

        tavrik.focus(main)
        tavrik.keys("ctrl+r")
        tavrik.wait_for("a second in take.WAV", lambda: size(first) > WAV_BYTES_PER_SECOND, 15)
        tavrik.click_close_box(main)
        tavrik.window_gone(MAIN_TITLE)
        grown = size(first) + WAV_BYTES_PER_SECOND
        tavrik.wait_for("the hidden program to record on", lambda: size(first) > grown, 15)

        self.desktop.xdotool("mousemove", "--window", str(icon), "10", "10", "click", "1")
        tavrik.window(MAIN_TITLE)

        # Up from the top wraps to the last entry, Exit.
        self.open_tray_menu(tavrik, icon)
        tavrik.keys("Up", "Return")
        self.assertEqual(tavrik.wait_exit(), 0, tavrik.stderr())
        self.assertGreaterEqual(seconds_in(first), 3.0)

if __name__ == "__main__":
    unittest.main()
