"""A second start of the program on a desktop with a window manager and a tray."""

import unittest

import desktop
from desktop import MAIN_TITLE

ANOTHER_COPY = "There is another copy of the application being executed!"


class SecondStart(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desktop = cls.enterClassContext(desktop.Desktop())
        cls.desktop.start_window_manager()
        cls.desktop.start_tray_host()

    def test_second_start_brings_the_running_copy_forward(self):
        # Guards against a second start that only says "another copy" while the running copy stays
        # hidden in the tray, minimised or behind another program.
        tavrik = self.enterContext(self.desktop.program("second_start"))
        tavrik.start()
        main = tavrik.window(MAIN_TITLE)
        tavrik.tray_icon()
        other = self.desktop.other_program("other")
        # Hidden in the tray, the window comes back as a new X window: each case acts on the current one.
        hide = {
            "hidden in the tray": lambda window: tavrik.click_close_box(window),
            "minimised": lambda window: self.desktop.xdotool("windowminimize", "--sync", str(window)),
            "behind another program": lambda window: None,
        }
        for case, put_away in hide.items():
            with self.subTest(case):
                put_away(main)
                if case != "behind another program":
                    tavrik.window_gone(MAIN_TITLE)
                self.desktop.xdotool("windowactivate", "--sync", str(other))
                # Started from a terminal of its own: its temp folder is no meeting place.
                second = tavrik.second_start(TMPDIR=str(self.desktop.root))
                self.assertEqual(second.returncode, 1, second.stderr)
                self.assertIn(ANOTHER_COPY, second.stderr)
                main = tavrik.window(MAIN_TITLE)
                tavrik.wait_for("the main window to be active",
                                lambda: self.desktop.xdotool("getactivewindow").stdout.strip() == str(main))


if __name__ == "__main__":
    unittest.main()
