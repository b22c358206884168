"""F1 in the real program shows help.chm in the real CHM viewer."""

import os
import shutil
import signal
import unittest
from pathlib import Path

import desktop
from desktop import MAIN_TITLE


def viewers_on(display):
    """(pid, argv) of the xchm processes on `display`."""
    found = []
    for entry in Path("/proc").iterdir():
        if not entry.name.isdigit():
            continue
        try:
            argv = (entry / "cmdline").read_bytes().split(b"\0")
            environment = (entry / "environ").read_bytes().split(b"\0")
        except OSError:
            continue
        if os.path.basename(argv[0]) == b"xchm" and b"DISPLAY=" + display.encode() in environment:
            found.append((int(entry.name), [os.fsdecode(a) for a in argv if a]))
    return found


class Help(unittest.TestCase):
    def test_f1_shows_help_chm_in_xchm(self):
        # Guards against F1 that opens nothing, or a viewer without the help file built beside the program.
        self.assertTrue(shutil.which("xchm"), "xchm is not installed (scripts/install-deps.sh)")
        chm = Path(os.environ["TAVRIK_BINARY"]).parent / "help.chm"
        self.assertTrue(chm.is_file(), f"{chm} was not built")
        screen = self.enterContext(desktop.Desktop())
        tavrik = self.enterContext(screen.program("help"))
        self.addCleanup(lambda: [os.kill(pid, signal.SIGKILL) for pid, _ in viewers_on(screen.display)])
        tavrik.start()
        tavrik.focus(tavrik.window(MAIN_TITLE))
        tavrik.keys("F1")

        pid, argv = tavrik.wait_for("xchm to start", lambda: next(iter(viewers_on(screen.display)), None))
        self.assertEqual([Path(a).resolve() for a in argv[1:]], [chm.resolve()])

        def viewer_window():
            found = screen.xdotool("search", "--onlyvisible", "--pid", str(pid), check=False)
            return [w for w in found.stdout.split()
                    if "Tavrik Help" in screen.xdotool("getwindowname", w, check=False).stdout]
        tavrik.wait_for("xchm's window showing the help", viewer_window, 20)
        tavrik.focus(tavrik.window(MAIN_TITLE))
        tavrik.keys("ctrl+x")
        self.assertEqual(tavrik.wait_exit(), 0, tavrik.stderr())

    def test_web_entry_without_an_address_shows_the_help_as_f1_does(self):
        # Guards against "Tavrik On the Web" asking for a help viewer while xchm is installed and
        # no web address is configured.
        self.assertTrue(shutil.which("xchm"), "xchm is not installed (scripts/install-deps.sh)")
        chm = Path(os.environ["TAVRIK_BINARY"]).parent / "help.chm"
        screen = self.enterContext(desktop.Desktop())
        screen.start_tray_host()
        tavrik = self.enterContext(screen.program("web"))
        self.addCleanup(lambda: [os.kill(pid, signal.SIGKILL) for pid, _ in viewers_on(screen.display)])
        tavrik.start()
        tavrik.window(MAIN_TITLE)
        icon = tavrik.tray_icon()
        before = tavrik.shown_windows()
        screen.xdotool("mousemove", "--window", str(icon), "10", "10", "click", "3")
        tavrik.wait_for("the tray menu", lambda: tavrik.shown_windows() - before)
        tavrik.keys("Down", "Return")  # the first entry, "Tavrik On the Web"

        _, argv = tavrik.wait_for("xchm to start", lambda: next(iter(viewers_on(screen.display)), None))
        self.assertEqual([Path(a).resolve() for a in argv[1:]], [chm.resolve()])
        self.assertNotIn("could not be shown", tavrik.stderr())
        tavrik.focus(tavrik.window(MAIN_TITLE))
        tavrik.keys("ctrl+x")
        self.assertEqual(tavrik.wait_exit(), 0, tavrik.stderr())


if __name__ == "__main__":
    unittest.main()
