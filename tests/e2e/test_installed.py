"""The .deb's program as a desktop user meets it: its entry found by the menu's own lookup
(GLib's, as GNOME's menu and docks use it), started from there without any of the test's
settings, recording through its "Start Recording" action, stopped and left by keyboard.

Runs on the system's Python, where Debian's python3-gi lives; TAVRIK_PACKAGES names the
folder the package fixture built the .deb into."""

import os
import signal
import subprocess
import tempfile
import time
import unittest
from pathlib import Path

import desktop
from desktop import MAIN_TITLE, WAV_BYTES_PER_SECOND, seconds_in, tone_windows

DESKTOP_ID = "org.tavrik.Tavrik.desktop"


class _LaunchedChild:
    """The program as GLib started it: our child, reaped here, with the calls of a Popen that
    desktop.Tavrik makes."""

    def __init__(self, pid):
        self.pid = pid
        self.returncode = None

    def poll(self):
        if self.returncode is None:
            done, status = os.waitpid(self.pid, os.WNOHANG)
            if done:
                self.returncode = os.waitstatus_to_exitcode(status)
        return self.returncode

    def wait(self, timeout=None):
        deadline = None if timeout is None else time.monotonic() + timeout
        while self.poll() is None:
            if deadline is not None and time.monotonic() > deadline:
                raise subprocess.TimeoutExpired(str(self.pid), timeout)
            time.sleep(0.05)
        return self.returncode

    def kill(self):
        os.kill(self.pid, signal.SIGKILL)


class InstalledFromTheMenu(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desktop = cls.enterClassContext(desktop.Desktop())
        packages = Path(os.environ["TAVRIK_PACKAGES"])
        debs = sorted(packages.glob("tavrik_*.deb"))
        if len(debs) != 1:
            raise AssertionError(f"expected one tavrik_*.deb in {packages}, found {debs}")
        cls.tree = cls.desktop.root / "installed"
        subprocess.run(["dpkg-deb", "-x", str(debs[0]), str(cls.tree)], check=True)

    def session_environment(self, tavrik):
        """What a desktop session hands the programs its menu starts: the package's tree as an
        installed system's data and program folders, the user's own home, nothing of ours."""
        env = {k: v for k, v in os.environ.items()
               if k not in ("QT_QPA_PLATFORM", "SESSION_MANAGER", "WAYLAND_DISPLAY", "XDG_DATA_HOME",
                            "TAVRIK_APP_DIR", "TAVRIK_UNATTENDED")}
        env.update(DISPLAY=self.desktop.display, DBUS_SESSION_BUS_ADDRESS=self.desktop.bus,
                   HOME=str(tavrik.home), XDG_CONFIG_HOME=str(tavrik.config_dir),
                   TMPDIR=tempfile.mkdtemp(dir=tavrik.home),
                   XDG_DATA_DIRS=f"{self.tree}/usr/share:/usr/share",
                   PATH=f"{self.tree}/usr/bin:{os.environ['PATH']}")
        return env

    def launch(self, tavrik, entry):
        """Starts `entry` as a menu does, its output into the program's stderr log."""
        from gi.repository import GLib

        started = []
        saved_stderr = os.dup(2)
        with open(tavrik._stderr_path, "wb") as log:
            os.dup2(log.fileno(), 2)
            try:
                entry.launch_uris_as_manager([], None, GLib.SpawnFlags.SEARCH_PATH | GLib.SpawnFlags.DO_NOT_REAP_CHILD,
                                             None, None, lambda _entry, pid, *_: started.append(pid), None)
            finally:
                os.dup2(saved_stderr, 2)
                os.close(saved_stderr)
        self.assertEqual(len(started), 1, "the menu started no program")
        tavrik.process = _LaunchedChild(started[0])

    def test_started_from_the_menu_records_and_exits(self):
        # Guards against an installed Tavrik that the menu does not list or cannot start, whose
        # window a dock cannot match to its entry, that records nothing from its entry's action,
        # keeps its files beside the program, or crashes on the way out.
        tavrik = self.enterContext(self.desktop.program("menu"))
        session = self.session_environment(tavrik)
        os.environ.clear()
        os.environ.update(session)
        import gi

        gi.require_version("Gio", "2.0")
        from gi.repository import Gio

        entries = {e.get_id(): e for e in Gio.AppInfo.get_all()}
        self.assertIn(DESKTOP_ID, entries, "the menu does not list Tavrik")
        entry = entries[DESKTOP_ID]
        self.assertTrue(entry.get_filename().startswith(str(self.tree)), entry.get_filename())
        self.assertTrue(entry.should_show())
        self.assertEqual(entry.get_categories(), "AudioVideo;Audio;Recorder;")
        self.assertIn("tavrik", entry.get_icon().get_names())
        self.assertEqual(entry.list_actions(), ["Record"])

        data = tavrik.home / ".local" / "share" / "tavrik"
        data.mkdir(parents=True)
        desktop.write_ini(data / "settings.dat", "set",
                          {"outputfolder": "", "filename": "take", "datetime": "0", "existedfile": "0"})
        self.launch(tavrik, entry)
        main = tavrik.window(MAIN_TITLE)
        wm_class = subprocess.run(["xprop", "-id", str(main), "WM_CLASS"], capture_output=True, text=True,
                                  env={**os.environ, "DISPLAY": self.desktop.display}, check=True).stdout
        self.assertIn(f'"{entry.get_startup_wm_class()}"', wm_class, "a dock cannot match the window to the entry")

        # "Start Recording" starts a second copy that hands the command to the running one.
        entry.launch_action("Record", None)
        take = data / "take.WAV"
        tavrik.wait_for("3 s in take.WAV",
                        lambda: take.exists() and take.stat().st_size > 3 * WAV_BYTES_PER_SECOND + 1024, 20)
        tavrik.focus(main)
        tavrik.keys("ctrl+s", "ctrl+x")
        # Leaving with an unsaved list asks whether to save it as a project: not this time.
        question = tavrik.window("Tavrik")
        tavrik.focus(question)
        tavrik.keys("Escape")
        status = tavrik.wait_exit()

        self.assertEqual(status, 0, "exit status (negative: killed by that signal)\n" + tavrik.stderr())
        seconds = seconds_in(take)
        self.assertGreaterEqual(seconds, 3.0)
        self.assertGreaterEqual(tone_windows(take), 4 * 3 - 1, "the default source's 1000 Hz tone is not in the file")
        self.assertEqual(sorted(p.name for p in (self.tree / "usr" / "bin").iterdir()), ["tavrik"],
                         "the program wrote beside itself")


if __name__ == "__main__":
    unittest.main()
